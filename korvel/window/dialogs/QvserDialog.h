#pragma once
#include "ModuleDialog.h"

class ModbusControls;

// The RS-485 module dialog ("QVSER"). Its block controls go into body(); the four MODBUS
// controls, which the base unit's settings record shares, are a class of their own.
class QvserDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvserDialog(QWidget* parent = nullptr);

    ModbusControls* Modbus = nullptr;
};
