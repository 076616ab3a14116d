#pragma once
#include "ModuleDialog.h"
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/TColor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qs {
class RadioGroup;
}

namespace korvel {

// The relay output module dialog ("QVRO"), for the main or the additional slot (the opener
// sets the caption): the limit mode, the A, B and hysteresis values (number editor targets 5
// to 7), hold, the delta modes' seconds and pulse width; beside them the output's present
// state and its test independent of the mode, which the status poll sends and shows.
class QvroDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvroDialog(QWidget* parent = nullptr);

    // The status poll: the test of the slot's output travels in its request; its reply shows
    // the output's state.
    void FillStatusRequest(StatusRequestInputs& in) const;
    void ApplyStatusButtons(const StatusRequestButtons& buttons);
    void ShowStatus(const StatusRecord& r, std::uint8_t moduleSlot);

    // Closing the dialog, in any way, first ends the output test.
    void done(int result) override;

    // Scaled integers: 0 at start, set by a read reply and by the number editor, sent by a
    // write as they stand.
    std::int32_t iSettingsA = 0;
    std::int32_t iSettingsB = 0;
    std::int32_t iSettingsHysteresis = 0;

private:
    qs::RadioGroup* RadioGroup_enuLimitMode = nullptr;
    QLabel* Label_iSettingsA = nullptr;
    QPushButton* Button_SettingsA = nullptr;
    QLabel* Label_iSettingsB = nullptr;
    QPushButton* Button_SettingsB = nullptr;
    QLabel* Label_iSettingsHysteresis = nullptr;
    QPushButton* Button_SettingsHysteresis = nullptr;
    QCheckBox* CheckBox_bHold = nullptr;
    QLineEdit* Edit_uSec = nullptr;
    QLineEdit* Edit_uPulseSec = nullptr;
    QLabel* Label_DigitalOutOff = nullptr;
    QLabel* Label_DigitalOutOn = nullptr;
    QCheckBox* CheckBox_DigitalOutForceEng = nullptr;
    qs::SpeedButton* SpeedButton_DigitalOut1Force = nullptr;

    // A state label: lit in its colour and enabled, or unlit in the button face, disabled and
    // with greyed text.
    static void ShowState(QLabel* label, bool lit, qs::TColor colour);
};

}  // namespace korvel
