#pragma once
#include "ScaleDialog.h"

namespace qs {
class RadioGroup;
}

namespace korvel {

// The analogue input module dialog ("QVAIN"): input type, settling time, decimals, rounding,
// and the input scale, whose two ends the number editor changes (targets 1 and 2).
class QvainDialog : public ScaleDialog {
    Q_OBJECT
public:
    explicit QvainDialog(QWidget* parent = nullptr);

private:
    qs::RadioGroup* RadioGroup_uInputTypeSettings = nullptr;
    qs::RadioGroup* RadioGroup_DisplayRefresh = nullptr;
    qs::RadioGroup* RadioGroup_uDecimalPointSettings = nullptr;
    qs::RadioGroup* RadioGroup_uRoundSettings = nullptr;
};

}  // namespace korvel
