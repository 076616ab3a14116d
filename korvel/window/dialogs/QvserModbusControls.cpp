#include "QvserModbusControls.h"

#include "DialogControls.h"
#include "UiBuild.h"
#include "ui/RadioGroup.h"

#include <QComboBox>
#include <QGridLayout>

QvserModbusControls::QvserModbusControls(QWidget* parent) : QWidget(parent)
{
    RadioGroup_MODBUSProtocol = NamedRadioGroup(this, "RadioGroup_MODBUSProtocol", "Protokoll", {"RTU", "ASCII"}, 0);
    RadioGroup_MODBUSParity = NamedRadioGroup(this, "RadioGroup_MODBUSParity", "Paritás bit",
                                              {"Nincs (None)", "Páros (Even)", "Páratlan (Odd)", "Mindig 1 (Mark)"}, 1);
    Label71 = uibuild::Label(this, "Label71", "Adatátviteli sebesség:");
    ComboBox_MODBUSBaudRate = new QComboBox(this);
    ComboBox_MODBUSBaudRate->setObjectName("ComboBox_MODBUSBaudRate");
    for (const char* rate : {"300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "76800",
                             "115200", "230400", "460800", "576000", "921600"})
        ComboBox_MODBUSBaudRate->addItem(QLatin1String(rate) + QStringLiteral(" bit/sec."));
    ComboBox_MODBUSBaudRate->setCurrentIndex(-1);
    Label72 = uibuild::Label(this, "Label72", "Készülékcím:");
    ComboBox_MODBUSAddress = new QComboBox(this);
    ComboBox_MODBUSAddress->setObjectName("ComboBox_MODBUSAddress");
    for (int address = 0; address <= 247; ++address)
        ComboBox_MODBUSAddress->addItem(QString::number(address));
    ComboBox_MODBUSAddress->setCurrentIndex(0);

    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(RadioGroup_MODBUSProtocol, 0, 0, 1, 2);
    g->addWidget(RadioGroup_MODBUSParity, 0, 2, 1, 2);
    g->addWidget(Label71, 1, 0);
    g->addWidget(ComboBox_MODBUSBaudRate, 1, 1);
    g->addWidget(Label72, 2, 0);
    g->addWidget(ComboBox_MODBUSAddress, 2, 1);
    g->setColumnStretch(3, 1);
}
