#pragma once
#include "common/bargraph/MBarGraph.h"
#include "common/link/CommandHistory.h"
#include "korvel/link/Mbu3Frame.h"
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/EntriesLabel.h"
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
    // (the operating time up to "49710 nap, 6 óra, 28 perc, 15 mp", a device of no model
    // "Ismeretlen készülék. Azonosítója: 65535"), so no text that changes moves a group.
    static constexpr int kIdentityWidth = 320;
    static constexpr int kUsbWidth = 160;
    static constexpr int kErrorsWidth = 340;
    static constexpr int kMeasuredWidth = 230;

    explicit HeaderPage(QWidget* window);

    // The header's pages, for the window's layout.
    QWidget* Widget() const;
    void BindRequests(RequestButtons& requests);
    // The header's part of a status reply; shown: the scaled value already formatted.
    void ShowStatus(const StatusRecord& r, std::uint32_t deviceId, const QString& shown);
    // The short error text and the page by link error code.
    void ShowLinkError(std::uint8_t code, bool factoryMode);
    // The no-connection line instead of the header (at start).
    void ShowNoCommunication();
    // The device type as text, red where the type is unknown.
    void ShowDeviceType(std::uint16_t type);
    // The firmware version a reply carries.
    void ShowFirmware(const mbu3::Frame& reply);
    // The commands sent, the status polls left out.
    void ShowCommands(const qs::CommandHistory& history);
    // Frames per second, green while there is traffic.
    void ShowFramesPerSecond(std::int32_t fps);
    // "USB" while the device is plugged in.
    void ShowOnline(bool online);
    // The receive lamp's label: lit for a while after each reply.
    void ShowRxActivity(bool lit);

signals:
    // "Kép frissítés" was clicked.
    void refreshClicked();

private:
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
    qs::EntriesLabel* Label_MBU_Commands = nullptr;
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
