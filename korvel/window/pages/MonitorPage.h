#pragma once
#include "korvel/link/Mbu3Frame.h"
#include "common/session/UsbHook.h"
#include "common/ui/Shape.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include "common/ui/MemoText.h"
#include <QPushButton>

#include <cstdint>

namespace korvel {

// "MBU": the frame monitor. The USB device, the last request and reply decoded and in
// hexadecimal, the link error, the commands sent, the replies per second, and the switch
// that pauses the status poll.
class MonitorPage : public QObject {
    Q_OBJECT
public:
    explicit MonitorPage(QWidget* sheet);

    void ShowOnline(bool online, const qs::UsbHook::DeviceInfo& info);
    void ShowTxFrame(const mbu3::Frame& f);
    // The error label, its text and the highlights of a link error code; for 1 and 6 the
    // reply labels show "?" and the reply dump is emptied.
    void ShowLinkError(std::uint8_t code);
    // The header fields and the dump of a reply that is used.
    void ShowReply(const mbu3::Frame& f);
    void ShowFramesPerSecond(std::int32_t fps);

    QGroupBox* GroupBox_MBU = nullptr;
    QCheckBox* CheckBox_MBUPause = nullptr;
    qs::Shape* Shape_MBUOn = nullptr;
    qs::Shape* Shape_MBUCom = nullptr;
    QLabel* Label_VendorName = nullptr;
    QLabel* Label_ProductName = nullptr;
    QLabel* Label_VendorID = nullptr;
    QLabel* Label_ProductID = nullptr;
    QLabel* Label_MBUTxDevice = nullptr;
    QLabel* Label_MBUTxVerL = nullptr;
    QLabel* Label_MBUTxVerH = nullptr;
    QLabel* Label_MBUTxCommand = nullptr;
    QLabel* Label_uIndexForDataWrite = nullptr;
    QLabel* Label_HostID = nullptr;
    QLabel* Label_TXBufferIsFull = nullptr;
    qs::MemoText* Memo_MBUTx = nullptr;
    QLabel* Label_MBURxDevice = nullptr;
    QLabel* Label_MBURxVer = nullptr;
    QLabel* Label_MBURxCounter = nullptr;
    QLabel* Label_DeviceID = nullptr;
    QLabel* Label_uSumDataByteFromRx = nullptr;
    QLabel* Label_MBURxError = nullptr;
    qs::MemoText* Memo_MBURx = nullptr;
    QLabel* Label_FPS = nullptr;
    QLabel* Label_Commands = nullptr;
    QPushButton* Button_CommandsClear = nullptr;

private:
    mbu3::Frame lastRequest_{};  // the last request frame, the source of its dump
    mbu3::Frame lastReply_{};    // the last reply shown in the dump
};

// The program's date, shown in the title and on the frame monitor.
QString ProgramDateText();
// An unsigned number in the format "# ### ### ##0".
QString FormatThousands(std::uint32_t value);

}  // namespace korvel
