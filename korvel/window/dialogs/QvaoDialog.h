#pragma once
#include "ScaleDialog.h"

class QCheckBox;

namespace qs {
class RadioGroup;
}

namespace korvel {

// The analogue output module dialog ("QVAO"), for the main or the additional slot (the opener
// sets the caption): output type, scale and error signalling. The number editor changes the
// two scale ends (targets 3 and 4).
class QvaoDialog : public ScaleDialog {
    Q_OBJECT
public:
    explicit QvaoDialog(QWidget* parent = nullptr);

private:
    qs::RadioGroup* RadioGroup_uAnalogueType = nullptr;
    QCheckBox* CheckBox_bAnalogueErrorHigh = nullptr;
    QCheckBox* CheckBox_bDisableAnalogueError = nullptr;
};

}  // namespace korvel
