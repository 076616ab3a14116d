#pragma once
#include "RadioGroup.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace qs {

// The MODBUS parameters of the base unit's settings record: protocol, parity, baud rate and
// device address. Korvel shows them in its RS-485 module dialog, where they are at the same
// time the source and sink of the dialog's own block and of the settings record (a reply of
// either selects them, a write of either sends what they show, whether or not the dialog was
// ever opened); Ombrik shows them on its settings page.
//
// At start: "RTU", "Páros (Even)", address "0" and the baud rate of item `baudIndex` (-1:
// none until a reply selects one).
class ModbusControls : public QWidget {
    Q_OBJECT
public:
    explicit ModbusControls(QWidget* parent = nullptr, int baudIndex = -1);

    RadioGroup* RadioGroup_MODBUSProtocol = nullptr;
    RadioGroup* RadioGroup_MODBUSParity = nullptr;
    QLabel* Label71 = nullptr;
    QComboBox* ComboBox_MODBUSBaudRate = nullptr;
    QLabel* Label72 = nullptr;
    QComboBox* ComboBox_MODBUSAddress = nullptr;
};

}  // namespace qs
