#pragma once
#include "Mbu3Frame.h"

#include <array>
#include <cstdint>

// One request under way: the request-data and reply-data streams with their little-endian
// put and get operations, and the state machine that cuts the request into 46-byte segments
// and asks for the reply's segments one by one. No I/O here: the owner writes TxFrame when
// SendNextFrame or RxTransferStep says a frame is ready.
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
        Oversize,   // the reply announced more than 16384 bytes; nothing was stored
    };

    static constexpr std::uint16_t kMaxRequest = mbu3::kStreamSize - 1;  // 16383
    static constexpr std::uint32_t kMaxReply = mbu3::kStreamSize;        // 16384

    std::array<std::uint8_t, mbu3::kStreamSize> TxData{};
    std::array<std::uint8_t, mbu3::kStreamSize> RxData{};
    std::uint16_t TxDataLen = 0;
    std::uint16_t TxSent = 0;
    std::uint16_t RxDataSize = 0;
    std::uint16_t RxReceived = 0;
    std::uint16_t RxReadIndex = 0;
    std::uint8_t TransferState = Idle;
    std::uint8_t TransferFlags = 0;
    bool LastTxSegment = false;
    bool LastRxSegment = false;
    // Set when a put found the request stream full (the byte replaced the last one),
    // cleared by the next put that fits.
    bool TxBufferFull = false;
    mbu3::Frame TxFrame{};

    // Starts a request: state Start, streams emptied, flags 1, header built.
    // The caller then puts the request data and calls SendNextFrame.
    void Begin(std::uint8_t command, std::uint16_t requestedType);
    void TransferIdle() { TransferState = Idle; }

    void PutByte(std::uint8_t b);
    void PutWord(std::uint16_t v);
    void PutDWord(std::uint32_t v);
    void PutCardinal(std::uint32_t v) { PutDWord(v); }
    void PutSingle(float x);
    void PutBoolean(bool b) { PutByte(b ? 1 : 0); }

    // Gets yield 0 past the announced reply length (and never read past the buffer).
    std::uint8_t GetByte();
    std::uint16_t GetWord();
    std::uint16_t GetWord2() { return GetWord(); }
    std::int32_t GetInteger() { return static_cast<std::int32_t>(GetCardinal()); }
    std::uint32_t GetCardinal();
    float GetSingle();
    bool GetBoolean() { return GetByte() != 0; }
    bool GetBoolean2() { return GetBoolean(); }

    // Prepares TxFrame for the next frame of the state; answers whether one is ready to send.
    bool SendNextFrame();
    // The step after a reply with error code 0.
    StepResult RxTransferStep(const mbu3::Frame& reply);

private:
    void CopyTxSegment();
    void FinishRequestFrame();
    void CopyRxSegment(const mbu3::Frame& reply);
};
