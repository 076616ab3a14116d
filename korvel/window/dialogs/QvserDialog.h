#pragma once
#include "ModuleDialog.h"

// The RS-485 module dialog ("QVSER"). Its block controls go into body().
class QvserDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvserDialog(QWidget* parent = nullptr);
};
