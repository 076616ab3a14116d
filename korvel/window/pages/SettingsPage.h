#pragma once
#include "ui/PageControl.h"
#include "ui/SpeedButton.h"

#include <QGroupBox>
#include <QObject>

class RequestButtons;

// "Beállítások": the settings trio above the groups of the base-unit settings record. The
// settings controls go into these groups, and the record's binding here.
class SettingsPage : public QObject {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget* sheet);

    void BindRequests(RequestButtons& requests);

    SpeedButton* SpeedButton_ReadSettings = nullptr;
    SpeedButton* SpeedButton_ReadDefaultSettings = nullptr;
    SpeedButton* SpeedButton_WriteSettings = nullptr;
    PageControl* PageControl_Input = nullptr;
    QGroupBox* GroupBox_InputTypeAndScale = nullptr;
    QGroupBox* GroupBox_PtSensor = nullptr;
    PageControl* PageControl_Output = nullptr;
    QGroupBox* GroupBox_AnalogOutput = nullptr;
    QGroupBox* GroupBox_LimitDisplayMode = nullptr;
    QGroupBox* GroupBox_Display = nullptr;
    QGroupBox* GroupBox_Bargraph = nullptr;
    QGroupBox* GroupBox_Decimals = nullptr;
    QGroupBox* GroupBox_Rounding = nullptr;
};
