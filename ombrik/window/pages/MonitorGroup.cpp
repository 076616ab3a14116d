#include "MonitorGroup.h"

#include "common/ui/ControlBuilder.h"
#include "common/link/HexDump.h"
#include "common/session/LinkErrors.h"
#include "common/ui/LabelText.h"
#include "common/ui/LinkErrorLabels.h"
#include "common/ui/TColor.h"
#include "common/numbers/LocaleSeparators.h"

#include <QGridLayout>

#include <span>

namespace ombrik {

using namespace qs;

using namespace build;


namespace {

// The request or reply data, bytes 7..61, as 164 characters.
QString DataDump(const mbu::MBUFrame& f)
{
    return QString::fromStdString(PlainHexDump(std::span<const std::uint8_t>(f).subspan(mbu::kDataOffset, mbu::kDataSize)));
}

// The data bytes as the sources of their dump: a dump is made again only when they change.
labeltext::Key DataKey(const mbu::MBUFrame& f)
{
    return labeltext::KeyOf(
        std::string_view(reinterpret_cast<const char*>(f.data()) + mbu::kDataOffset, mbu::kDataSize));
}

Shape* Lamp(QWidget* parent, const char* name)
{
    auto* lamp = Named<Shape>(parent, name, Shape::Circle);
    lamp->setFixedSize(16, 16);
    lamp->setBrushColor(clBtnFace);
    return lamp;
}


}  // namespace

QString VersionText(std::uint16_t code)
{
    return QString::fromStdString(VersionToStr(code, LocaleDateSeparator()));
}

MonitorGroup::MonitorGroup(QWidget* parent) : QObject(parent)
{
    GroupBox_MBU = Named<QGroupBox>(parent, "GroupBox_MBU", QStringLiteral("MBU   v"));
    QWidget* g = GroupBox_MBU;
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(2);

    // The USB device: the lamps with their texts, always in view, and the names and ids.
    auto* lamps = new QHBoxLayout;
    Shape_MBUOn = Lamp(g, "Shape_MBUOn");
    Shape_MBUCom = Lamp(g, "Shape_MBUCom");
    for (auto [lamp, text] : {std::pair{Shape_MBUOn, "Online"}, std::pair{Shape_MBUCom, "Com"}}) {
        lamps->addWidget(lamp);
        lamps->addWidget(new QLabel(QString::fromLatin1(text), g));
        lamps->addSpacing(12);
    }
    lamps->addStretch(1);
    grid->addLayout(lamps, 0, 0, 1, 4);
    int row = AddValueRows(g, grid, 1, 0,
                           {{&Label_VendorName, "Label_VendorName", "Vendor:", ""},
                            {&Label_ProductName, "Label_ProductName", "Product:", ""}});
    AddValueRows(g, grid, 1, 2, {{&Label_VendorID, "Label_VendorID", "", ""}, {&Label_ProductID, "Label_ProductID", "", ""}});

    // The request (left) and the reply (right).
    const int top = row;
    row = AddValueRows(g, grid, top, 0,
                       {{&Label_MBUTxDevice, "Label_MBUTxDevice", "Requested device:", ""},
                        {&Label_MBUTxVerL, "Label_MBUTxVerL", "Requested version min:", ""},
                        {&Label_MBUTxVerH, "Label_MBUTxVerH", "Requested version max:", ""},
                        {&Label_MBUTxCommand, "Label_MBUTxCommand", "Command:", ""}});
    AddValueRows(g, grid, top, 2,
                 {{&Label_MBURxDevice, "Label_MBURxDevice", "Valid device:", "?"},
                  {&Label_MBURxVer, "Label_MBURxVer", "Valid version:", "?"},
                  {&Label_MBURxCounter, "Label_MBURxCounter", "Counter:", "?"},
                  {&Label_MBURxError, "Label_MBURxError", "Error:", "0"}});
    for (QLabel* l : {Label_MBUTxDevice, Label_MBUTxVerL, Label_MBUTxVerH, Label_MBUTxCommand, Label_MBURxDevice,
                      Label_MBURxVer, Label_MBURxCounter, Label_MBURxError})
        SetLabelHighlight(l, false);
    labeltext::KeepSize(Label_MBURxCounter, QStringLiteral("888"));  // new with every reply
    Label_TXBufferIsFull = Named<QLabel>(g, "Label_TXBufferIsFull", QStringLiteral("Buffer is full!"));
    SetFontColor(Label_TXBufferIsFull, clRed);
    Label_TXBufferIsFull->setVisible(false);
    grid->addWidget(Label_TXBufferIsFull, row++, 0, 1, 2);
    Memo_MBUTx = MemoText::Dump(g, "Memo_MBUTx", 58);
    Memo_MBURx = MemoText::Dump(g, "Memo_MBURx", 58);
    grid->addWidget(Memo_MBUTx, row++, 0, 1, 4);
    grid->addWidget(Memo_MBURx, row++, 0, 1, 4);

    row = AddValueRows(g, grid, row, 0, {{&Label_FPS, "Label_FPS", "FpS:", "0"}});
    labeltext::KeepSize(Label_FPS, QStringLiteral("888"));  // new every second
    Label_Commands = Named<QLabel>(g, "Label_Commands", QString());
    Label_Commands->setWordWrap(true);
    grid->addWidget(Label_Commands, row++, 0, 1, 4);
    CheckBox_MBUPause = Named<QCheckBox>(g, "CheckBox_MBUPause", QStringLiteral("Automatikus lekérdezés tiltva"));
    grid->addWidget(CheckBox_MBUPause, row++, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void MonitorGroup::ShowCaption()
{
    GroupBox_MBU->setTitle(QStringLiteral("MBU   v") + VersionText(VersionDateCode(2018, 8, 28)));
}

void MonitorGroup::ShowDevice(bool online, const UsbHook::DeviceInfo& info)
{
    Shape_MBUOn->setBrushColor(online ? clLime : clBtnFace);
    const std::pair<QLabel*, QString> texts[] = {{Label_VendorName, info.vendorName},
                                                 {Label_ProductName, info.productName},
                                                 {Label_VendorID, info.vendorIdText},
                                                 {Label_ProductID, info.productIdText}};
    for (const auto& [label, text] : texts)
        label->setText(text);
}

void MonitorGroup::ShowTxFrame(const mbu::MBUFrame& f)
{
    // Made only when they change (most stay the same from one frame to the next).
    const std::string sep = LocaleDateSeparator();
    const std::uint16_t device = mbu::FrameWord(f, mbu::off::DeviceType);
    const std::uint16_t low = mbu::FrameWord(f, mbu::off::VersionMin);
    const std::uint16_t high = mbu::FrameWord(f, mbu::off::VersionMax);
    const std::uint8_t command = f[mbu::off::Command];
    labeltext::Set(Label_MBUTxDevice, [&] { return QString::number(device); }, device);
    labeltext::Set(Label_MBUTxVerL, [&] { return VersionText(low); }, low, sep);
    labeltext::Set(Label_MBUTxVerH, [&] { return VersionText(high); }, high, sep);
    labeltext::Set(Label_MBUTxCommand, [&] { return QString::number(command); }, command);
    lastRequest_ = f;
    Memo_MBUTx->SetTextFrom([this] { return DataDump(lastRequest_); }, DataKey(f));
}

void MonitorGroup::ShowStatus(std::uint8_t status)
{
    const LinkErrorLabels labels{Label_MBURxError,   Label_MBUTxDevice, Label_MBUTxVerL, Label_MBUTxVerH,
                                 Label_MBUTxCommand, Label_MBURxDevice, Label_MBURxVer,  Label_MBURxCounter,
                                 Memo_MBURx};
    labels.Show(status, linkerror::TimeOut);
}

void MonitorGroup::ShowReply(const mbu::MBUFrame& f)
{
    const std::uint16_t device = mbu::FrameWord(f, mbu::off::DeviceType);
    const std::uint16_t firmware = mbu::FrameWord(f, mbu::off::Firmware);
    const std::uint8_t counter = f[mbu::off::Counter];
    labeltext::Set(Label_MBURxDevice, [&] { return QString::number(device); }, device);
    labeltext::Set(Label_MBURxVer, [&] { return VersionText(firmware); }, firmware, LocaleDateSeparator());
    labeltext::Set(Label_MBURxCounter, [&] { return QString::number(counter); }, counter);
    lastReply_ = f;
    Memo_MBURx->SetTextFrom([this] { return DataDump(lastReply_); }, DataKey(f));
}

}  // namespace ombrik
