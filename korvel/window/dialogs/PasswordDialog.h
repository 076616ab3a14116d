#pragma once
#include "korvel/link/records/ModuleBlocks.h"
#include "ModuleDialog.h"

class QGroupBox;
class QLineEdit;

namespace korvel {

// The password dialog: reads, shows the factory values of and writes the operator and
// engineer passwords. It shares the module dialogs' frame; its trio has names of its own.
// A write may stay pending only while both entries are numbers 0..9999 that differ: the
// check runs when the write button goes down (with a message when it fails) and again when
// the write is built.
class PasswordDialog : public ModuleDialog {
    Q_OBJECT
public:
    static constexpr int kEntryLength = 4;

    explicit PasswordDialog(QWidget* parent = nullptr);

    // The check of the two entries as they stand now, with the block to send when they pass.
    PasswordEntryCheck CheckEntries() const;
    // A received block: each password in four digits with leading zeros.
    void ShowPasswords(const PasswordBlock& b);

    // Runs the check when a click has left the write button down.
    void SpeedButton_WriteToDevice_PasswordClick();
    // An invalid pair, or two equal passwords: the write button is released, then an
    // information box says why. An invalid pair is never compared.
    void ValidatePasswords();

private:
    qs::SpeedButton* const& SpeedButton_ReadFromDevice_Password = SpeedButton_ReadFromDevice;
    qs::SpeedButton* const& SpeedButton_ReadDefault_Password = SpeedButton_ReadDefault;
    qs::SpeedButton* const& SpeedButton_WriteToDevice_Password = SpeedButton_WriteToDevice;
    QGroupBox* GroupBox_MODBUSOutputSettings = nullptr;
    QLineEdit* Edit_PasswordUser = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit_PasswordSupervisor = nullptr;
};

}  // namespace korvel
