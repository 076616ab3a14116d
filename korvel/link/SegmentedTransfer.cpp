#include "SegmentedTransfer.h"

#include <algorithm>

namespace korvel {

using namespace qs;

using namespace mbu3;

void SegmentedTransfer::Begin(std::uint8_t command, std::uint16_t requestedType)
{
    TransferState = Start;
    request_.Reset();
    TxSent = 0;
    RxReceived = 0;
    RxSegments = 0;
    TransferFlags = kFlagFirst;
    BuildTxHeader(TxFrame, requestedType, command, kLowestFirmware, kHighestFirmware);
}

ByteReader SegmentedTransfer::Reply() const
{
    // A reply segment may announce a larger total than the buffer holds: never read past it.
    const std::size_t end = std::min<std::size_t>(RxDataSize, kMaxReply);
    return ByteReader(std::span<const std::uint8_t>(RxData).first(end));
}

void SegmentedTransfer::CopyTxSegment()
{
    std::size_t n = static_cast<std::size_t>(TxDataLen() - TxSent);
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
    Put16(TxFrame, off::TotalLength, TxDataLen());
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
        Put16(TxFrame, off::TotalLength, TxDataLen());
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

bool SegmentedTransfer::AnswersFrameInFlight(const Frame& reply) const
{
    if (reply[off::Command] != TxFrame[off::Command])
        return false;
    const std::uint16_t offset = Get16(reply, off::SegmentOffset);
    if (TransferState == TxSegmentSent && (TransferFlags & kFlagLast) == 0) {
        // An acknowledgement names the request bytes the device has received: all sent so
        // far. A late acknowledgement of an earlier request (or the late reply to its last
        // segment) names another count and must not let the next segment out.
        return offset == TxSent;
    }
    if (TransferState == TxSegmentSent)
        return offset == 0;  // the reply's first segment
    if (TransferState != WaitRxSegment)
        return true;
    // A later segment: the one asked for, of the reply whose total the first segment
    // announced. Another total belongs to another reply.
    return offset == Get16(TxFrame, off::SegmentOffset) &&
           Get16(reply, off::TotalLength) == RxDataSize;
}

SegmentedTransfer::StepResult SegmentedTransfer::RxTransferStep(const Frame& reply)
{
    // A late reply to an earlier request, an acknowledgement of another count, or a segment
    // the host did not ask for must not move this request on: it is dropped, and the frame in
    // flight still waits for its own answer.
    if ((TransferState == TxSegmentSent || TransferState == WaitRxSegment) &&
        !AnswersFrameInFlight(reply))
        return StepResult::Dropped;
    if (TransferState == TxSegmentSent) {
        if ((TransferFlags & kFlagLast) == 0) {
            TransferState = NextTxSegment;
            SendNextFrame();
            return StepResult::SendFrame;
        }
        RxDataSize = Get16(reply, off::TotalLength);
        if (RxDataSize > kMaxReply)
            return StepResult::Oversize;
    } else if (TransferState != WaitRxSegment) {
        return StepResult::Ignored;
    }
    CopyRxSegment(reply);
    ++RxSegments;
    if (LastRxSegment)
        return StepResult::Complete;
    // Correct offsets and one total of at most 16384 bytes end a reply within 357 segments;
    // the cap keeps the link free whatever state the transfer was left in.
    if (RxSegments >= kMaxReplySegments)
        return StepResult::Oversize;
    TransferState = AskRxSegment;
    SendNextFrame();
    return StepResult::SendFrame;
}

}  // namespace korvel
