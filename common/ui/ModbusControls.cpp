#include "ModbusControls.h"

#include "ComboIndex.h"
#include "ControlBuilder.h"
#include "SettingsItems.h"

#include <QGridLayout>

namespace qs {

using namespace build;

ModbusControls::ModbusControls(QWidget* parent, int baudIndex) : QWidget(parent)
{
    setObjectName("ModbusControls");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    RadioGroup_MODBUSProtocol =
        Named<RadioGroup>(this, "RadioGroup_MODBUSProtocol", QStringLiteral("Protokoll"),
                          settingsitems::ModbusProtocols());
    RadioGroup_MODBUSProtocol->setItemIndex(0);
    RadioGroup_MODBUSParity =
        Named<RadioGroup>(this, "RadioGroup_MODBUSParity", QStringLiteral("Paritás bit"),
                          settingsitems::ModbusParities());
    RadioGroup_MODBUSParity->setItemIndex(1);
    grid->addWidget(RadioGroup_MODBUSProtocol, 0, 0, 1, 2);
    grid->addWidget(RadioGroup_MODBUSParity, 1, 0, 1, 2);

    Label71 = Named<QLabel>(this, "Label71", QStringLiteral("Adatátviteli sebesség:"));
    ComboBox_MODBUSBaudRate = Named<QComboBox>(this, "ComboBox_MODBUSBaudRate");
    ComboBox_MODBUSBaudRate->addItems(settingsitems::BaudRates());
    SetComboIndex(ComboBox_MODBUSBaudRate, baudIndex);
    grid->addWidget(Label71, 2, 0);
    grid->addWidget(ComboBox_MODBUSBaudRate, 2, 1);

    Label72 = Named<QLabel>(this, "Label72", QStringLiteral("Készülékcím:"));
    ComboBox_MODBUSAddress = Named<QComboBox>(this, "ComboBox_MODBUSAddress");
    ComboBox_MODBUSAddress->addItems(settingsitems::ModbusAddresses());
    ComboBox_MODBUSAddress->setCurrentIndex(0);
    grid->addWidget(Label72, 3, 0);
    grid->addWidget(ComboBox_MODBUSAddress, 3, 1);
    grid->setColumnStretch(1, 1);
}

}  // namespace qs
