// The USB hook, the reply frame handling with its link errors, the segmented transfer glue,
// the 30 ms scheduler tick and the 200 ms time-out.
#include "FormMain.h"
#include "UiBuild.h"
#include "Unit2.h"

#include "Mbu3Frame.h"

#include <cstring>

using namespace mbu3;

namespace {
constexpr std::uint16_t kVendorId = 0x04D8;
constexpr std::uint16_t kProductId = 0x003F;
}  // namespace

hid::Handle TForm1::DeviceHandle() const
{
    return usb_.GetHandle(kVendorId, kProductId);
}

bool TForm1::USBEvent(unsigned message, int event, hid::Handle handle)
{
    if (message != hid::kNotifyMessage || event < hid::Plugged || event > hid::ReportReady)
        return false;
    const bool ours = usb_.GetVendorID(handle) == kVendorId && usb_.GetProductID(handle) == kProductId;
    switch (event) {
    case hid::Plugged:
        if (ours) {
            UsbOnline = 1;
            Shape_MBUOn->setBrushColor(clLime);
            Label_USBOnline->setVisible(true);
            ShowUSBDeviceInfo();
        }
        break;
    case hid::Unplugged:
        if (ours) {
            UsbOnline = 0;
            Shape_MBUOn->setBrushColor(clBtnFace);
            Label_USBOnline->setVisible(false);
            ClearUSBDeviceInfo();
        }
        break;
    case hid::Changed:
        usb_.SetReadNotify(DeviceHandle(), true);
        break;
    case hid::ReportReady:
        ++BeepCount;
        if (Beep)
            Beep();
        if (ours && usb_.Read(handle, RxReport.data())) {
            std::memcpy(RxFrame.data(), RxReport.data() + 1, RxFrame.size());
            CheckRxCRC();
            ProcessRxFrame();
        }
        break;
    default:
        break;
    }
    return true;
}

void TForm1::ShowUSBDeviceInfo()
{
    const hid::Handle handle = DeviceHandle();
    char name[hid::kNameBufferSize];
    usb_.GetVendorName(handle, name, sizeof name);
    Label_VendorName->setText(QString::fromUtf8(name));
    usb_.GetProductName(handle, name, sizeof name);
    Label_ProductName->setText(QString::fromUtf8(name));
    auto idText = [](std::uint16_t id) {
        return QString("$%1 = %2").arg(id, 4, 16, QChar('0')).toUpper().arg(id);
    };
    Label_VendorID->setText(idText(usb_.GetVendorID(handle)));
    Label_ProductID->setText(idText(usb_.GetProductID(handle)));
}

void TForm1::ClearUSBDeviceInfo()
{
    for (QLabel* l : {Label_VendorName, Label_ProductName, Label_VendorID, Label_ProductID})
        l->clear();
}

void TForm1::CheckRxCRC()
{
    CheckCRC(RxFrame);
}

void TForm1::SetLabelHighlight(QLabel* label, bool highlighted)
{
    if (highlighted)
        SetWidgetColors(label, clWhite, clRed);
    else
        SetWidgetColors(label, clBtnFace, clWindowText);
}

void TForm1::ProcessRxFrame()
{
    const std::uint8_t c = RxFrame[off::ErrorCode];

    SetLabelHighlight(Label_MBURxError, c != 0);
    Label_MBURxError2->setVisible(c != 0);
    PageControl5->setActivePage(c == ErrTimeOut && FactoryMode == 0 ? TabSheet_NoComm : TabSheet_Header);

    if (!ErrorText(c).empty())
        Label_MBURxError->setText(QString::fromLatin1(ErrorText(c).data(), static_cast<int>(ErrorText(c).size())));
    if (!ErrorShortText(c).empty())
        Label_MBURxError2->setText(QString::fromLatin1(ErrorShortText(c).data(), static_cast<int>(ErrorShortText(c).size())));
    if (c >= ErrCrc && c <= ErrBufferFull) {
        if (c == ErrTimeOut) {
            TrafficSeconds = 0;
            FormActivate();
        }
        if ((c == ErrProgramOld || c == ErrProgramNew) && FactoryMode == 0) {
            PageControl4->setActivePage(c == ErrProgramOld ? TabSheet_TooOld : TabSheet_TooNew);
            (c == ErrProgramOld ? Button_ExitFromApplication : Button_ExitFromApplication2)->setFocus();
        }
        TransferIdle();
    }

    SetLabelHighlight(Label_MBUTxCommand, c == ErrCommand);
    SetLabelHighlight(Label_MBUTxDevice, c == ErrDevice);
    SetLabelHighlight(Label_MBURxDevice, c == ErrDevice);
    for (QLabel* l : {Label_MBUTxVerL, Label_MBUTxVerH, Label_MBURxVer})
        SetLabelHighlight(l, c == ErrProgramOld || c == ErrProgramNew);

    if (c == ErrCrc || c == ErrTimeOut) {
        for (QLabel* l : {Label_MBURxDevice, Label_MBURxVer, Label_MBURxCounter})
            l->setText("?");
        Memo_MBURx->clear();
        Busy = 0;
        return;
    }

    ShowRxActivity();
    ReportedDeviceType = Get16(RxFrame, off::DeviceType);
    Label_MBURxDevice->setText(QString::number(ReportedDeviceType));
    const QString version = QString::fromStdString(VersionToStr(Get16(RxFrame, off::Firmware), "."));
    Label_MBURxVer->setText(version);
    Label_Firmware->setText("v" + version);
    LastRxCounter = RxFrame[off::Counter];
    Label_MBURxCounter->setText(QString::number(LastRxCounter));
    DeviceID = Get32(RxFrame, off::HostOrDeviceId);
    Label_DeviceID->setText(FormatThousands(DeviceID));
    Memo_MBURx->setPlainText(QString::fromStdString(HexDump(RxFrame, Direction::Reply)));

    if (c == ErrNone) {
        const std::uint8_t echo = RxFrame[off::Command];
        // The reply's announced length is shown whenever the step takes it: after the last
        // request segment and after each reply segment.
        const bool takesLength = Transfer.TransferState == SegmentedTransfer::WaitRxSegment ||
                                 (Transfer.TransferState == SegmentedTransfer::TxSegmentSent &&
                                  (Transfer.TransferFlags & kFlagLast) != 0);
        const SegmentedTransfer::StepResult step = Transfer.RxTransferStep(RxFrame);
        if (takesLength)
            Label_uSumDataByteFromRx->setText(QString::number(Transfer.RxDataSize));
        switch (step) {
        case SegmentedTransfer::StepResult::SendFrame:
            SendTxFrame();
            break;
        case SegmentedTransfer::StepResult::Complete:
            ParseRxData(echo);
            TransferIdle();
            break;
        case SegmentedTransfer::StepResult::Oversize:
            RxFrame[off::ErrorCode] = ErrOversize;
            ProcessRxFrame();
            Busy = 0;
            TransferIdle();
            break;
        case SegmentedTransfer::StepResult::Ignored:
            break;
        }
    }
    Busy = 0;
    CheckDeviceChange();
}

