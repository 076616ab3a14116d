#include "QvserDialog.h"

#include "ui/ModbusControls.h"

#include <QVBoxLayout>

QvserDialog::QvserDialog(QWidget* parent)
    : ModuleDialog("Form_QVSER", "QVSER", {.readKey = KeyQvserRead, .defaultKey = KeyQvserDefaults, .writeKey = KeyQvserWrite},
                   parent)
{
    Modbus = new ModbusControls(body());
    (new QVBoxLayout(body()))->addWidget(Modbus);
}
