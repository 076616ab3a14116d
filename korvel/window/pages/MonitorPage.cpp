#include "MonitorPage.h"

#include "common/session/LinkErrors.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"

#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

QString ProgramDateText()
{
    const QString sep = QString::fromStdString(LocaleDateSeparator());
    return QStringLiteral("2020") + sep + QStringLiteral("08") + sep + QStringLiteral("27") + sep;
}

QString FormatThousands(std::uint32_t value)
{
    return QString::fromStdString(FormatInteger(value, "# ### ### ##0", LocaleDecimalSeparator()));
}

MonitorPage::MonitorPage(QWidget* sheet) : QObject(sheet)
{
    auto* page = new QVBoxLayout(sheet);
    GroupBox_MBU = new FrameMonitor(
        sheet, {.title = QStringLiteral("MBU3   v"),
                .onlineCaption = QStringLiteral("USB"),
                .replyCaption = QStringLiteral("Rx"),
                .lampsInOwnRow = false,
                .idsInLastColumn = false,
                .tightRows = false,
                .requestRows = {{&Label_uIndexForDataWrite, "Label_uIndexForDataWrite",
                                 "Tx data bytes:", ""},
                                {&Label_HostID, "Label_HostID", "Host ID:", ""}},
                .replyRows = {{&Label_DeviceID, "Label_DeviceID", "Device ID:", ""},
                              {&Label_uSumDataByteFromRx, "Label_uSumDataByteFromRx",
                               "Rx data bytes:", ""}},
                .plainColoursAtStart = false,
                .keepRoomForBufferFull = true,
                .dumpHeight = 64,
                .dumpsSideBySide = true,
                .clearButton = true,
                .colourFramesPerSecond = true,
                .localeVersionSeparator = false,
                .highestLinkError = linkerror::BufferFull,
                .outer = page});
    page->addStretch(1);
}

void MonitorPage::ShowOnline(bool online, const UsbHook::DeviceInfo& info)
{
    GroupBox_MBU->ShowDevice(online, info);
}

void MonitorPage::ShowTxFrame(const mbu3::Frame& f)
{
    const std::uint32_t host = mbu3::Get32(f, mbu3::off::HostOrDeviceId);
    labeltext::Set(
        Label_HostID, [&] { return FormatThousands(host); }, host);
    lastRequest_ = f;
    GroupBox_MBU->ShowRequest(
        {mbu3::Get16(f, mbu3::off::DeviceType), mbu3::Get16(f, mbu3::off::VersionMin),
         mbu3::Get16(f, mbu3::off::VersionMax), f[mbu3::off::Command]},
        [this] {
            return QString::fromStdString(mbu3::HexDump(lastRequest_, mbu3::Direction::Request));
        });
}

void MonitorPage::ShowTxDataLength(std::size_t length)
{
    Label_uIndexForDataWrite->setText(QString::number(length));
}

void MonitorPage::ShowRxDataLength(std::uint16_t length)
{
    Label_uSumDataByteFromRx->setText(QString::number(length));
}

void MonitorPage::ShowLinkError(std::uint8_t code)
{
    GroupBox_MBU->ShowLinkError(code);
    // The host's own code 9 stands in the reply it was given for: the dump shows that reply
    // with its error byte as the host judged it.
    if (code == linkerror::Oversize) {
        mbu3::Frame judged = lastReply_;
        judged[mbu3::off::ErrorCode] = code;
        GroupBox_MBU->ShowReplyDump(
            QString::fromStdString(mbu3::HexDump(judged, mbu3::Direction::Reply)));
    }
}

void MonitorPage::ShowReply(const mbu3::Frame& f)
{
    const std::uint32_t id = mbu3::Get32(f, mbu3::off::HostOrDeviceId);
    lastReply_ = f;
    GroupBox_MBU->ShowReply(
        {mbu3::Get16(f, mbu3::off::DeviceType), mbu3::Get16(f, mbu3::off::Firmware),
         f[mbu3::off::Counter]},
        [this] {
            return QString::fromStdString(mbu3::HexDump(lastReply_, mbu3::Direction::Reply));
        });
    labeltext::Set(
        Label_DeviceID, [&] { return FormatThousands(id); }, id);
}

void MonitorPage::ShowFramesPerSecond(std::int32_t fps)
{
    GroupBox_MBU->ShowFramesPerSecond(fps);
}

}  // namespace korvel
