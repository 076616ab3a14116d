#pragma once
#include "ModuleDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class RadioGroup;

// The analogue output module dialog ("QVAO"), for the main or the additional slot (the opener
// sets the caption): output type, scale and error signalling. The number editor changes the
// two scale ends (targets 3 and 4).
class QvaoDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvaoDialog(QWidget* parent = nullptr);

    // The scale ends as scaled integers: 0 at start, set by a read reply and by the number
    // editor, sent by a write as they stand.
    std::int32_t iScaleLowSettings = 0;
    std::int32_t iScaleHighSettings = 0;

    RadioGroup* RadioGroup_uAnalogueType = nullptr;
    QCheckBox* CheckBox_bAnalogueErrorHigh = nullptr;
    QCheckBox* CheckBox_bDisableAnalogueError = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label_iScaleLowSettings = nullptr;
    QPushButton* Button_ScaleLowSettings = nullptr;
    QLabel* Label_iScaleHighSettings = nullptr;
    QPushButton* Button_ScaleHighSettings = nullptr;
};
