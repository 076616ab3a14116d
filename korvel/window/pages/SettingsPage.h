#pragma once
#include "common/ui/PageControl.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SettingsGroups.h"
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

private:
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
    qs::AnalogOutputGroup* GroupBox_AnalogOutput = nullptr;

    qs::RadioGroup* RadioGroup_enuLimitDisplayMode = nullptr;

    qs::DisplayGroup* GroupBox_Display = nullptr;
};

}  // namespace korvel
