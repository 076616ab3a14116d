#include "LinkSession.h"

#include "common/session/LinkErrors.h"
#include "korvel/link/Scheduler.h"

#include <QTimer>

#include <cstring>

namespace korvel {

using namespace qs;

using namespace mbu3;

LinkSession::LinkSession(hid::UsbHid& usb, const Bindings& bindings, QObject* parent)
    : QObject(parent), hook_(usb), clock_(kTickMs, kTimeOutMs), second_(new QTimer(this)),
      pending_(KeyPriorityOrder()), bindings_(bindings)
{
    connect(&clock_, &LinkClock::idleTick, this, &LinkSession::Dispatch);
    connect(&clock_, &LinkClock::timedOut, this, [this] {
        framesPerSecond_ = 0;
        HandleFrame(linkerror::TimeOut, nullptr);
        emit timedOut();
    });
    connect(&hook_, &UsbHook::plugged, this, [this] {
        online_ = true;
        emit onlineChanged(true);
    });
    connect(&hook_, &UsbHook::unplugged, this, [this] {
        online_ = false;
        emit onlineChanged(false);
    });
    connect(&hook_, &UsbHook::beep, this, &LinkSession::beep);
    connect(&hook_, &UsbHook::frameArrived, this, [this](const Frame& frame) {
        HandleFrame(CrcMatches(frame) ? frame[off::ErrorCode] : std::uint8_t{linkerror::Crc},
                    &frame);
    });
    second_->setObjectName("Timer_1sec");
    second_->setTimerType(Qt::PreciseTimer);
    second_->setInterval(1000);
    connect(second_, &QTimer::timeout, this, &LinkSession::SecondTick);
    second_->start();
}

LinkSession::~LinkSession() = default;

void LinkSession::Reset()
{
    requestedDeviceType_ = 0;
    trafficSeconds_ = 0;
    history_.Reset();
}

void LinkSession::SelectSlot(Trio trio, std::uint8_t slot)
{
    moduleSlot_ = slot;
    dialogSlots_.Set(trio, slot);
}

void LinkSession::ClearHistoryOlder()
{
    history_.ClearOlder();
}

bool LinkSession::SetPending(RequestKey key, bool pending)
{
    if (!pending_.Set(key, pending))
        return false;
    emit pendingChanged(key, pending);
    return true;
}

void LinkSession::WithdrawWrites()
{
    for (const CommandInfo& row : CommandTable())
        if (row.storesInDevice && row.key != KeyNone)
            SetPending(row.key, false);
    if (transfer_.TransferState != SegmentedTransfer::Idle)
        if (const CommandInfo* info = FindCommand(transfer_.TxFrame[off::Command]))
            if (info->storesInDevice)
                TransferIdle();
}

void LinkSession::Dispatch()
{
    if (!online_ || transfer_.TransferState != SegmentedTransfer::Idle)
        return;
    if (const auto command = scheduler::NextCommand(pending_, dialogSlots_, pollPaused_))
        StartCommand(*command);
}

void LinkSession::StartCommand(Command command)
{
    const CommandInfo* info = FindCommand(command);
    if (!bindings_.Allows(command)) {
        if (info && info->key != KeyNone)
            SetPending(info->key, false);
        return;
    }
    transfer_.Begin(Code(command), requestedDeviceType_);
    if (info && info->carriesData)
        bindings_.Encode(command, transfer_.Request());
    if (transfer_.Request().Length() > 0 || transfer_.Request().Full())
        emit requestBuilt(transfer_.Request().Length(), transfer_.Request().Full());
    SendNextFrame();
}

void LinkSession::SendNextFrame()
{
    if (transfer_.SendNextFrame())
        SendTxFrame();
}

void LinkSession::SendTxFrame()
{
    WriteTxFrame();
    AnnounceTxFrame();
}

void LinkSession::WriteTxFrame()
{
    std::array<std::uint8_t, hid::kReportBufferSize> report{};
    std::memcpy(report.data() + 1, transfer_.TxFrame.data(), transfer_.TxFrame.size());
    clock_.FrameSent();
    hook_.Write(report.data());
}

void LinkSession::AnnounceTxFrame()
{
    const bool first = (transfer_.TransferFlags & kFlagFirst) != 0;
    if (first) {
        history_.Enter(transfer_.TxFrame[off::Command]);
        emit historyChanged();
    }
    emit frameSent(transfer_.TxFrame, first);
}

void LinkSession::TransferIdle()
{
    transfer_.TransferIdle();
    clock_.StopTimeOut();
}

void LinkSession::HandleFrame(std::uint8_t code, const Frame* reply)
{
    if (code == linkerror::TimeOut)
        trafficSeconds_ = 0;
    const bool used = reply && !linkerror::MarksFor(code).replyUnknown;

    // A good reply goes through the transfer step first: when it asks for the next frame,
    // that frame is written before anything is shown, so the device waits only for the link.
    // The next frame of a request the device keeps waits for the device-change check instead:
    // a reply from another meter abandons such a transfer before any more of it goes out.
    using Step = SegmentedTransfer::StepResult;
    const CommandInfo* inFlight = FindCommand(transfer_.TxFrame[off::Command]);
    const bool checkBeforeNextFrame = inFlight && inFlight->storesInDevice;
    Step step = Step::Ignored;
    bool takesLength = false;
    if (used && code == linkerror::None) {
        // The announced length is taken after the last request segment and after each
        // reply segment.
        takesLength = transfer_.TransferState == SegmentedTransfer::WaitRxSegment ||
                      (transfer_.TransferState == SegmentedTransfer::TxSegmentSent &&
                       (transfer_.TransferFlags & kFlagLast) != 0);
        step = transfer_.RxTransferStep(*reply);
        if (step == Step::SendFrame && !checkBeforeNextFrame)
            WriteTxFrame();
    }

    emit linkError(code);
    if (code >= linkerror::Crc && code <= linkerror::BufferFull)
        TransferIdle();
    if (used) {
        const Frame& f = *reply;
        reportedDeviceType_ = Get16(f, off::DeviceType);
        lastRxCounter_ = f[off::Counter];
        deviceID_ = Get32(f, off::HostOrDeviceId);
        emit frameReceived(f);
        if (code == linkerror::None) {
            const std::uint8_t echo = f[off::Command];
            if (takesLength && step != Step::Dropped)
                emit replyLength(transfer_.RxDataSize);
            switch (step) {
            case SegmentedTransfer::StepResult::SendFrame:
                if (!checkBeforeNextFrame)
                    AnnounceTxFrame();
                break;
            case SegmentedTransfer::StepResult::Complete:
                Complete(echo);
                TransferIdle();
                break;
            case SegmentedTransfer::StepResult::Oversize:
                emit linkError(linkerror::Oversize);
                TransferIdle();
                break;
            case SegmentedTransfer::StepResult::Ignored:
            case SegmentedTransfer::StepResult::Dropped:
                // Nothing is released and the time-out is not re-armed: the frame in flight
                // still waits for its own reply, or for its time-out.
                break;
            }
        }
    }
    clock_.ClearBusy();
    if (used)
        emit replyHandled();
    if (step == Step::SendFrame && checkBeforeNextFrame &&
        transfer_.TransferState != SegmentedTransfer::Idle) {
        SendTxFrame();
        clock_.ClearBusy();
    }
}

void LinkSession::Complete(std::uint8_t echo)
{
    const CommandInfo* info = FindCommand(echo);
    if (!info)
        return;  // an echo without a case changes nothing and releases nothing
    if (!dialogSlots_.Holds(*info))
        return;  // a reply for the slot its dialog had before it was reopened
    // The window shows the reply; then the command's key is released and, for a write, its
    // read's key pressed.
    ByteReader reply = transfer_.Reply();
    bindings_.Decode(info->code, reply);
    if (info->key != KeyNone)
        SetPending(info->key, false);
    if (info->readBack)
        if (const CommandInfo* read = FindCommand(*info->readBack))
            SetPending(read->key, true);
}

void LinkSession::SecondTick()
{
    framesPerSecond_ = CounterDiff(prevRxCounter_, lastRxCounter_);
    prevRxCounter_ = lastRxCounter_;
    if (framesPerSecond_ < 1)
        trafficSeconds_ = 0;
    else
        ++trafficSeconds_;
    emit secondElapsed();
}

}  // namespace korvel
