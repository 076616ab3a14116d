#include "MonitorGroup.h"

#include "common/ui/ControlBuilder.h"
#include "common/link/HexDump.h"
#include "common/session/LinkErrors.h"
#include "common/ui/LabelText.h"

#include <span>

namespace ombrik {

using namespace qs;

using namespace build;

namespace {

// The request or reply data, bytes 7..61, as 164 characters.
QString DataDump(const mbu::MBUFrame& f)
{
    return QString::fromStdString(
        PlainHexDump(std::span<const std::uint8_t>(f).subspan(mbu::kDataOffset, mbu::kDataSize)));
}

// The data bytes as the sources of their dump: a dump is made again only when they change.
labeltext::Key DataKey(const mbu::MBUFrame& f)
{
    return labeltext::KeyOf(std::string_view(
        reinterpret_cast<const char*>(f.data()) + mbu::kDataOffset, mbu::kDataSize));
}

}  // namespace

MonitorGroup::MonitorGroup(QWidget* parent) : QObject(parent)
{
    GroupBox_MBU = new FrameMonitor(parent, {.title = QStringLiteral("MBU   v"),
                                             .onlineCaption = QStringLiteral("Online"),
                                             .replyCaption = QStringLiteral("Com"),
                                             .lampsInOwnRow = true,
                                             .idsInLastColumn = true,
                                             .tightRows = true,
                                             .requestRows = {},
                                             .replyRows = {},
                                             .plainColoursAtStart = true,
                                             .keepRoomForBufferFull = false,
                                             .dumpHeight = 58,
                                             .dumpsSideBySide = false,
                                             .clearButton = false,
                                             .colourFramesPerSecond = false,
                                             .localeVersionSeparator = true,
                                             .highestLinkError = linkerror::TimeOut,
                                             .errorRowOfItsOwn = true});
}

void MonitorGroup::ShowCaption()
{
    GroupBox_MBU->ShowProgramDate(GroupBox_MBU->VersionText(VersionDateCode(2018, 8, 28)));
}

void MonitorGroup::ShowDevice(bool online, const UsbHook::DeviceInfo& info)
{
    GroupBox_MBU->ShowDevice(online, info);
}

void MonitorGroup::ShowTxFrame(const mbu::MBUFrame& f)
{
    lastRequest_ = f;
    GroupBox_MBU->ShowRequest(
        {mbu::FrameWord(f, mbu::off::DeviceType), mbu::FrameWord(f, mbu::off::VersionMin),
         mbu::FrameWord(f, mbu::off::VersionMax), f[mbu::off::Command]},
        [this] { return DataDump(lastRequest_); }, DataKey(f));
}

void MonitorGroup::ShowStatus(std::uint8_t status)
{
    GroupBox_MBU->ShowLinkError(status);
}

void MonitorGroup::ShowReply(const mbu::MBUFrame& f)
{
    lastReply_ = f;
    GroupBox_MBU->ShowReply(
        {mbu::FrameWord(f, mbu::off::DeviceType), mbu::FrameWord(f, mbu::off::Firmware),
         f[mbu::off::Counter]},
        [this] { return DataDump(lastReply_); }, DataKey(f));
}

}  // namespace ombrik
