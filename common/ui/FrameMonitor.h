#pragma once
#include "common/session/UsbHook.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/ui/TColor.h"

#include <QGroupBox>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QPushButton;

namespace qs {

class MemoText;
class Shape;

// What differs between the programs' frame monitors: captions, spacing, where the dumps and
// the pause switch stand, and the rows a program adds of its own.
struct FrameMonitorLook {
    QString title;          // the program's date follows it ("MBU3   v", "MBU   v")
    QString onlineCaption;  // the text beside the USB lamp
    QString replyCaption;   // the text beside the reply lamp
    bool
        lampsInOwnRow;  // the lamps and their texts in a row of their own, else in the grid's cells
    bool idsInLastColumn;  // the vendor and product ids in the fourth column, else across the last
                           // two
    bool tightRows;        // 2 pixels between the rows
    std::vector<build::ValueSpec> requestRows;  // the program's rows below the request's command
    std::vector<build::ValueSpec>
        replyRows;               // the program's rows below the reply's counter, above "Error:"
    bool plainColoursAtStart;    // every label a link error marks starts in the plain colours, else
                                 // the error label only
    bool keepRoomForBufferFull;  // "Buffer is full!" keeps its room while hidden
    int dumpHeight;
    bool dumpsSideBySide;  // the request and reply dumps side by side, else one under the other
    bool clearButton;      // "Cl" beside the commands, which asks to clear the older ones
    bool colourFramesPerSecond;     // the replies per second in green, and in red while none come
    bool localeVersionSeparator;    // versions with the locale's date separator, else with "."
    std::uint8_t highestLinkError;  // the highest code the error label names
    // The error label in a row of its own below both columns, its text across them (else
    // the reply column's last row).
    bool errorRowOfItsOwn = false;
    // The page layout the group and, below it, the pause switch are added to (nullptr: the
    // switch is the group's last row).
    QBoxLayout* outer = nullptr;
};

// "MBU": the frame monitor both programs show. The USB device, the last request and reply
// decoded and as dumps, the link error, the commands sent, the replies per second, and the
// switch that pauses the status poll.
class FrameMonitor : public QGroupBox {
    Q_OBJECT
public:
    FrameMonitor(QWidget* parent, const FrameMonitorLook& look);

    struct RequestHeader {
        std::uint16_t device;
        std::uint16_t versionMin;
        std::uint16_t versionMax;
        std::uint8_t command;
    };
    struct ReplyHeader {
        std::uint16_t device;
        std::uint16_t firmware;
        std::uint8_t counter;
    };
    using Dump = std::function<QString()>;

    // The title with the program's date.
    void ShowProgramDate(const QString& date);
    void ShowDevice(bool online, const UsbHook::DeviceInfo& info);
    void ShowReplyLamp(TColor colour);
    void ShowBufferFull(bool full);
    // A request's header fields and its dump; the dump is made only when it is looked at, and
    // with a key only when its sources changed.
    void ShowRequest(const RequestHeader& header, Dump dump,
                     const std::optional<labeltext::Key>& key = {});
    void ShowReply(const ReplyHeader& header, Dump dump,
                   const std::optional<labeltext::Key>& key = {});
    void ShowReplyDump(const QString& text);
    // The error label, its text and the highlights of a link error code; for 1 and 6 the
    // reply labels show "?" and the reply dump is emptied.
    void ShowLinkError(std::uint8_t code);
    void ShowFramesPerSecond(std::int32_t fps);
    // The commands sent, made only when their sources change.
    template <class Make, class... Sources>
    void ShowCommands(Make&& make, const Sources&... sources)
    {
        labeltext::Set(Label_Commands, std::forward<Make>(make), sources...);
    }
    // A version as the monitor shows it.
    QString VersionText(std::uint16_t code) const;

signals:
    void pollPauseToggled(bool paused);
    void clearCommandsClicked();

private:
    std::string VersionSeparator() const;

    // What the look says of the texts once the group is built.
    QString title_;
    bool colourFramesPerSecond_;
    bool localeVersionSeparator_;
    std::uint8_t highestLinkError_;
    QCheckBox* CheckBox_MBUPause = nullptr;
    Shape* Shape_MBUOn = nullptr;
    Shape* Shape_MBUCom = nullptr;
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
    MemoText* Memo_MBUTx = nullptr;
    MemoText* Memo_MBURx = nullptr;
    QLabel* Label_FPS = nullptr;
    QLabel* Label_Commands = nullptr;
    QPushButton* Button_CommandsClear = nullptr;
};

}  // namespace qs
