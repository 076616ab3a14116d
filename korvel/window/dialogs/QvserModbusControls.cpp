#include "QvserModbusControls.h"

#include "UiBuild.h"
#include "ui/SettingsItems.h"

#include <QGridLayout>

using namespace uibuild;

QvserModbusControls::QvserModbusControls(QWidget* parent) : QWidget(parent)
{
    setObjectName("QvserModbusControls");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    RadioGroup_MODBUSProtocol = new RadioGroup("Protokoll", settingsitems::ModbusProtocols(), this);
    RadioGroup_MODBUSProtocol->setObjectName("RadioGroup_MODBUSProtocol");
    RadioGroup_MODBUSProtocol->setItemIndex(0);
    RadioGroup_MODBUSParity =
        new RadioGroup("Paritás bit", settingsitems::ModbusParities(), this);
    RadioGroup_MODBUSParity->setObjectName("RadioGroup_MODBUSParity");
    RadioGroup_MODBUSParity->setItemIndex(1);
    grid->addWidget(RadioGroup_MODBUSProtocol, 0, 0, 1, 2);
    grid->addWidget(RadioGroup_MODBUSParity, 1, 0, 1, 2);

    Label71 = Label(this, "Label71", "Adatátviteli sebesség:");
    ComboBox_MODBUSBaudRate = new QComboBox(this);
    ComboBox_MODBUSBaudRate->setObjectName("ComboBox_MODBUSBaudRate");
    ComboBox_MODBUSBaudRate->addItems(settingsitems::BaudRates());
    ComboBox_MODBUSBaudRate->setCurrentIndex(-1);  // no selection until a reply selects one
    grid->addWidget(Label71, 2, 0);
    grid->addWidget(ComboBox_MODBUSBaudRate, 2, 1);

    Label72 = Label(this, "Label72", "Készülékcím:");
    ComboBox_MODBUSAddress = new QComboBox(this);
    ComboBox_MODBUSAddress->setObjectName("ComboBox_MODBUSAddress");
    ComboBox_MODBUSAddress->addItems(settingsitems::ModbusAddresses());
    ComboBox_MODBUSAddress->setCurrentIndex(0);
    grid->addWidget(Label72, 3, 0);
    grid->addWidget(ComboBox_MODBUSAddress, 3, 1);
    grid->setColumnStretch(1, 1);
}
