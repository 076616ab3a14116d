#pragma once
#include "common/ui/LimitOutputGroup.h"
#include "common/ui/ModbusControls.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SettingsGroups.h"
#include "common/ui/SpeedButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QObject>
#include <QSlider>

#include <array>

namespace ombrik {

// "Beállítások" (TabSheet2) and "Határérték kimenetek" (TabSheet5): each page's read /
// factory-default / write trio of the settings, one group per page, and the controls of the
// settings record's fields, named after them. TabSheet2 holds the display, analogue output,
// bar graph, input scaling, limit display mode, MODBUS, analogue error and Pt wiring;
// TabSheet5 the four limit outputs with their seconds and pulse seconds. Their contents at
// start are the ones a write sends before any read.
class SettingsPages : public QObject {
    Q_OBJECT
public:
    SettingsPages(QWidget* settingsSheet, QWidget* limitsSheet);

    qs::SpeedButton* SpeedButton_ReadSettings = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefaultSettings = nullptr;
    qs::SpeedButton* SpeedButton_WriteSettings = nullptr;
    qs::SpeedButton* SpeedButton_ReadSettings2 = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefaultSettings2 = nullptr;
    qs::SpeedButton* SpeedButton_WriteSettings2 = nullptr;

    qs::DisplayGroup* GroupBox_Display = nullptr;
    qs::AnalogOutputGroup* GroupBox_AnalogOutput = nullptr;
    qs::BargraphGroup* GroupBox_Bargraph = nullptr;

    QGroupBox* GroupBox_InputTypeAndScale = nullptr;
    qs::RadioGroup* RadioGroup_uInputTypeSettings = nullptr;
    QLineEdit* Edit_iScaleLowSettings = nullptr;
    QLineEdit* Edit_iScaleHighSettings = nullptr;
    qs::RadioGroup* RadioGroup_enuLimitDisplayMode = nullptr;

    QGroupBox* GroupBox_Modbus = nullptr;
    // RadioGroup_MODBUSProtocol, RadioGroup_MODBUSParity, ComboBox_MODBUSBaudRate,
    // ComboBox_MODBUSAddress.
    qs::ModbusControls* Modbus = nullptr;
    QGroupBox* GroupBox_PtSensor = nullptr;
    qs::RadioGroup* RadioGroup_uPtWires = nullptr;

    // The four limit outputs (GroupBox_Limit1..4 and the controls named with their number).
    std::array<qs::LimitOutputControls, 4> Limit{};

private:
    void CreateSettings(QWidget* sheet, QGridLayout* grid);
    void CreateLimits(QWidget* sheet, QGridLayout* grid);
};

}  // namespace ombrik
