#pragma once
#include "common/link/ByteStream.h"
#include "Mbu3Frame.h"

#include <array>
#include <cstdint>

namespace korvel {

// One request under way: the request-data and reply-data streams, and the state machine that
// cuts the request into 46-byte segments and asks for the reply's segments one by one. No
// I/O here: the owner writes TxFrame when SendNextFrame or RxTransferStep says a frame is
// ready. The request is written through Request() (at most 16383 bytes: a byte that finds
// the stream full is dropped and the writer reports itself full), the reply read through
// Reply() (the announced length, at most 16384 bytes; zeros past its end).
class SegmentedTransfer {
public:
    enum State : std::uint8_t {
        Idle = 0,
        Start = 1,
        TxSegmentSent = 2,
        NextTxSegment = 3,
        AskRxSegment = 4,
        WaitRxSegment = 5,
    };
    enum class StepResult {
        Ignored,    // not waiting for a reply (idle or between frames): nothing changed
        SendFrame,  // TxFrame holds the next frame to send
        Complete,   // RxData holds the whole reply; parse it, then go idle
        Oversize,   // the reply announced more than 16384 bytes, or its segments would not
                    // end within that many: the transfer ends, nothing is parsed
        Dropped,    // a reply that does not answer the frame in flight (another command's
                    // echo, an acknowledgement of another received count, another segment
                    // offset than asked for, or a later segment announcing another total):
                    // nothing changed
    };

    static constexpr std::uint16_t kMaxRequest = mbu3::kStreamSize - 1;  // 16383
    static constexpr std::uint32_t kMaxReply = mbu3::kStreamSize;        // 16384
    // A whole reply fits in this many segments; a transfer that would take more ends.
    static constexpr std::uint16_t kMaxReplySegments = static_cast<std::uint16_t>(
        (kMaxReply + mbu3::kSegmentSize - 1) / mbu3::kSegmentSize);  // 357

    SegmentedTransfer() = default;
    // The request writer points into this object's own buffer.
    SegmentedTransfer(const SegmentedTransfer&) = delete;
    SegmentedTransfer& operator=(const SegmentedTransfer&) = delete;

    std::array<std::uint8_t, mbu3::kStreamSize> TxData{};
    std::array<std::uint8_t, mbu3::kStreamSize> RxData{};
    std::uint16_t TxSent = 0;
    std::uint16_t RxDataSize = 0;
    std::uint16_t RxReceived = 0;
    std::uint8_t TransferState = Idle;
    std::uint8_t TransferFlags = 0;
    bool LastTxSegment = false;
    bool LastRxSegment = false;
    // Reply segments stored by the request under way.
    std::uint16_t RxSegments = 0;
    mbu3::Frame TxFrame{};

    // Starts a request: state Start, streams emptied, flags 1, header built.
    // The caller then writes the request data into Request() and calls SendNextFrame.
    void Begin(std::uint8_t command, std::uint16_t requestedType);
    void TransferIdle() { TransferState = Idle; }

    qs::ByteWriter& Request() { return request_; }
    const qs::ByteWriter& Request() const { return request_; }
    std::uint16_t TxDataLen() const { return static_cast<std::uint16_t>(request_.Length()); }
    // A reader over the reply data from their start.
    qs::ByteReader Reply() const;

    // Prepares TxFrame for the next frame of the state; answers whether one is ready to send.
    bool SendNextFrame();
    // The step after a reply with error code 0.
    StepResult RxTransferStep(const mbu3::Frame& reply);
    // Whether a reply answers the frame in flight: the command's echo; for the acknowledgement
    // of a request segment, the received count (bytes 10-11) equal to the request bytes sent
    // so far; for a reply segment, the offset the host asked for (0 for the first one) and,
    // after the first, the total the first one announced.
    bool AnswersFrameInFlight(const mbu3::Frame& reply) const;

private:
    void CopyTxSegment();
    void FinishRequestFrame();
    void CopyRxSegment(const mbu3::Frame& reply);

    qs::ByteWriter request_{std::span<std::uint8_t>(TxData).first(kMaxRequest)};
};

}  // namespace korvel
