#pragma once
#include "DialogControls.h"
#include "ModuleDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace korvel {

// A module dialog with a scale (the analogue input's and output's): its two ends are scaled
// integers of the dialog, 0 at start, set by a read reply and by the number editor, sent by a
// write as they stand, and shown in their labels ("xxxxx" until the first reply or edit).
class ScaleDialog : public ModuleDialog {
    Q_OBJECT
public:
    using ModuleDialog::ModuleDialog;

    std::int32_t iScaleLowSettings = 0;
    std::int32_t iScaleHighSettings = 0;

protected:
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label_iScaleLowSettings = nullptr;
    QPushButton* Button_ScaleLowSettings = nullptr;
    QLabel* Label_iScaleHighSettings = nullptr;
    QPushButton* Button_ScaleHighSettings = nullptr;

protected:
    // Builds GroupBox1 with the two scale rows in body() and makes the ends the dialog's
    // value fields.
    QGroupBox* AddScale(const QString& title, std::initializer_list<NamedCaption> lowCaptions,
                        std::initializer_list<NamedCaption> highCaptions);
};

}  // namespace korvel
