#pragma once
#include "ui/RadioGroup.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

// The MODBUS parameters of the RS-485 module dialog: protocol, parity, baud rate and device
// address. They are at the same time the source and sink of the dialog's own block and of
// the base unit's settings record: a reply of either selects them, a write of either sends
// what they show, whether or not the dialog was ever opened.
class QvserModbusControls : public QWidget {
    Q_OBJECT
public:
    explicit QvserModbusControls(QWidget* parent = nullptr);

    RadioGroup* RadioGroup_MODBUSProtocol = nullptr;
    RadioGroup* RadioGroup_MODBUSParity = nullptr;
    QLabel* Label71 = nullptr;
    QComboBox* ComboBox_MODBUSBaudRate = nullptr;
    QLabel* Label72 = nullptr;
    QComboBox* ComboBox_MODBUSAddress = nullptr;
};
