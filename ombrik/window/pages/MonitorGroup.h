#pragma once
#include "common/ui/MemoText.h"
#include "ombrik/link/MbuFrame.h"
#include "common/session/UsbHook.h"
#include "common/ui/Shape.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPlainTextEdit>

#include <cstdint>

namespace ombrik {

// The frame monitor "MBU", always in view: the USB device, the last request and reply
// decoded and as data dumps, the status of the last reply, the commands sent, the replies per
// second and the switch that pauses the status poll.
class MonitorGroup : public QObject {
    Q_OBJECT
public:
    explicit MonitorGroup(QWidget* parent);

    // "MBU   v2018.08.28." with the locale's date separator after each part.
    void ShowCaption();
    void ShowDevice(bool online, const qs::UsbHook::DeviceInfo& info);
    void ShowTxFrame(const mbu::MBUFrame& f);
    // The status label, its text (statuses 0..6) and highlights; "?" and an empty reply dump
    // for 1 and 6.
    void ShowStatus(std::uint8_t status);
    // The header fields and the data dump of a reply with a status other than 1 and 6.
    void ShowReply(const mbu::MBUFrame& f);

    // In the order the group shows them: the USB device, the request, the reply, the history.
    qs::Shape* Shape_MBUOn = nullptr;
    qs::Shape* Shape_MBUCom = nullptr;
    QLabel* Label_VendorName = nullptr;
    QLabel* Label_VendorID = nullptr;
    QLabel* Label_ProductName = nullptr;
    QLabel* Label_ProductID = nullptr;
    QLabel* Label_MBUTxDevice = nullptr;
    QLabel* Label_MBUTxVerL = nullptr;
    QLabel* Label_MBUTxVerH = nullptr;
    QLabel* Label_MBUTxCommand = nullptr;
    QLabel* Label_MBURxDevice = nullptr;
    QLabel* Label_MBURxVer = nullptr;
    QLabel* Label_MBURxCounter = nullptr;
    QLabel* Label_MBURxError = nullptr;
    QLabel* Label_TXBufferIsFull = nullptr;
    qs::MemoText* Memo_MBUTx = nullptr;
    qs::MemoText* Memo_MBURx = nullptr;
    QLabel* Label_FPS = nullptr;
    QLabel* Label_Commands = nullptr;
    QCheckBox* CheckBox_MBUPause = nullptr;
    QGroupBox* GroupBox_MBU = nullptr;

private:
    // The last request and reply, the sources of their dumps.
    mbu::MBUFrame lastRequest_{};
    mbu::MBUFrame lastReply_{};
};

// A firmware date code as "yyyy", "mm", "dd", each followed by the locale's date separator.
QString VersionText(std::uint16_t code);

}  // namespace ombrik
