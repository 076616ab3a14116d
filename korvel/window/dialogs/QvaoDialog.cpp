#include "QvaoDialog.h"

#include "DialogControls.h"
#include "UiBuild.h"
#include "ui/RadioGroup.h"
#include "ui/SettingsItems.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

QvaoDialog::QvaoDialog(QWidget* parent)
    : ScaleDialog("Form_QVAO", "QVAO", "Analóg kimenet típusa, skálázása, hibajelzés módja",
                  {.readKey = KeyQvaoRead, .defaultKey = KeyQvaoDefaults, .writeKey = KeyQvaoWrite}, parent)
{
    QWidget* b = body();
    RadioGroup_uAnalogueType = NamedRadioGroup(b, "RadioGroup_uAnalogueType", "Típus", settingsitems::SignalTypes(), 0);
    CheckBox_bAnalogueErrorHigh = uibuild::CheckBox(b, "CheckBox_bAnalogueErrorHigh", "Magas szint jelzi a hibát");
    CheckBox_bDisableAnalogueError =
        uibuild::CheckBox(b, "CheckBox_bDisableAnalogueError", "Analóg kimenet hibajelzés tiltva");

    AddScale("Analóg kimenet skálázása", {{"Label36", "Alsó értékhez tartozó"}, {"Label1", "skálázott bemenő jel:"}},
             {{"Label2", "Felső értékhez tartozó"}, {"Label3", "skálázott bemenő jel:"}});

    auto* h = new QHBoxLayout(b);
    h->addWidget(RadioGroup_uAnalogueType, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(CheckBox_bAnalogueErrorHigh);
    right->addWidget(CheckBox_bDisableAnalogueError);
    right->addWidget(GroupBox1);
    right->addStretch(1);
    h->addLayout(right, 1);
}
