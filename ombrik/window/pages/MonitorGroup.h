#pragma once
#include "ombrik/link/MbuFrame.h"
#include "common/session/UsbHook.h"
#include "common/ui/FrameMonitor.h"

#include <QObject>

#include <cstdint>

namespace ombrik {

// The frame monitor "MBU", always in view: the USB device, the last request and reply
// decoded and as data dumps, the status of the last reply, the commands sent, the replies per
// second and the switch that pauses the status poll.
class MonitorGroup : public QObject {
    Q_OBJECT
public:
    explicit MonitorGroup(QWidget* parent);

    // The group both programs show.
    qs::FrameMonitor& Frames() { return *GroupBox_MBU; }

    // "MBU   v2018.08.28." with the locale's date separator after each part.
    void ShowCaption();
    void ShowDevice(bool online, const qs::UsbHook::DeviceInfo& info);
    void ShowTxFrame(const mbu::MBUFrame& f);
    // The status label, its text (statuses 0..6) and highlights; "?" and an empty reply dump
    // for 1 and 6.
    void ShowStatus(std::uint8_t status);
    // The header fields and the data dump of a reply with a status other than 1 and 6.
    void ShowReply(const mbu::MBUFrame& f);

private:
    qs::FrameMonitor* GroupBox_MBU = nullptr;
    // The last request and reply, the sources of their dumps.
    mbu::MBUFrame lastRequest_{};
    mbu::MBUFrame lastReply_{};
};

}  // namespace ombrik
