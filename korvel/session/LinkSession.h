#pragma once
#include "common/link/ByteStream.h"
#include "common/link/CommandBindings.h"
#include "common/link/CommandHistory.h"
#include "korvel/link/CommandTable.h"
#include "common/session/LinkClock.h"
#include "korvel/link/Mbu3Frame.h"
#include "common/link/PendingSet.h"
#include "korvel/link/Scheduler.h"
#include "korvel/link/SegmentedTransfer.h"
#include "common/session/UsbHook.h"

#include <QObject>

#include <cstdint>
#include <functional>

class QTimer;

namespace korvel {

// Korvel's link to the device, on Qt Core only: the frames, the segmented transfer, Busy,
// the 30 ms tick, the 200 ms time-out, the set of pending requests with ModuleSlot, the
// monitor counters and the USB hook. It knows commands and request keys, never a control:
// the window marks keys pending (a request button going Down) and is told when the session
// releases or presses one. The command bindings it is given write a command's request data,
// may withdraw a command about to start, and show a completed reply.
class LinkSession : public QObject {
    Q_OBJECT
public:
    using Bindings = qs::CommandBindings<Command>;

    static constexpr int kTickMs = 30;
    static constexpr int kTimeOutMs = 200;
    static constexpr std::size_t kHistorySlots = 15;

    // bindings: asked when a command starts (its check, then its request data, read from the
    // controls at that moment) and when its whole reply has arrived (its decoder). A command
    // its check refuses is withdrawn instead of started: its key is released, nothing is sent
    // and the link stays idle, so the next tick starts the next request or the poll as usual.
    LinkSession(qs::hid::UsbHid& usb, const Bindings& bindings, QObject* parent = nullptr);
    ~LinkSession() override;

    // ---- pending requests ----
    // Answers whether the state changed; a change is reported through pendingChanged.
    bool SetPending(RequestKey key, bool pending);
    bool IsPending(RequestKey key) const { return pending_.IsPending(key); }
    const qs::PendingSet& Pending() const { return pending_; }
    void SetPollPaused(bool paused) { pollPaused_ = paused; }
    // A module dialog opened for a slot (1 main, 0 additional): ModuleSlot becomes that slot,
    // and the dialog's trio's requests go out for it. A reply for a slot its trio no longer
    // has (already in flight when the dialog was reopened for the other slot) is not applied
    // and releases nothing.
    void SelectSlot(Trio trio, std::uint8_t slot);
    // The slot of the module dialog opened last (0 at start).
    std::uint8_t ModuleSlot() const { return moduleSlot_; }
    // Another meter has been adopted in place of the one served: every pending request whose
    // command the device keeps (storesInDevice) is withdrawn, and such a transfer still under
    // way is abandoned, its next frame never sent. Reads stay pending: they read the new meter.
    void WithdrawWrites();

    // ---- the link ----
    // One 30 ms tick: starts the next command when the link is free.
    void Tick() { clock_.Tick(); }
    // Starts one command now (the tick's work once it has chosen).
    void StartCommand(Command command);
    qs::LinkClock& Clock() { return clock_; }
    bool Busy() const { return clock_.Busy(); }
    bool Online() const { return online_; }
    const SegmentedTransfer& Transfer() const { return transfer_; }
    qs::UsbHook& Hook() { return hook_; }

    // The device type every request carries from now on (the device-change check's choice).
    void Adopt(std::uint16_t deviceType) { requestedDeviceType_ = deviceType; }
    std::uint16_t RequestedDeviceType() const { return requestedDeviceType_; }
    // The header fields of the last reply handled (other than one with code 1 or 6).
    std::uint16_t ReportedDeviceType() const { return reportedDeviceType_; }
    std::uint32_t DeviceID() const { return deviceID_; }
    std::uint8_t LastRxCounter() const { return lastRxCounter_; }

    // ---- monitor counters ----
    const qs::CommandHistory& History() const { return history_; }
    std::int32_t FramesPerSecond() const { return framesPerSecond_; }
    std::int32_t TrafficSeconds() const { return trafficSeconds_; }
    // The one-second count (Timer_1sec's work): frames per second, traffic seconds.
    void SecondTick();
    QTimer* SecondTimer() const { return second_; }
    void ClearHistoryOlder();
    // Start-up state of the counters and the requested type (Busy is clear from the start).
    void Reset();

signals:
    // A frame went out; first: the first frame of a request (it entered the history).
    void frameSent(const mbu3::Frame& frame, bool first);
    // A request's data were built: length and whether a byte found the stream full. Only
    // for requests that put data.
    void requestBuilt(std::size_t length, bool full);
    // Every frame handling starts here with its code: 0 for a good reply, 1..7 from the
    // device (1 also for a failed CRC), 6 for the time-out, 9 for an oversized reply
    // (reported after the frame's other signals), other codes as the device sent them.
    void linkError(std::uint8_t code);
    // A reply other than code 1 or 6: its header fields are taken (device type, counter, id).
    void frameReceived(const mbu3::Frame& frame);
    // The reply data length announced by the device, whenever the transfer takes it.
    void replyLength(std::uint16_t length);
    // The handling of a reply other than code 1 or 6 has ended (the device-change check).
    void replyHandled();
    // The time-out ran out (after its code 6 was reported).
    void timedOut();
    void pendingChanged(RequestKey key, bool pending);
    void onlineChanged(bool online);
    void historyChanged();
    void secondElapsed();
    void beep();

private:
    void Dispatch();
    void SendNextFrame();
    void SendTxFrame();
    // The two halves of sending a frame: the write itself, then the history and the
    // frameSent report.
    void WriteTxFrame();
    void AnnounceTxFrame();
    void TransferIdle();
    // The one road of every frame handling, replies and time-outs alike; clears Busy.
    void HandleFrame(std::uint8_t code, const mbu3::Frame* reply);
    void Complete(std::uint8_t echo);

    qs::UsbHook hook_;
    qs::LinkClock clock_;
    QTimer* second_;
    SegmentedTransfer transfer_;
    qs::PendingSet pending_;
    const Bindings& bindings_;
    bool pollPaused_ = false;
    bool online_ = false;
    std::uint8_t moduleSlot_ = 0;
    scheduler::TrioSlots dialogSlots_;

    std::uint16_t requestedDeviceType_ = 0;
    std::uint16_t reportedDeviceType_ = 0;
    std::uint32_t deviceID_ = 0;
    std::uint8_t lastRxCounter_ = 0;

    qs::CommandHistory history_{kHistorySlots, Code(Command::StatusPoll)};
    std::uint8_t prevRxCounter_ = 0;
    std::int32_t framesPerSecond_ = 0;
    std::int32_t trafficSeconds_ = 0;
};

}  // namespace korvel
