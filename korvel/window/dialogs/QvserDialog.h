#pragma once
#include "ModuleDialog.h"

class QGroupBox;
class QLineEdit;

namespace qs {
class ModbusControls;
}

namespace korvel {

// The RS-485 MODBUS module dialog ("QVSER"; the opener sets the caption): the four MODBUS
// controls it shares with the base unit's settings record, and the time-out.
class QvserDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvserDialog(QWidget* parent = nullptr);

private:
    QGroupBox* GroupBox_MODBUSOutputSettings = nullptr;
    qs::ModbusControls* Modbus = nullptr;
    QLineEdit* Edit_MODBUSTimeOut = nullptr;
};

}  // namespace korvel
