#pragma once
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SpeedButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QSlider>

#include <cstdint>
#include <functional>

namespace korvel {

class RequestButtons;

// "Modulfüggetlen beállítások és tesztek" on the QV5510 page: the display settings with
// their trio (brightness, leading zeros, refresh: the QV5510 display block, named after its
// fields), the password change, the display test whose pattern number the status poll sends
// while its box is ticked on this page, and the pressed-key indicators.
class Qv5510Group : public QObject {
    Q_OBJECT
public:
    explicit Qv5510Group(QWidget* page);

    QGroupBox* Group() const { return GroupBox_QV5510; }
    void BindRequests(RequestButtons& requests);
    // The display test of the status request (whether the page is active is the window's
    // to say).
    void FillStatusRequest(StatusRequestInputs& in) const;
    // The pressed-key indicators.
    void ShowStatus(const StatusRecord& r);

    // "Jelszó módosítása": enabled with an opener, which its click then runs; without one
    // (no password dialog) disabled.
    void OfferPasswordChange(QObject* context, std::function<void()> open);

    // Entering the page: pattern 1, the test unticked, the display settings read.
    void EnterQV5510Page();
    // Label_Brightness_QV5510 := position x 10 followed by "%" (also after a reply sets the
    // track bar).
    void TrackBar_Brightness_QV5510Change();
    void ShowTestPatternNumber();
    void Button_KijelzoTeszt_QV5510_MinusClick();
    void Button_KijelzoTeszt_QV5510_PlusClick();
    void Button_KijelzoTeszt_QV5510_1Click();

    // The test pattern 1..21 sent while the test is ticked on this page. It starts at 1, the
    // number its label shows.
    std::uint8_t TestPattern = 1;

private:
    QGroupBox* GroupBox_QV5510 = nullptr;
    qs::SpeedButton* SpeedButton_ReadFromDevice_QV5510 = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefault_QV5510 = nullptr;
    qs::SpeedButton* SpeedButton_WriteToDevice_QV5510 = nullptr;
    QSlider* TrackBar_Brightness_QV5510 = nullptr;
    QLabel* Label_Brightness_QV5510 = nullptr;
    QCheckBox* CheckBox_DisplayLeaderZeros_QV5510 = nullptr;
    qs::RadioGroup* RadioGroup_uCounterForDisplayRefresh = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label_KijelzoTeszt_QV5510 = nullptr;
    QCheckBox* CheckBox_KijelzoTeszt_QV5510 = nullptr;
    QPushButton* Button_KijelzoTeszt_QV5510_Minus = nullptr;
    QPushButton* Button_KijelzoTeszt_QV5510_Plus = nullptr;
    QPushButton* Button_KijelzoTeszt_QV5510_1 = nullptr;
    QLabel* Label_SWLeft = nullptr;
    QLabel* Label_SWUp = nullptr;
    QLabel* Label_SWRight = nullptr;
};

}  // namespace korvel
