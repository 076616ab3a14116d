#pragma once
#include "common/calibration/CalibrationValues.h"
#include "common/calibration/InputCalibrationGroup.h"
#include "ombrik/link/records/MbuStatusRequest.h"
#include "common/calibration/OutputCalibrationGroup.h"
#include "common/calibration/PtCalibrationGroup.h"
#include "common/ui/PageControl.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SpeedButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>

namespace ombrik {

// "Quorin beállítások" (TabSheet1): the fitted modules, output calibration with its direct
// drive and checks, and the input calibration of the QVAIN and QVTM inputs. The output's
// PWM value, step buttons, click strip (329 pixels) and direct drive are the calibration
// group both programs share.
class CalibrationPage : public QObject {
    Q_OBJECT
public:
    explicit CalibrationPage(QWidget* sheet);

    // The output drive of the status request: direct drive, output type, checks.
    void FillOutputDrive(qs::OutputDriveInputs& in) const;
    // Entering the page reads the options and the three calibration blocks.
    void PressReads();

    static constexpr int kStripWidth = 329;
    // The calibration points the replies keep, shown in their labels.
    qs::CalibrationValues Values;

    QGroupBox* GroupBox4 = nullptr;
    qs::RadioGroup* RadioGroup_InputModul = nullptr;
    qs::RadioGroup* RadioGroup_OutputModul = nullptr;
    qs::SpeedButton* SpeedButton_OptionRead = nullptr;
    qs::SpeedButton* SpeedButton_OptionWrite = nullptr;

    QGroupBox* GroupBox5 = nullptr;
    // Direct drive, the checks, GroupBox_OutputCal with the calibration buttons, output type,
    // PWMValue, Label_PWM, Shape1, MBarGraph_PWM and the step buttons.
    qs::OutputCalibrationGroup* Output = nullptr;
    qs::SpeedButton* SpeedButton_ReadPWMCal = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QLabel* Label_PWM4mA = nullptr;
    QLabel* Label_PWM20mA = nullptr;
    QLabel* Label_PWM10V = nullptr;
    QLabel* Label_PWM2V = nullptr;

    qs::PageControl* PageControl2 = nullptr;
    QWidget* TabSheet7 = nullptr;
    QWidget* TabSheet8 = nullptr;
    // The input calibration group on TabSheet7 and the Pt calibration controls on TabSheet8.
    qs::InputCalibrationGroup* Input = nullptr;
    qs::PtCalibrationGroup* Pt = nullptr;

private:
    void CreateOptions(QWidget* sheet);
    void CreateOutputCalibration(QWidget* sheet);
    void CreateInputCalibration(QWidget* sheet);
};

}  // namespace ombrik
