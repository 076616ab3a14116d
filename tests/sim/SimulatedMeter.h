#pragma once
#include "Mbu3Frame.h"
#include "StatusRecord.h"
#include "hid/HidBackend.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// A panel meter speaking the device side of the MBU3 protocol, behind the HID layer.
// It checks request CRCs, reassembles segmented requests, serves segmented replies, counts
// its reply frames modulo 256, and answers each command through a handler that tests set.
// Faults can be injected: corrupt reply CRCs, dropped replies, error codes, oversized
// length announcements, unplug and replug. Replies go out from the event loop after the set
// latency (0: on the next pass of the loop), never from inside write().
class SimulatedMeter : public QObject, public hid::Backend {
    Q_OBJECT
public:
    struct Reply {
        std::uint8_t error = 0;
        std::vector<std::uint8_t> data;
    };
    // The request data of a completed request; answers the reply.
    using Handler = std::function<Reply(const std::vector<std::uint8_t>& request)>;

    struct Request {
        std::uint8_t command = 0;
        std::uint16_t requestedType = 0;
        std::vector<std::uint8_t> data;
    };

    explicit SimulatedMeter(QObject* parent = nullptr);
    ~SimulatedMeter() override;

    // hid::Backend
    void start(Sink& sink) override;
    bool write(hid::Handle handle, const hid::Report& report) override;

    // Identity the meter reports in every reply header.
    std::uint16_t deviceType = 5530;
    std::uint16_t firmware = VersionDateCode(2020, 8, 1);
    std::uint32_t deviceId = 1234567;
    std::uint16_t vendorId = 0x04D8;
    std::uint16_t productId = 0x003F;
    // Largest request the meter accepts; longer ones are answered with code 7.
    std::size_t rxCapacity = mbu3::kStreamSize;
    // Milliseconds between a request frame and its reply.
    int latencyMs = 0;
    // Answer requests for another device type with code 2 (0 is always accepted).
    bool checkRequestedType = false;

    // The live state the status poll (101) reports; tests set its fields.
    StatusRecord status;
    // The status requests received, newest last.
    std::vector<std::uint8_t> lastStatusRequest;

    void setHandler(std::uint8_t command, Handler handler);
    void setReplyData(std::uint8_t command, std::vector<std::uint8_t> data);

    // Faults, each for the next n replies.
    void corruptNextReplies(int n = 1) { corrupt_ += n; }
    void dropNextReplies(int n = 1) { drop_ += n; }
    void failNextReplies(std::uint8_t errorCode, int n = 1);
    // The next reply that starts a reply stream announces this length instead of the real one.
    void announceLengthOnce(std::uint16_t length) { announce_ = length; }

    // Hands a report to the host exactly as given (no CRC, no counter), from the event loop.
    void injectReport(const mbu3::Frame& frame);

    // Plug state. unplug() also drops replies still on their way.
    void unplug();
    void plug();
    bool plugged() const { return handle_ != 0; }
    hid::Handle handle() const { return handle_; }

    // What the host sent.
    const std::vector<mbu3::Frame>& framesReceived() const { return frames_; }
    const std::vector<Request>& requests() const { return requests_; }
    const std::vector<mbu3::Frame>& repliesSent() const { return replies_; }
    std::vector<std::uint8_t> commandsSeen() const;
    void clearLog();
    std::uint8_t frameCounter() const { return counter_; }

    // Called right after a reply report has been handed to the host (for timing).
    std::function<void()> onReplyDelivered;
    // Called on every frame the host writes (for timing).
    std::function<void(const mbu3::Frame&)> onFrameWritten;

    // The 53 bytes of a status record, as the meter sends them.
    static std::vector<std::uint8_t> EncodeStatusRecord(const StatusRecord& r);

private:
    void handleFrame(const mbu3::Frame& frame);
    void sendReply(mbu3::Frame reply);
    mbu3::Frame replyHeader(std::uint8_t command, std::uint8_t error) const;
    mbu3::Frame segmentReply(std::uint8_t command, std::uint16_t offset);

    Sink* sink_ = nullptr;
    hid::Handle handle_ = 0;
    hid::Handle nextHandle_ = 1;
    std::uint8_t counter_ = 0;
    int corrupt_ = 0;
    int drop_ = 0;
    std::deque<std::uint8_t> failures_;
    std::optional<std::uint16_t> announce_;
    std::map<std::uint8_t, Handler> handlers_;

    // Request being received and reply being served.
    std::uint8_t rxCommand_ = 0;
    std::uint16_t rxTotal_ = 0;
    std::vector<std::uint8_t> rxData_;
    std::uint16_t requestedType_ = 0;
    std::vector<std::uint8_t> replyData_;
    std::uint16_t replyAnnounced_ = 0;
    std::uint64_t generation_ = 0;  // replies of an earlier plug are never delivered

    std::vector<mbu3::Frame> frames_;
    std::vector<Request> requests_;
    std::vector<mbu3::Frame> replies_;
};
