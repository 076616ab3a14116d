#pragma once
#include "common/bargraph/MBarGraph.h"
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/PageControl.h"
#include "common/ui/SpeedButton.h"

#include <QLabel>
#include <QObject>
#include <QPushButton>

#include <array>
#include <cstdint>

namespace korvel {

class RequestButtons;

// The header every user sees: device, serial number, firmware and operating time, the "USB"
// group (online, receive lamp label, frames per second, link error, commands sent), the
// error flags, the measured value with the output bar, and "Kép frissítés". Two pages with
// hidden tabs: the header and the no-connection line.
class HeaderPage : public QObject {
    Q_OBJECT
public:
    // The groups' fixed widths, each wide enough for its longest text in either font family
    // (the operating time up to "49710 nap, 6 óra, 28 perc, 15 mp"), so no text that changes
    // moves a group.
    static constexpr int kIdentityWidth = 290;
    static constexpr int kUsbWidth = 160;
    static constexpr int kErrorsWidth = 340;
    static constexpr int kMeasuredWidth = 230;

    explicit HeaderPage(QWidget* window);

    void BindRequests(RequestButtons& requests);
    // The header's part of a status reply; shown: the scaled value already formatted.
    void ShowStatus(const StatusRecord& r, std::uint32_t deviceId, const QString& shown);
    // The short error text and the page by link error code.
    void ShowLinkError(std::uint8_t code, bool factoryMode);

    qs::PageControl* PageControl5 = nullptr;
    QWidget* TabSheet_Header = nullptr;
    QWidget* TabSheet_NoComm = nullptr;

    qs::SpeedButton* SpeedButton_Reset = nullptr;
    QLabel* Label_KeszulekTipus = nullptr;
    QLabel* Label_KeszulekGyariSzam = nullptr;
    QLabel* Label_Firmware = nullptr;
    QLabel* Label_uSecondsOfOperation = nullptr;
    QLabel* Label_USBOnline = nullptr;
    QLabel* Label_USBData = nullptr;
    QLabel* Label_FPS2 = nullptr;
    QLabel* Label_MBURxError2 = nullptr;
    QLabel* Label_MBU_Commands = nullptr;
    QLabel* Label_iSkalazottKijezesiErtek2 = nullptr;
    QLabel* Label_cErrorUncalibratedInput = nullptr;
    QLabel* Label_cErrorUncalibratedOutput = nullptr;
    QLabel* Label_cErrorOutputRange = nullptr;
    QLabel* Label_cErrorFRAM = nullptr;
    QLabel* Label_cErrorInputRange = nullptr;
    QLabel* Label_cErrorInputModul = nullptr;
    QLabel* Label_cErrorRSTimeOut = nullptr;
    QPushButton* Button_RefreshForm = nullptr;
    qs::TMBarGraph* MBarGraph_OutputPercent = nullptr;
};

}  // namespace korvel
