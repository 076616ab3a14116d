#include "QvserDialog.h"

#include "DialogControls.h"
#include "common/ui/ModbusControls.h"
#include "common/ui/ControlBuilder.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

QvserDialog::QvserDialog(QWidget* parent)
    : ModuleDialog(
          "Form_QVSER", "QVSER", "Soros kommunikáció beállítása",
          {.readKey = KeyQvserRead, .defaultKey = KeyQvserDefaults, .writeKey = KeyQvserWrite},
          parent)
{
    using build::Label;
    GroupBox_MODBUSOutputSettings =
        build::Group(body(), "GroupBox_MODBUSOutputSettings", "MODBUS kimenet");
    GroupBox_MODBUSOutputSettings->setGeometry(10, 20, 300, 360);

    QWidget* g = GroupBox_MODBUSOutputSettings;
    auto* v = new QVBoxLayout(g);
    Modbus = new ModbusControls(g);
    v->addWidget(Modbus);
    auto* timeOut = new QGridLayout;
    timeOut->addWidget(Label(g, "Label55", "Időtúllépés hiba: "), 0, 0);
    timeOut->addWidget(Label(g, "Label2", "(Time out): "), 1, 0);
    Edit_MODBUSTimeOut = NumberEntry(g, "Edit_MODBUSTimeOut", 5);
    timeOut->addWidget(Edit_MODBUSTimeOut, 1, 1);
    timeOut->addWidget(Label(g, "Label1", "másodperc"), 1, 2);
    timeOut->setColumnStretch(3, 1);
    v->addLayout(timeOut);
    v->addStretch(1);
}

}  // namespace korvel
