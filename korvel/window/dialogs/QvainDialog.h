#pragma once
#include "ScaleDialog.h"

class RadioGroup;

// The analogue input module dialog ("QVAIN"): input type, settling time, decimals, rounding,
// and the input scale, whose two ends the number editor changes (targets 1 and 2).
class QvainDialog : public ScaleDialog {
    Q_OBJECT
public:
    explicit QvainDialog(QWidget* parent = nullptr);

    RadioGroup* RadioGroup_uInputTypeSettings = nullptr;
    RadioGroup* RadioGroup_DisplayRefresh = nullptr;
    RadioGroup* RadioGroup_uDecimalPointSettings = nullptr;
    RadioGroup* RadioGroup_uRoundSettings = nullptr;
};
