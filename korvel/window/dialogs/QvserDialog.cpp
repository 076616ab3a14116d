#include "QvserDialog.h"

#include "QvserModbusControls.h"

#include <QVBoxLayout>

QvserDialog::QvserDialog(QWidget* parent)
    : ModuleDialog("Form_QVSER", "QVSER", {.readKey = KeyQvserRead, .defaultKey = KeyQvserDefaults, .writeKey = KeyQvserWrite},
                   parent)
{
    Modbus = new QvserModbusControls(body());
    (new QVBoxLayout(body()))->addWidget(Modbus);
}
