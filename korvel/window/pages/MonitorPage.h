#pragma once
#include "korvel/link/Mbu3Frame.h"
#include "common/session/UsbHook.h"
#include "common/ui/FrameMonitor.h"

#include <QLabel>
#include <QObject>

#include <cstdint>

namespace korvel {

// "MBU": the frame monitor. The USB device, the last request and reply decoded and in
// hexadecimal, the link error, the commands sent, the replies per second, and the switch
// that pauses the status poll.
class MonitorPage : public QObject {
    Q_OBJECT
public:
    explicit MonitorPage(QWidget* sheet);

    // The group both programs show; the rows below belong to Korvel's frames.
    qs::FrameMonitor& Frames() { return *GroupBox_MBU; }

    void ShowOnline(bool online, const qs::UsbHook::DeviceInfo& info);
    void ShowTxFrame(const mbu3::Frame& f);
    // The data bytes of the request being sent, and of the reply received.
    void ShowTxDataLength(std::size_t length);
    void ShowRxDataLength(std::uint16_t length);
    // The error label, its text and the highlights of a link error code; for 1 and 6 the
    // reply labels show "?" and the reply dump is emptied.
    void ShowLinkError(std::uint8_t code);
    // The header fields and the dump of a reply that is used.
    void ShowReply(const mbu3::Frame& f);
    void ShowFramesPerSecond(std::int32_t fps);

private:
    qs::FrameMonitor* GroupBox_MBU = nullptr;
    QLabel* Label_uIndexForDataWrite = nullptr;
    QLabel* Label_HostID = nullptr;
    QLabel* Label_DeviceID = nullptr;
    QLabel* Label_uSumDataByteFromRx = nullptr;
    mbu3::Frame lastRequest_{};  // the last request frame, the source of its dump
    mbu3::Frame lastReply_{};    // the last reply shown in the dump
};

// The program's date, shown in the title and on the frame monitor.
QString ProgramDateText();
// An unsigned number in the format "# ### ### ##0".
QString FormatThousands(std::uint32_t value);

}  // namespace korvel
