#include "MbuSession.h"

#include "common/session/LinkErrors.h"
#include "ombrik/link/Scheduler.h"

#include <QTimer>

#include <cstring>

namespace ombrik {

using namespace qs;

using namespace mbu;

MbuSession::MbuSession(hid::UsbHid& usb, const Bindings& bindings, QObject* parent)
    : QObject(parent), hook_(usb), clock_(kTickMs, kTimeOutMs), second_(new QTimer(this)),
      pending_(KeyPriorityOrder()), bindings_(bindings)
{
    connect(&clock_, &LinkClock::idleTick, this, &MbuSession::Dispatch);
    connect(&clock_, &LinkClock::timedOut, this, [this] {
        RxFrame[off::Status] = StatusTimeOut;
        ProcessRxFrame();
        clock_.ClearBusy();
        emit timedOut();
    });
    connect(&hook_, &UsbHook::onlineChanged, this, &MbuSession::onlineChanged);
    connect(&hook_, &UsbHook::beep, this, &MbuSession::beep);
    connect(&hook_, &UsbHook::frameArrived, this, &MbuSession::FrameArrived);

    second_->setObjectName("Timer_1sec");
    second_->setTimerType(Qt::PreciseTimer);
    second_->callOnTimeout(this, &MbuSession::SecondTick);
    second_->start(1000);
}

MbuSession::~MbuSession() = default;

bool MbuSession::SetPending(RequestKey key, bool pending)
{
    if (!pending_.Set(Code(key), pending))
        return false;
    emit pendingChanged(key, pending);
    return true;
}

void MbuSession::Dispatch()
{
    if (!hook_.Online())
        return;
    const std::uint8_t chained = ChainedCommand;
    const std::optional<Command> command = NextCommand(chained, pending_, pollPaused_);
    if (!command)
        return;
    chainStep_ = IsChainCommand(Code(*command)) ? Code(*command) : 0;
    SendCommand(*command);
    if (chained != 0)
        ChainedCommand = 0;
}

void MbuSession::SendCommand(Command command)
{
    BuildTxHeader(TxFrame, Code(command));
    ByteWriter data = DataWriter(TxFrame);
    const CommandInfo* row = FindCommand(command);
    if (row && row->CarriesData())
        bindings_.Encode(command, data);
    // The buffer-full mark follows the last byte put; a request without data leaves it.
    if (data.Length() > 0 || data.Full())
        emit requestBuilt(data.Full());
    SendFrame();
}

void MbuSession::SendFrame()
{
    SetTxCRC(TxFrame);
    std::array<std::uint8_t, hid::kReportBufferSize> report{};
    std::memcpy(report.data() + 1, TxFrame.data(), TxFrame.size());
    clock_.FrameSent();
    hook_.Write(report.data());
    History.Enter(TxFrame[off::Command]);
    emit historyChanged();
    emit frameSent(TxFrame);
}

void MbuSession::SendHandMadeFrame()
{
    ChainedCommand = 0;
    chainStep_ = 0;
    SendFrame();
}

void MbuSession::FrameArrived(const MBUFrame& frame)
{
    RxFrame = frame;
    CheckRxCRC(RxFrame);
    ProcessRxFrame();
    // A reply with status 1 (its CRC failed, or the unit sent 1) or 6 answers nothing: the
    // exchange stays open and its time-out ends it, 100 ms after the request. Stopping the
    // time-out here would leave the link Busy for good.
    if (!linkerror::MarksFor(RxFrame[off::Status]).replyUnknown)
        clock_.StopTimeOut();
}

void MbuSession::ProcessRxFrame()
{
    const std::uint8_t status = RxFrame[off::Status];
    // A failed frame ends its chain; the button still Down starts it again.
    if (status != StatusOk)
        chainStep_ = 0;
    emit linkError(status);
    if (linkerror::MarksFor(status).replyUnknown)
        return;  // Busy stays as it is
    LastRxCounter = RxFrame[off::Counter];
    emit frameReceived(RxFrame);
    if (status == StatusOk)
        ParseRxData(RxFrame[off::Command]);
    clock_.ClearBusy();
}

void MbuSession::ParseRxData(std::uint8_t echo)
{
    const CommandInfo* row = FindCommand(echo);
    if (!row)
        return;  // another echo (a developer page code) changes nothing
    if (IsChainCommand(echo)) {
        if (echo != chainStep_)
            return;  // not the step the chain waits for: nothing filled, chained or released
        chainStep_ = 0;
    }
    chainEnded_ = false;
    ByteReader reply = DataReader(RxFrame);
    bindings_.Decode(row->code, reply);
    emit commandCompleted(row->code, DataReader(RxFrame));
    if (row->next && !chainEnded_)
        ChainedCommand = Code(*row->next);
    else if (row->releases)
        SetPending(*row->releases, false);
}

void MbuSession::SecondTick()
{
    FramesPerSecond = CounterDiff(PrevRxCounter, LastRxCounter);
    PrevRxCounter = LastRxCounter;
    emit secondElapsed();
}

}  // namespace ombrik