// ---- segmented transfer ----

void TForm1::StartCommand(std::uint8_t command)
{
    Transfer.Begin(command, RequestedDeviceType);
    BuildRequestData(command);
    Label_TXBufferIsFull->setVisible(Transfer.TxBufferFull);
    SendNextFrame();
}

void TForm1::SendNextFrame()
{
    if (Transfer.SendNextFrame())
        SendTxFrame();
}

void TForm1::SendTxFrame()
{
    Busy = 1;
    TxReport[0] = 0;
    std::memcpy(TxReport.data() + 1, Transfer.TxFrame.data(), Transfer.TxFrame.size());
    usb_.Write(DeviceHandle(), TxReport.data());
    if (Transfer.TransferFlags & kFlagFirst) {
        ShowCommandHistory(Transfer.TxFrame[off::Command]);
        Label_uIndexForDataWrite->setText(QString::number(Transfer.TxDataLen));
    }
    ShowTxFrame();
    StartTimeOut();
}

void TForm1::TransferIdle()
{
    Transfer.TransferIdle();
    StopTimeOut();
}

void TForm1::PutByte(std::uint8_t b) { Transfer.PutByte(b); }
void TForm1::PutWord(std::uint16_t v) { Transfer.PutWord(v); }
void TForm1::PutDWord(std::uint32_t v) { Transfer.PutDWord(v); }
void TForm1::PutCardinal(std::uint32_t v) { Transfer.PutCardinal(v); }
void TForm1::PutSingle(float x) { Transfer.PutSingle(x); }
void TForm1::PutBoolean(bool b) { Transfer.PutBoolean(b); }

// ---- scheduler and time-out ----

void TForm1::Timer_CommTimer()
{
    if (Busy == 0)
        DispatchNextCommand();
}

void TForm1::DispatchNextCommand()
{
    const scheduler::LinkSnapshot link{UsbOnline != 0, Transfer.TransferState, CheckBox_MBUPause->isChecked(),
                                       ModuleSlot};
    if (const auto command = scheduler::NextCommand(link, priority_))
        StartCommand(*command);
}

void TForm1::StartTimeOut()
{
    TimerTimeOut->stop();
    TimerTimeOut->setInterval(200);
    TimerTimeOut->start();
}

void TForm1::StopTimeOut()
{
    TimerTimeOut->stop();
}

void TForm1::TimerTimeOutTimer()
{
    StopTimeOut();
    RxFrame[off::ErrorCode] = ErrTimeOut;
    FramesPerSecond = 0;
    ProcessRxFrame();
    Busy = 0;
    TransferIdle();
    if (notice_ && notice_->isVisible())
        notice_->close();
}

void TForm1::BindPriorityTable()
{
    priority_.clear();
    for (const scheduler::PriorityRow& row : scheduler::PriorityTable()) {
        QWidget* form = FindForm(row.form);
        SpeedButton* a = uibuild::FindSpeedButton(form, row.button);
        SpeedButton* b = uibuild::FindSpeedButton(form, row.alternate);
        if (!a && !b)
            continue;  // not built into this program (yet)
        // A write whose record this program cannot fill yet is not offered: an empty record
        // must never reach the device's settings.
        if (WritesDevice(row.command))
            for (SpeedButton* button : {a, b})
                if (button)
                    button->setEnabled(RequestEncoders.contains(row.command));
        priority_.push_back({row.command, row.slot, [a, b] { return (a && a->IsDown()) || (b && b->IsDown()); }});
    }
}
