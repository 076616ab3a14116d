#pragma once
#include "common/link/ByteStream.h"
#include "common/link/CommandBindings.h"
#include "common/link/CommandHistory.h"
#include "ombrik/link/CommandTable.h"
#include "ombrik/link/HandMadeRequest.h"
#include "common/session/LinkClock.h"
#include "ombrik/link/MbuFrame.h"
#include "common/link/PendingSet.h"
#include "common/session/UsbHook.h"

#include <QObject>

#include <cstdint>
#include <functional>

class QTimer;

namespace ombrik {

// Ombrik's link to its unit, on Qt Core only: one 64-byte MBU frame each way, Busy, the 30 ms
// tick, the 100 ms time-out, the pending request keys, ChainedCommand, the monitor counters
// and the USB hook. It knows commands and request keys, never a control: the window marks
// keys pending (a request button going Down) and is told when the session releases one. The
// window's bindings write the request data of a command (asked only for commands that carry
// data, at the moment the command starts) and apply a good reply.
class MbuSession : public QObject {
    Q_OBJECT
public:
    using Bindings = qs::CommandBindings<mbu::Command>;

    static constexpr int kTickMs = 30;
    static constexpr int kTimeOutMs = 100;
    static constexpr std::size_t kHistorySlots = 16;

    // bindings: the records of the commands, kept by the caller for the session's lifetime.
    MbuSession(qs::hid::UsbHid& usb, const Bindings& bindings, QObject* parent = nullptr);
    ~MbuSession() override;

    // ---- pending requests ----
    // Answers whether the state changed; a change is reported through pendingChanged.
    bool SetPending(mbu::RequestKey key, bool pending);
    bool IsPending(mbu::RequestKey key) const { return pending_.IsPending(Code(key)); }
    const qs::PendingSet& Pending() const { return pending_; }
    void SetPollPaused(bool paused) { pollPaused_ = paused; }
    // The next command a reply asked for (0: none); the next free tick sends it first.
    std::uint8_t ChainedCommand() const { return chainedCommand_; }
    // Called while a good reply is applied: this reply ends its chain, so its key is released
    // instead of chaining on (the last row pair of the display).
    void EndChain() { chainEnded_ = true; }

    // ---- the link ----
    // One 30 ms tick: starts the next command when the link is free and the unit online.
    void Tick() { clock_.Tick(); }
    // Builds and sends one command: the header for the QV5530 and the fixed firmware window,
    // the command's request data, then SendFrame.
    void SendCommand(mbu::Command command);
    // Puts the data bytes of a request being composed by hand into the request frame, for
    // the Tx monitor to show before it is sent (txFrameEdited).
    void PutHandMadeData(const mbu::InputData& data);
    // Sends a request composed by hand at once, whether or not the link is Busy or the unit
    // online. It abandons a chain under way: the chain's button, still Down, starts it again
    // from its first part.
    void SendHandMade(const mbu::MBUFrame& frame);
    qs::LinkClock& Clock() { return clock_; }
    bool Busy() const { return clock_.Busy(); }
    bool Online() const { return hook_.Online(); }
    qs::UsbHook& Hook() { return hook_; }

    // The request frame last built (or being composed by hand).
    const mbu::MBUFrame& TxFrame() const { return txFrame_; }
    // The frame counter of the last reply handled (other than one with status 1 or 6).
    std::uint8_t LastRxCounter() const { return lastRxCounter_; }
    // Start-up state: no chain under way, an empty history.
    void Reset();

    // ---- monitor counters ----
    const qs::CommandHistory& History() const { return history_; }
    std::int32_t FramesPerSecond() const { return framesPerSecond_; }
    // The one-second count (Timer_1sec's work).
    void SecondTick();
    QTimer* SecondTimer() const { return second_; }

signals:
    // A request frame went out (the Tx monitor).
    void frameSent(const mbu::MBUFrame& frame);
    // The request frame took the data of a request composed by hand (not sent yet).
    void txFrameEdited(const mbu::MBUFrame& frame);
    // A request's data were written; full: its last byte found the data area full.
    void requestBuilt(bool full);
    // Every frame handling starts here with the reply's status: 0 good, 1 CRC mismatch,
    // 2..5 and 7 and above as the unit sent them, 6 for the time-out.
    void linkError(std::uint8_t status);
    // A reply with a status other than 1 and 6: its header and data are shown.
    void frameReceived(const mbu::MBUFrame& frame);
    // A good reply (status 0) to a command of the table, just applied by its decoder; then
    // the session releases the row's key or chains to its next command. A reply of a chain's
    // command comes here only as the answer to the chain step the scheduler sent last; any
    // other (a hand-made request's, one after a failed step) changes nothing.
    void commandCompleted(mbu::Command echo, qs::ByteReader reply);
    void timedOut();
    void pendingChanged(mbu::RequestKey key, bool pending);
    void onlineChanged(bool online);
    void historyChanged();
    void secondElapsed();
    void beep();

private:
    void Dispatch();
    // Sends txFrame_ as it stands: its CRC, the write (to whatever device is there; with none
    // nothing is written and the exchange ends as a time-out), the history, the Tx monitor
    // and the time-out, measured anew from now.
    void SendFrame();
    void FrameArrived(const mbu::MBUFrame& frame);
    // The one road of every reply and of the time-out.
    void ProcessRxFrame();
    void ParseRxData(std::uint8_t echo);

    qs::UsbHook hook_;
    qs::LinkClock clock_;
    QTimer* second_;
    qs::PendingSet pending_;
    const Bindings& bindings_;
    bool pollPaused_ = false;
    bool chainEnded_ = false;
    // The chain step the scheduler sent and whose reply is awaited (0: none).
    std::uint8_t chainStep_ = 0;
    std::uint8_t chainedCommand_ = 0;

    mbu::MBUFrame txFrame_{};  // the request frame last built
    mbu::MBUFrame rxFrame_{};  // the last reply frame, its status byte as handled
    std::uint8_t lastRxCounter_ = 0;

    qs::CommandHistory history_{kHistorySlots};
    std::uint8_t prevRxCounter_ = 0;
    std::int32_t framesPerSecond_ = 0;
};

}  // namespace ombrik
