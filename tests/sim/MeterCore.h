#pragma once
#include "korvel/link/Mbu3Frame.h"
#include "MbuStore.h"
#include "korvel/link/records/StatusRecord.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// The device side of the MBU3 protocol without any transport: takes the frames the host
// writes and produces the meter's reply frames. It checks request CRCs, reassembles
// segmented requests, serves segmented replies, counts its reply frames modulo 256 and
// answers each command through a handler that tests set. Faults can be injected: corrupt
// reply CRCs, dropped replies, error codes, oversized length announcements.
//
// In MBU mode (useMbuProtocol) it is Ombrik's QV5530 instead: one frame each way, 55 data
// bytes, status codes 1 to 5 from its checks, the commands of MbuMode.cpp; faults, counter and
// log work as in MBU3 mode.
//
// Plain C++ and single-threaded: the transport that owns it (the simulated meter behind the
// HID layer, or a fake hidapi device) calls it from one thread at a time and gets each
// reply frame through sendFrame().
class MeterCore {
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

    MeterCore();
    virtual ~MeterCore();
    MeterCore(const MeterCore&) = delete;
    MeterCore& operator=(const MeterCore&) = delete;

    // Identity the meter reports in every reply header.
    std::uint16_t deviceType = 5530;
    std::uint16_t firmware = qs::VersionDateCode(2020, 8, 1);
    std::uint32_t deviceId = 1234567;
    // Largest request the meter accepts; longer ones are answered with code 7.
    std::size_t rxCapacity = korvel::mbu3::kStreamSize;
    // Answer requests for another device type with code 2 (0 is always accepted).
    bool checkRequestedType = false;

    // The live state the status poll reports; tests set its fields.
    korvel::StatusRecord status;
    // The status requests received, newest last.
    std::vector<std::uint8_t> lastStatusRequest;

    // Switches to the MBU protocol of the QV5530: firmware 2018-08-28, every request's device
    // type checked, the handlers of Ombrik's commands on `mbu` (and the poll on the live
    // block of `status`), the developer page's preset codes answered with status 0.
    void useMbuProtocol();
    bool mbuProtocol() const { return mbuProtocol_; }
    MbuStore mbu;

    void setHandler(std::uint8_t command, Handler handler);
    void setReplyData(std::uint8_t command, std::vector<std::uint8_t> data);

    // Faults, each for the next n replies.
    void corruptNextReplies(int n = 1) { corrupt_ += n; }
    void dropNextReplies(int n = 1) { drop_ += n; }
    void failNextReplies(std::uint8_t errorCode, int n = 1);
    // The next reply that starts a reply stream announces this length instead of the real one.
    void announceLengthOnce(std::uint16_t length) { announce_ = length; }
    // The next reply is made (and counted) but kept back until releaseHeldReply() sends it:
    // a reply that comes late, at the moment the test chooses.
    void holdNextReply() { holdNext_ = true; }
    void releaseHeldReply();
    // A wedged device: every reply segment claims offset 0 and announces 46 bytes more than
    // the reply holds.
    bool segmentsAtOffsetZero = false;

    // One frame as the host wrote it: logged, then answered through sendFrame().
    void receiveFrame(const korvel::mbu3::Frame& frame);
    // The link went down: a request being received and a reply being served are forgotten.
    void resetLink();

    // What the host sent.
    const std::vector<korvel::mbu3::Frame>& framesReceived() const { return frames_; }
    const std::vector<Request>& requests() const { return requests_; }
    std::vector<std::uint8_t> commandsSeen() const;
    virtual void clearLog();
    std::uint8_t frameCounter() const { return counter_; }
    // The counter the next reply carries (a meter's counter wraps from 255 to 0).
    void setFrameCounter(std::uint8_t counter) { counter_ = counter; }

    // The 53 bytes of a status record, as the meter sends them.
    static std::vector<std::uint8_t> EncodeStatusRecord(const korvel::StatusRecord& r);

protected:
    // One finished reply frame (counter and CRC set, faults applied) for the host.
    virtual void sendFrame(const korvel::mbu3::Frame& reply) = 0;

private:
    void handleFrame(const korvel::mbu3::Frame& frame);
    void handleMbuFrame(const korvel::mbu3::Frame& frame);
    void sendReply(korvel::mbu3::Frame reply);
    korvel::mbu3::Frame replyHeader(std::uint8_t command, std::uint8_t error) const;
    korvel::mbu3::Frame segmentReply(std::uint8_t command, std::uint16_t offset);

    bool mbuProtocol_ = false;
    std::uint8_t counter_ = 0;
    int corrupt_ = 0;
    int drop_ = 0;
    std::deque<std::uint8_t> failures_;
    std::optional<std::uint16_t> announce_;
    bool holdNext_ = false;
    std::optional<korvel::mbu3::Frame> held_;
    std::map<std::uint8_t, Handler> handlers_;

    // Request being received and reply being served.
    std::uint8_t rxCommand_ = 0;
    std::uint16_t rxTotal_ = 0;
    std::vector<std::uint8_t> rxData_;
    std::uint16_t requestedType_ = 0;
    std::vector<std::uint8_t> replyData_;
    std::uint16_t replyAnnounced_ = 0;

    std::vector<korvel::mbu3::Frame> frames_;
    std::vector<Request> requests_;
};
