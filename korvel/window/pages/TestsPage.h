#pragma once
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/SpeedButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPixmap>

namespace korvel {

class RequestButtons;

// "Tesztek": erase FRAM, the display tests the status poll sends, and the display image
// read-out (its images go into Image_OLEDNormalSize and Image_OLED).
class TestsPage : public QObject {
    Q_OBJECT
public:
    explicit TestsPage(QWidget* sheet);

    void BindRequests(RequestButtons& requests);
    void FillStatusRequest(StatusRequestInputs& in) const;
    // The display image read out, as drawn in its two sizes.
    void ShowDisplayImage(const QPixmap& large, const QPixmap& small);

private:
    qs::SpeedButton* SpeedButton_EraseFRAM1 = nullptr;
    QGroupBox* GroupBox_KijelzoTeszt = nullptr;
    qs::SpeedButton* SpeedButton_TestASCII5x7 = nullptr;
    qs::SpeedButton* SpeedButton_TestWhite = nullptr;
    qs::SpeedButton* SpeedButton_TestFrame = nullptr;
    qs::SpeedButton* SpeedButton_TestPattern = nullptr;
    qs::SpeedButton* SpeedButton_TimeAfterReset = nullptr;
    qs::SpeedButton* SpeedButton_IntADC = nullptr;
    QGroupBox* GroupBox_KepernyoKep = nullptr;
    qs::SpeedButton* SpeedButton_ReadDisplay = nullptr;
    QLabel* Image_OLEDNormalSize = nullptr;
    QLabel* Image_OLED = nullptr;
};

}  // namespace korvel
