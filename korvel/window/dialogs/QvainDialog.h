#pragma once
#include "ModuleDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class RadioGroup;

// The analogue input module dialog ("QVAIN"): input type, settling time, decimals, rounding,
// and the input scale, whose two ends the number editor changes (targets 1 and 2).
class QvainDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvainDialog(QWidget* parent = nullptr);

    // The scale ends as scaled integers: 0 at start, set by a read reply and by the number
    // editor, sent by a write as they stand.
    std::int32_t iScaleLowSettings = 0;
    std::int32_t iScaleHighSettings = 0;

    RadioGroup* RadioGroup_uInputTypeSettings = nullptr;
    RadioGroup* RadioGroup_DisplayRefresh = nullptr;
    RadioGroup* RadioGroup_uDecimalPointSettings = nullptr;
    RadioGroup* RadioGroup_uRoundSettings = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label_iScaleLowSettings = nullptr;
    QPushButton* Button_ScaleLowSettings = nullptr;
    QLabel* Label_iScaleHighSettings = nullptr;
    QPushButton* Button_ScaleHighSettings = nullptr;
};
