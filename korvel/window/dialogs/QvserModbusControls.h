#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
class RadioGroup;

// The RS-485 module's four MODBUS controls: protocol, parity, baud rate and device address.
// They live in the QVSER dialog and serve two records at once, the module's own block and the
// base unit's settings record: a reply of either selects them, and a write of either sends
// what they show, whether or not the dialog has been opened.
class QvserModbusControls : public QWidget {
    Q_OBJECT
public:
    explicit QvserModbusControls(QWidget* parent);

    RadioGroup* RadioGroup_MODBUSProtocol = nullptr;  // "RTU", "ASCII"; design: "RTU"
    RadioGroup* RadioGroup_MODBUSParity = nullptr;    // design: "Páros (Even)"
    QLabel* Label71 = nullptr;
    QComboBox* ComboBox_MODBUSBaudRate = nullptr;     // 16 rates; no selection at start
    QLabel* Label72 = nullptr;
    QComboBox* ComboBox_MODBUSAddress = nullptr;      // "0" .. "247"; design: "0"
};
