#pragma once
#include "common/calibration/CalibrationValues.h"
#include "common/calibration/InputCalibrationGroup.h"
#include "ombrik/link/records/MbuStatusRequest.h"
#include "common/calibration/OutputCalibrationGroup.h"
#include "common/calibration/PtCalibrationGroup.h"
#include "common/ui/PageControl.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SpeedButton.h"
#include "ombrik/link/records/OptionsRecord.h"
#include "ombrik/link/CommandTable.h"
#include "common/link/CommandBindings.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>

#include <functional>

namespace qs {
class RequestButtonBinder;
}

namespace ombrik {

// "Quorin beállítások" (TabSheet1): the fitted modules, output calibration with its direct
// drive and checks, and the input calibration of the QVAIN and QVTM inputs. The output's
// PWM value, step buttons, click strip (329 pixels) and direct drive are the calibration
// group both programs share.
class CalibrationPage : public QWidget {
    Q_OBJECT
public:
    // Fills the page control's sheet.
    explicit CalibrationPage(QWidget* sheet);

    // Each request button of the page bound to the request it makes.
    void BindRequests(qs::RequestButtonBinder& requests) const;
    // Entering the page reads the options and the three calibration blocks.
    void PressReads();

    // ---- the status poll ----
    // The output drive (direct drive, output type, checks) and the PWM value.
    void FillStatusRequest(MbuStatusRequestInputs& in) const;
    // The checks the poll keeps; one it drops (its output not calibrated) is released.
    void KeepChecks(bool current, bool voltage);

    // ---- the records ----
    // The fitted modules of an options reply selected.
    void ShowOptions(const OptionsRecord& options);
    // The modules selected; a group with no selection is set to "Nincs" and sent as such.
    OptionsRecord TakeOptions();
    // The calibration points the replies keep, shown in their labels.
    qs::CalibrationValues& Values() { return values_; }
    // The calibration commands' replies and the Pt1000 write bound to the page's groups;
    // `lastPt1000` answers the Pt1000 flag of the last poll, shown with the Pt points.
    void BindCalibration(qs::CommandBindings<mbu::Command>& bindings,
                         std::function<bool()> lastPt1000);

    static constexpr int kStripWidth = 329;

private:
    void CreateOptions(QWidget* sheet);
    void CreateOutputCalibration(QWidget* sheet);
    void CreateInputCalibration(QWidget* sheet);

    qs::CalibrationValues values_;

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
};

}  // namespace ombrik
