#pragma once
#include "ModuleDialog.h"
#include "StatusRecord.h"

class QCheckBox;
class QLabel;

// The relay output module dialog ("QVRO"), for the main or the additional slot: the output's
// present state and its test independent of the operating mode, which the status poll sends
// and shows. Its block controls go into body().
class QvroDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvroDialog(QWidget* parent = nullptr);

    // The status poll: the test of the slot's output travels in its request; its reply shows
    // the output's state.
    void FillStatusRequest(StatusRequestInputs& in) const;
    void ApplyStatusButtons(const StatusRequestButtons& buttons);
    void ShowStatus(const StatusRecord& r, std::uint8_t moduleSlot);

    QLabel* Label_DigitalOutOff = nullptr;
    QLabel* Label_DigitalOutOn = nullptr;
    QCheckBox* CheckBox_DigitalOutForceEng = nullptr;
    SpeedButton* SpeedButton_DigitalOut1Force = nullptr;
};
