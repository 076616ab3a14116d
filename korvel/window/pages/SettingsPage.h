#pragma once
#include "common/ui/PageControl.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SpeedButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QObject>
#include <QSlider>

namespace korvel {

class RequestButtons;

// "Beállítások": the settings trio above the base-unit settings: input type and scaling, Pt
// wiring, analogue output, limit display mode, display with its bar graph, decimals and
// rounding. The controls are named after the record's fields, which a binding moves.
class SettingsPage : public QObject {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget* sheet);

    void BindRequests(RequestButtons& requests);

    qs::SpeedButton* SpeedButton_ReadSettings = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefaultSettings = nullptr;
    qs::SpeedButton* SpeedButton_WriteSettings = nullptr;

    qs::PageControl* PageControl_Input = nullptr;
    QGroupBox* GroupBox_InputTypeAndScale = nullptr;
    qs::RadioGroup* RadioGroup_uInputTypeSettings = nullptr;
    QLineEdit* Edit_iScaleLowSettings = nullptr;
    QLineEdit* Edit_iScaleHighSettings = nullptr;
    QGroupBox* GroupBox_PtSensor = nullptr;
    qs::RadioGroup* RadioGroup_uPtWires = nullptr;

    qs::PageControl* PageControl_Output = nullptr;
    QGroupBox* GroupBox_AnalogOutput = nullptr;
    qs::RadioGroup* RadioGroup_uAnalogueType = nullptr;
    QLineEdit* Edit_iAnalogueLow = nullptr;
    QLineEdit* Edit_iAnalogueHigh = nullptr;
    QCheckBox* CheckBox_bAnalogueErrorHigh = nullptr;
    QCheckBox* CheckBox_bDisableAnalogueError = nullptr;

    qs::RadioGroup* RadioGroup_enuLimitDisplayMode = nullptr;

    QGroupBox* GroupBox_Display = nullptr;
    QSlider* TrackBar_Brightness = nullptr;
    QLineEdit* Edit_DisplayTagname = nullptr;
    QLineEdit* Edit_DisplayDimension = nullptr;
    QCheckBox* CheckBox_DisplayLeaderZeros = nullptr;
    qs::RadioGroup* RadioGroup_DisplayRefresh = nullptr;
    QGroupBox* GroupBox_Bargraph = nullptr;
    QCheckBox* CheckBox_BargraphDot = nullptr;
    QLineEdit* Edit_iBgLow = nullptr;
    QLineEdit* Edit_iBgHigh = nullptr;
    qs::RadioGroup* RadioGroup_uDecimalPointSettings = nullptr;
    qs::RadioGroup* RadioGroup_uRoundSettings = nullptr;
};

}  // namespace korvel
