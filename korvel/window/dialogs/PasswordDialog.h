#pragma once
#include "ModuleDialog.h"

// The password dialog: reads, shows the defaults of and writes the operator and engineer
// passwords. It shares the module dialogs' frame; its trio has names of its own. The
// password edits and their checks go into body().
class PasswordDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget* parent = nullptr);

    SpeedButton* const& SpeedButton_ReadFromDevice_Password = SpeedButton_ReadFromDevice;
    SpeedButton* const& SpeedButton_ReadDefault_Password = SpeedButton_ReadDefault;
    SpeedButton* const& SpeedButton_WriteToDevice_Password = SpeedButton_WriteToDevice;
};
