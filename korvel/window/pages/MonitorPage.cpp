#include "MonitorPage.h"

#include "common/session/LinkErrors.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/ui/LinkErrorLabels.h"
#include "common/ui/TColor.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"

#include <QGridLayout>
#include <QHBoxLayout>
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
    GroupBox_MBU = Group(sheet, "GroupBox_MBU", "MBU3   v");
    page->addWidget(GroupBox_MBU);
    CheckBox_MBUPause = CheckBox(sheet, "CheckBox_MBUPause", "Automatikus lekérdezés tiltva");
    page->addWidget(CheckBox_MBUPause);
    page->addStretch(1);

    auto* grid = new QGridLayout(GroupBox_MBU);
    int r = 0;
    // USB device.
    Shape_MBUOn = new Shape(Shape::Circle, GroupBox_MBU);
    Shape_MBUOn->setObjectName("Shape_MBUOn");
    Shape_MBUOn->setFixedSize(16, 16);
    Shape_MBUOn->setBrushColor(clBtnFace);
    grid->addWidget(Shape_MBUOn, r, 0);
    grid->addWidget(new QLabel("USB"), r, 1);
    Shape_MBUCom = new Shape(Shape::Circle, GroupBox_MBU);
    Shape_MBUCom->setObjectName("Shape_MBUCom");
    Shape_MBUCom->setFixedSize(16, 16);
    Shape_MBUCom->setBrushColor(clBtnFace);
    grid->addWidget(Shape_MBUCom, r, 2);
    grid->addWidget(new QLabel("Rx"), r, 3);
    ++r;
    Label_VendorName = Label(GroupBox_MBU, "Label_VendorName", "");
    Label_VendorID = Label(GroupBox_MBU, "Label_VendorID", "");
    Label_ProductName = Label(GroupBox_MBU, "Label_ProductName", "");
    Label_ProductID = Label(GroupBox_MBU, "Label_ProductID", "");
    grid->addWidget(new QLabel("Vendor:"), r, 0);
    grid->addWidget(Label_VendorName, r, 1);
    grid->addWidget(Label_VendorID, r, 2, 1, 2);
    ++r;
    grid->addWidget(new QLabel("Product:"), r, 0);
    grid->addWidget(Label_ProductName, r, 1);
    grid->addWidget(Label_ProductID, r, 2, 1, 2);
    ++r;

    // Request side (left) and reply side (right).
    auto pair = [&](int row, int col, const QString& caption, QLabel*& target, const char* name, const QString& text) {
        grid->addWidget(new QLabel(caption), row, col);
        target = Label(GroupBox_MBU, name, text);
        grid->addWidget(target, row, col + 1);
    };
    const int top = r;
    pair(top + 0, 0, "Requested device:", Label_MBUTxDevice, "Label_MBUTxDevice", "");
    pair(top + 1, 0, "Requested version min:", Label_MBUTxVerL, "Label_MBUTxVerL", "");
    pair(top + 2, 0, "Requested version max:", Label_MBUTxVerH, "Label_MBUTxVerH", "");
    pair(top + 3, 0, "Command:", Label_MBUTxCommand, "Label_MBUTxCommand", "");
    pair(top + 4, 0, "Tx data bytes:", Label_uIndexForDataWrite, "Label_uIndexForDataWrite", "");
    pair(top + 5, 0, "Host ID:", Label_HostID, "Label_HostID", "");
    pair(top + 0, 2, "Valid device:", Label_MBURxDevice, "Label_MBURxDevice", "?");
    pair(top + 1, 2, "Valid version:", Label_MBURxVer, "Label_MBURxVer", "?");
    pair(top + 2, 2, "Counter:", Label_MBURxCounter, "Label_MBURxCounter", "?");
    labeltext::KeepSize(Label_MBURxCounter, QStringLiteral("888"));  // new with every reply
    pair(top + 3, 2, "Device ID:", Label_DeviceID, "Label_DeviceID", "");
    pair(top + 4, 2, "Rx data bytes:", Label_uSumDataByteFromRx, "Label_uSumDataByteFromRx", "");
    grid->addWidget(new QLabel("Error:"), top + 5, 2);
    Label_MBURxError = Label(GroupBox_MBU, "Label_MBURxError", "0");
    SetWidgetColors(Label_MBURxError, clBtnFace, clWindowText);
    grid->addWidget(Label_MBURxError, top + 5, 3);
    r = top + 6;
    Label_TXBufferIsFull = Label(GroupBox_MBU, "Label_TXBufferIsFull", "Buffer is full!");
    SetFontColor(Label_TXBufferIsFull, clRed);
    Label_TXBufferIsFull->setVisible(false);
    KeepRoomWhenHidden(Label_TXBufferIsFull);
    grid->addWidget(Label_TXBufferIsFull, r, 0, 1, 2);
    ++r;

    Memo_MBUTx = MemoText::Dump(GroupBox_MBU, "Memo_MBUTx", 64);
    Memo_MBURx = MemoText::Dump(GroupBox_MBU, "Memo_MBURx", 64);
    grid->addWidget(Memo_MBUTx, r, 0, 1, 2);
    grid->addWidget(Memo_MBURx, r, 2, 1, 2);
    ++r;

    grid->addWidget(new QLabel("FpS:"), r, 0);
    Label_FPS = Label(GroupBox_MBU, "Label_FPS", "0");
    grid->addWidget(Label_FPS, r, 1);
    labeltext::KeepSize(Label_FPS, QStringLiteral("888"));  // new every second
    ++r;
    Label_Commands = Label(GroupBox_MBU, "Label_Commands", "");
    Label_Commands->setWordWrap(true);
    grid->addWidget(Label_Commands, r, 0, 1, 3);
    Button_CommandsClear = Button(GroupBox_MBU, "Button_CommandsClear", "Cl");
    Button_CommandsClear->setFixedWidth(32);
    grid->addWidget(Button_CommandsClear, r, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void MonitorPage::ShowOnline(bool online, const UsbHook::DeviceInfo& info)
{
    Shape_MBUOn->setBrushColor(online ? clLime : clBtnFace);
    Label_VendorName->setText(info.vendorName);
    Label_ProductName->setText(info.productName);
    Label_VendorID->setText(info.vendorIdText);
    Label_ProductID->setText(info.productIdText);
}

void MonitorPage::ShowTxFrame(const mbu3::Frame& f)
{
    // Made only when they change (most stay the same from one frame to the next).
    const std::uint16_t device = mbu3::Get16(f, mbu3::off::DeviceType);
    const std::uint16_t low = mbu3::Get16(f, mbu3::off::VersionMin);
    const std::uint16_t high = mbu3::Get16(f, mbu3::off::VersionMax);
    const std::uint8_t command = f[mbu3::off::Command];
    const std::uint32_t host = mbu3::Get32(f, mbu3::off::HostOrDeviceId);
    labeltext::Set(Label_MBUTxDevice, [&] { return QString::number(device); }, device);
    labeltext::Set(Label_MBUTxVerL, [&] { return QString::fromStdString(VersionToStr(low, ".")); }, low);
    labeltext::Set(Label_MBUTxVerH, [&] { return QString::fromStdString(VersionToStr(high, ".")); }, high);
    labeltext::Set(Label_MBUTxCommand, [&] { return QString::number(command); }, command);
    labeltext::Set(Label_HostID, [&] { return FormatThousands(host); }, host);
    lastRequest_ = f;
    Memo_MBUTx->SetTextFrom(
        [this] { return QString::fromStdString(mbu3::HexDump(lastRequest_, mbu3::Direction::Request)); });
}

void MonitorPage::ShowLinkError(std::uint8_t code)
{
    const LinkErrorLabels labels{Label_MBURxError,  Label_MBUTxDevice, Label_MBUTxVerL,
                                 Label_MBUTxVerH,   Label_MBUTxCommand, Label_MBURxDevice,
                                 Label_MBURxVer,    Label_MBURxCounter, Memo_MBURx};
    labels.Show(code, linkerror::BufferFull);
    // The host's own code 9 stands in the reply it was given for: the dump shows that reply
    // with its error byte as the host judged it.
    if (code == linkerror::Oversize) {
        mbu3::Frame judged = lastReply_;
        judged[mbu3::off::ErrorCode] = code;
        Memo_MBURx->SetText(QString::fromStdString(mbu3::HexDump(judged, mbu3::Direction::Reply)));
    }
}

void MonitorPage::ShowReply(const mbu3::Frame& f)
{
    const std::uint16_t device = mbu3::Get16(f, mbu3::off::DeviceType);
    const std::uint16_t firmware = mbu3::Get16(f, mbu3::off::Firmware);
    const std::uint8_t counter = f[mbu3::off::Counter];
    const std::uint32_t id = mbu3::Get32(f, mbu3::off::HostOrDeviceId);
    labeltext::Set(Label_MBURxDevice, [&] { return QString::number(device); }, device);
    labeltext::Set(Label_MBURxVer, [&] { return QString::fromStdString(VersionToStr(firmware, ".")); }, firmware);
    labeltext::Set(Label_MBURxCounter, [&] { return QString::number(counter); }, counter);
    labeltext::Set(Label_DeviceID, [&] { return FormatThousands(id); }, id);
    lastReply_ = f;
    Memo_MBURx->SetTextFrom([this] { return QString::fromStdString(mbu3::HexDump(lastReply_, mbu3::Direction::Reply)); });
}

void MonitorPage::ShowFramesPerSecond(std::int32_t fps)
{
    Label_FPS->setText(QString::number(fps));
    SetFontColor(Label_FPS, fps != 0 ? clGreen : clRed);
}

}  // namespace korvel
