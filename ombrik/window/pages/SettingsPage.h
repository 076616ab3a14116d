#pragma once
#include "common/ui/ModbusControls.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SettingsGroups.h"
#include "common/ui/SpeedButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QObject>
#include <QSlider>

class QGridLayout;

namespace qs {
class RequestButtonBinder;
}

namespace ombrik {

// "Beállítások" (TabSheet2): the read / factory-default / write trio of the settings and the
// controls of the settings record's fields, named after them: the display, analogue output,
// bar graph, input scaling, limit display mode, MODBUS, analogue error and Pt wiring (the
// limit outputs are LimitsPage's). Their contents at start are the ones a write sends before
// any read.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    // Fills the page control's sheet.
    explicit SettingsPage(QWidget* sheet);

    // The trio bound to the settings chains.
    void BindRequests(qs::RequestButtonBinder& requests) const;
    // Entering the page reads the settings.
    void PressRead();

private:
    void CreateSettings(QWidget* sheet, QGridLayout* grid);

    qs::SpeedButton* SpeedButton_ReadSettings = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefaultSettings = nullptr;
    qs::SpeedButton* SpeedButton_WriteSettings = nullptr;

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
};

}  // namespace ombrik
