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
        rxFrame_[off::Status] = StatusTimeOut;
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
    const std::uint8_t chained = chainedCommand_;
    const std::optional<Command> command = NextCommand(chained, pending_, pollPaused_);
    if (!command)
        return;
    chainStep_ = IsChainCommand(Code(*command)) ? Code(*command) : 0;
    SendCommand(*command);
    if (chained != 0)
        chainedCommand_ = 0;
}

void MbuSession::SendCommand(Command command)
{
    BuildTxHeader(txFrame_, Code(command));
    ByteWriter data = DataWriter(txFrame_);
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
    SetTxCRC(txFrame_);
    std::array<std::uint8_t, hid::kReportBufferSize> report{};
    std::memcpy(report.data() + 1, txFrame_.data(), txFrame_.size());
    clock_.FrameSent();
    hook_.Write(report.data());
    history_.Enter(txFrame_[off::Command]);
    emit historyChanged();
    emit frameSent(txFrame_);
}

void MbuSession::PutHandMadeData(const InputData& data)
{
    PutInputData(txFrame_, data);
    emit txFrameEdited(txFrame_);
}

void MbuSession::SendHandMade(const MBUFrame& frame)
{
    txFrame_ = frame;
    chainedCommand_ = 0;
    chainStep_ = 0;
    SendFrame();
}

void MbuSession::Reset()
{
    chainedCommand_ = 0;
    history_.Reset();
}

void MbuSession::FrameArrived(const MBUFrame& frame)
{
    rxFrame_ = frame;
    CheckRxCRC(rxFrame_);
    ProcessRxFrame();
    // A reply with status 1 (its CRC failed, or the unit sent 1) or 6 answers nothing: the
    // exchange stays open and its time-out ends it, 100 ms after the request. Stopping the
    // time-out here would leave the link Busy for good.
    if (!linkerror::MarksFor(rxFrame_[off::Status]).replyUnknown)
        clock_.StopTimeOut();
}

void MbuSession::ProcessRxFrame()
{
    const std::uint8_t status = rxFrame_[off::Status];
    // A failed frame ends its chain; the button still Down starts it again.
    if (status != StatusOk)
        chainStep_ = 0;
    emit linkError(status);
    if (linkerror::MarksFor(status).replyUnknown)
        return;  // Busy stays as it is
    lastRxCounter_ = rxFrame_[off::Counter];
    emit frameReceived(rxFrame_);
    if (status == StatusOk)
        ParseRxData(rxFrame_[off::Command]);
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
    ByteReader reply = DataReader(rxFrame_);
    bindings_.Decode(row->code, reply);
    emit commandCompleted(row->code, DataReader(rxFrame_));
    if (row->next && !chainEnded_)
        chainedCommand_ = Code(*row->next);
    else if (row->releases)
        SetPending(*row->releases, false);
}

void MbuSession::SecondTick()
{
    framesPerSecond_ = CounterDiff(prevRxCounter_, lastRxCounter_);
    prevRxCounter_ = lastRxCounter_;
    emit secondElapsed();
}

}  // namespace ombrik
