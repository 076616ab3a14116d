#pragma once
#include "common/calibration/CalibrationValues.h"
#include "common/calibration/InputCalibrationGroup.h"
#include "common/bargraph/MBarGraph.h"
#include "common/calibration/OutputCalibrationGroup.h"
#include "common/calibration/PtCalibrationGroup.h"
#include "korvel/link/records/StatusRecord.h"
#include "korvel/link/CommandTable.h"
#include "common/link/CommandBindings.h"
#include "common/ui/PageControl.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SpeedButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QRadioButton>

#include <cstdint>
#include <functional>

namespace korvel {

class RequestButtons;

// "Quorin beállítások": output calibration with its direct drive and checks, input
// calibration (QVAIN and QVTM pages) and the live values of the status poll. The identity
// group stands on the same page (IdentityGroup).
class CalibrationPage : public QObject {
    Q_OBJECT
public:
    explicit CalibrationPage(QWidget* sheet);

    void BindRequests(RequestButtons& requests);
    // The identity group's place on the page.
    void PlaceIdentityGroup(QWidget* group);
    // Direct drive, output type, checks, QVAO selection and PWM value of the status request.
    void FillStatusRequest(StatusRequestInputs& in) const;
    void ApplyStatusButtons(const StatusRequestButtons& buttons);
    // The live values of a status reply; shown: the scaled value already formatted.
    void ShowStatus(const StatusRecord& r, const QString& shown);
    // Entering the page: the output, input and Pt calibration reads go Down.
    void PressEntryReads();
    // The calibration commands' replies and the Pt1000 write bound to the page's groups;
    // `lastPt1000` answers the Pt1000 flag of the last status, shown with the Pt points.
    void BindCalibration(qs::CommandBindings<Command>& bindings, std::function<bool()> lastPt1000);

    static constexpr int kStripWidth = 297;
    static constexpr int kStepButtonWidth = 39;
    // The fixed widths of the left (output calibration) and middle (input calibration, live
    // values) columns.
    static constexpr int kLeftWidth = 366;
    static constexpr int kMiddleWidth = 312;
    // The calibration points with their labels.
    qs::CalibrationValues Values;

private:
    // The output calibration group (the PWM value sent in every status poll, direct drive,
    // the strip and the step buttons).
    qs::OutputCalibrationGroup* Output = nullptr;
    QGroupBox* GroupBox_Opciok = nullptr;
    QRadioButton* RadioButton_QVAOModul1 = nullptr;
    QRadioButton* RadioButton_QVAOModul2 = nullptr;
    QLabel* Label_PWM4mA = nullptr;
    QLabel* Label_PWM20mA = nullptr;
    QLabel* Label_PWM10V = nullptr;
    QLabel* Label_PWM2V = nullptr;
    qs::SpeedButton* SpeedButton_ReadPWMCal = nullptr;

    qs::PageControl* PageControl2 = nullptr;
    QWidget* TabSheet7 = nullptr;
    QWidget* TabSheet8 = nullptr;
    // The input calibration group on TabSheet7 and the Pt calibration controls on TabSheet8.
    qs::InputCalibrationGroup* Input = nullptr;
    qs::PtCalibrationGroup* Pt = nullptr;

    QGroupBox* GroupBox_SzamitottErtekek = nullptr;
    qs::TMBarGraph* MBarGraph_IRow = nullptr;
    qs::TMBarGraph* MBarGraph_IAveraged = nullptr;
    QLabel* Label_fFizikaiMennyiseg = nullptr;
    QLabel* Label_fKimenetSzazalek = nullptr;
    QLabel* Label_iSkalazottKijezesiErtek = nullptr;
    QLabel* Label_uInputType = nullptr;
    QLabel* Label_uCRCOKbits = nullptr;
    QLabel* Label_uAfterWriteOKbits = nullptr;
    QLabel* Label_uCRCOKbits2 = nullptr;
    QLabel* Label_uAfterWriteOKbits2 = nullptr;
    QLabel* Label_uSPS = nullptr;
    QLabel* Label_recFRAMCommon_uSizeKB = nullptr;
    QLabel* Label_fResistanceOfWires = nullptr;
    QLabel* Label_uMainLoopFrequency = nullptr;

    QGridLayout* grid_ = nullptr;
};

}  // namespace korvel
