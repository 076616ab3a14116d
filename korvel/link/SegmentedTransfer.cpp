#include "SegmentedTransfer.h"

#include <algorithm>
#include <bit>

using namespace mbu3;

void SegmentedTransfer::Begin(std::uint8_t command, std::uint16_t requestedType)
{
    TransferState = Start;
    TxDataLen = 0;
    TxSent = 0;
    RxReadIndex = 0;
    RxReceived = 0;
    TransferFlags = kFlagFirst;
    BuildTxHeader(TxFrame, requestedType, command, kLowestFirmware, kHighestFirmware);
}

void SegmentedTransfer::PutByte(std::uint8_t b)
{
    TxData[TxDataLen] = b;
    if (TxDataLen < kMaxRequest) {
        ++TxDataLen;
        TxBufferFull = false;
    } else {
        TxBufferFull = true;
    }
}

void SegmentedTransfer::PutWord(std::uint16_t v)
{
    PutByte(static_cast<std::uint8_t>(v & 0xFF));
    PutByte(static_cast<std::uint8_t>(v >> 8));
}

void SegmentedTransfer::PutDWord(std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        PutByte(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

void SegmentedTransfer::PutSingle(float x)
{
    PutDWord(std::bit_cast<std::uint32_t>(x));
}

std::uint8_t SegmentedTransfer::GetByte()
{
    // A reply segment may announce a larger total than the buffer holds: never read past it.
    const std::uint32_t end = std::min<std::uint32_t>(RxDataSize, kMaxReply);
    if (RxReadIndex >= end)
        return 0;
    return RxData[RxReadIndex++];
}

std::uint16_t SegmentedTransfer::GetWord()
{
    const std::uint16_t lo = GetByte();
    const std::uint16_t hi = GetByte();
    return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::uint32_t SegmentedTransfer::GetCardinal()
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(GetByte()) << (8 * i);
    return v;
}

float SegmentedTransfer::GetSingle()
{
    return std::bit_cast<float>(GetCardinal());
}

void SegmentedTransfer::CopyTxSegment()
{
    std::size_t n = static_cast<std::size_t>(TxDataLen - TxSent);
    if (n < kSegmentSize + 1)
        LastTxSegment = true;
    else
        n = kSegmentSize;
    std::fill(TxFrame.begin() + kDataOffset, TxFrame.begin() + kCrcOffset, std::uint8_t{0});
    std::copy_n(TxData.begin() + TxSent, n, TxFrame.begin() + kDataOffset);
    TxSent = static_cast<std::uint16_t>(TxSent + n);
}

void SegmentedTransfer::FinishRequestFrame()
{
    CopyTxSegment();
    TransferState = TxSegmentSent;
    if (LastTxSegment)
        TransferFlags |= kFlagLast;
    TxFrame[off::Flags] = TransferFlags;
    Put16(TxFrame, off::TotalLength, TxDataLen);
    SetCRC(TxFrame);
}

bool SegmentedTransfer::SendNextFrame()
{
    switch (TransferState) {
    case Start:
        TxSent = 0;
        Put16(TxFrame, off::SegmentOffset, 0);
        LastTxSegment = false;
        LastRxSegment = false;
        FinishRequestFrame();
        return true;
    case NextTxSegment:
        TransferFlags = 0;
        Put16(TxFrame, off::SegmentOffset, TxSent);
        FinishRequestFrame();
        return true;
    case AskRxSegment:
        // The data bytes still hold the last request segment; only the header changes.
        TransferFlags = kFlagAskReply;
        Put16(TxFrame, off::SegmentOffset, RxReceived);
        TxFrame[off::Flags] = kFlagAskReply;
        Put16(TxFrame, off::TotalLength, TxDataLen);
        TransferState = WaitRxSegment;
        SetCRC(TxFrame);
        return true;
    default:
        return false;
    }
}

void SegmentedTransfer::CopyRxSegment(const Frame& reply)
{
    RxReceived = Get16(reply, off::SegmentOffset);
    int n = static_cast<int>(RxDataSize) - static_cast<int>(RxReceived);
    if (n < static_cast<int>(kSegmentSize) + 1)
        LastRxSegment = true;
    else
        n = static_cast<int>(kSegmentSize);
    for (int i = 0; i < n; ++i) {
        if (RxReceived < kMaxReply)
            RxData[RxReceived] = reply[kDataOffset + static_cast<std::size_t>(i)];
        ++RxReceived;
    }
}

SegmentedTransfer::StepResult SegmentedTransfer::RxTransferStep(const Frame& reply)
{
    if (TransferState == TxSegmentSent) {
        if ((TransferFlags & kFlagLast) == 0) {
            TransferState = NextTxSegment;
            SendNextFrame();
            return StepResult::SendFrame;
        }
        RxDataSize = Get16(reply, off::TotalLength);
        if (RxDataSize > kMaxReply)
            return StepResult::Oversize;
    } else if (TransferState == WaitRxSegment) {
        RxDataSize = Get16(reply, off::TotalLength);
    } else {
        return StepResult::Ignored;
    }
    CopyRxSegment(reply);
    if (LastRxSegment) {
        RxReadIndex = 0;
        return StepResult::Complete;
    }
    TransferState = AskRxSegment;
    SendNextFrame();
    return StepResult::SendFrame;
}
