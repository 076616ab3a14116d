#pragma once
#include "MeterCore.h"
#include "common/hid/HidBackend.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

// A panel meter speaking the device side of the MBU3 protocol, behind the HID layer, with
// the protocol logic of MeterCore: checks, segmented requests and replies, frame counter,
// handlers and injected faults. Replies go out from the event loop after the set latency
// (0: on the next pass of the loop), never from inside write(). Unplug and replug are the
// link faults it adds.
class SimulatedMeter : public QObject, public qs::hid::Backend, public MeterCore {
    Q_OBJECT
public:
    explicit SimulatedMeter(QObject* parent = nullptr);
    ~SimulatedMeter() override;

    // hid::Backend
    void start(Sink& sink) override;
    bool write(qs::hid::Handle handle, const qs::hid::Report& report) override;

    std::uint16_t vendorId = 0x04D8;
    std::uint16_t productId = 0x003F;
    // Milliseconds between a request frame and its reply.
    int latencyMs = 0;
    // The next reply comes this many milliseconds later than the latency says.
    void delayNextReply(int ms) { extraDelayMs_ = ms; }

    // Hands a report to the host exactly as given (no CRC, no counter), from the event loop.
    void injectReport(const korvel::mbu3::Frame& frame);

    // Plug state. unplug() also drops replies still on their way.
    void unplug();
    void plug();
    bool plugged() const { return handle_ != 0; }
    qs::hid::Handle handle() const { return handle_; }

    // The replies handed to the host.
    const std::vector<korvel::mbu3::Frame>& repliesSent() const { return replies_; }
    void clearLog() override;

    // Called right after a reply report has been handed to the host (for timing).
    std::function<void()> onReplyDelivered;
    // Called on every frame the host writes (for timing).
    std::function<void(const korvel::mbu3::Frame&)> onFrameWritten;

private:
    void sendFrame(const korvel::mbu3::Frame& reply) override;

    Sink* sink_ = nullptr;
    qs::hid::Handle handle_ = 0;
    qs::hid::Handle nextHandle_ = 1;
    std::uint64_t generation_ = 0;  // replies of an earlier plug are never delivered
    std::vector<korvel::mbu3::Frame> replies_;
    int extraDelayMs_ = 0;
};
