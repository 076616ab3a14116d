// Deterministic random exchanges against a model of the transfer: every step's result,
// every stored byte, every frame sent and every value read is predicted from the state
// before the call. Run also under AddressSanitizer, where any read or write past the
// 16384-byte streams stops the test.
#include "LinkTestSupport.h"
#include "korvel/link/SegmentedTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <span>

using namespace qs;
using namespace korvel;

using namespace mbu3;
using linktest::Bytes;
using linktest::Hex;
using Result = SegmentedTransfer::StepResult;

namespace {

constexpr int kIterations = 200000;

// splitmix64: the same sequence with every compiler and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }
    bool Chance(std::uint32_t oneIn) { return Below(oneIn) == 0; }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Next()); }

private:
    std::uint64_t s_;
};

// Byte ranges compared without building text unless they differ (the loop runs often).
::testing::AssertionResult SameBytes(std::span<const std::uint8_t> actual,
                                     std::span<const std::uint8_t> expected)
{
    if (std::equal(actual.begin(), actual.end(), expected.begin(), expected.end()))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Hex(actual) << "\n  expected\n" << Hex(expected);
}

std::span<const std::uint8_t> Range(const Frame& f, std::size_t at, std::size_t count)
{
    return std::span<const std::uint8_t>(f).subspan(at, count);
}

struct Snapshot {
    std::uint8_t state;
    std::uint8_t flags;
    bool lastRx;
    std::uint16_t txSent;
    std::uint16_t txLen;
    std::uint16_t rxSize;
    std::uint16_t rxReceived;
    std::uint16_t rxSegments;
    Frame frame;

    static Snapshot Of(const SegmentedTransfer& t)
    {
        return {t.TransferState, t.TransferFlags, t.LastRxSegment, t.TxSent, t.TxDataLen(),
                t.RxDataSize,    t.RxReceived,    t.RxSegments,    t.TxFrame};
    }
};

struct Counts {
    int starts = 0, txSegments = 0, rxAsks = 0, complete = 0, oversize = 0, ignored = 0;
    int dropped = 0, emptySegments = 0, gets = 0, overflows = 0, strayReplies = 0, segmentCaps = 0;
};

// The transfer under test and the model of what its streams must hold.
class Harness {
public:
    std::unique_ptr<SegmentedTransfer> t = std::make_unique<SegmentedTransfer>();
    Bytes rx = Bytes(kStreamSize, 0);  // RxData as it must be
    Bytes tx = Bytes(kStreamSize, 0);  // TxData as it must be
    std::uint16_t txLen = 0;
    Frame header{};  // bytes 0-6 and 12-15 hold those of the request under way
    Counts n;
    // The reply reader handed out after the last completion, and the end it was given.
    ByteReader reader;
    std::size_t readerEnd = 0;

    void NewReader()
    {
        reader = t->Reply();
        readerEnd = std::min<std::size_t>(t->RxDataSize, kStreamSize);
    }

    void Start(Rng& rng)
    {
        const std::uint8_t command = rng.Byte();
        const std::uint16_t type = rng.Word();
        std::size_t length = rng.Below(140);
        if (rng.Chance(40))
            length = rng.Below(3000);
        if (rng.Chance(700))
            length = 16370 + rng.Below(30);
        t->Begin(command, type);
        EXPECT_EQ(t->TransferState, SegmentedTransfer::Start);
        EXPECT_EQ(t->TxDataLen(), 0);
        txLen = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const std::uint8_t b = rng.Byte();
            t->Request().PutByte(b);
            tx[txLen] = b;
            if (txLen < SegmentedTransfer::kMaxRequest)
                ++txLen;
        }
        EXPECT_EQ(t->Request().Full(), length > SegmentedTransfer::kMaxRequest);
        n.overflows += length > SegmentedTransfer::kMaxRequest;
        EXPECT_EQ(t->TxDataLen(), txLen);
        BuildTxHeader(header, type, command, kLowestFirmware, kHighestFirmware);
        Send();
        ++n.starts;
    }

    // SendNextFrame, checked against the state before it.
    void Send()
    {
        const Snapshot pre = Snapshot::Of(*t);
        const bool sent = t->SendNextFrame();
        CheckSend(pre, sent);
    }

    void CheckSend(const Snapshot& pre, bool sent)
    {
        switch (pre.state) {
        case SegmentedTransfer::Start:
        case SegmentedTransfer::NextTxSegment: {
            ASSERT_TRUE(sent);
            const std::uint16_t at = pre.state == SegmentedTransfer::Start ? 0 : pre.txSent;
            const std::uint16_t left = static_cast<std::uint16_t>(pre.txLen - at);
            const bool last = left <= kSegmentSize;
            const std::size_t count = last ? left : kSegmentSize;
            std::uint8_t flags = pre.state == SegmentedTransfer::Start ? pre.flags : 0;
            if (last)
                flags |= kFlagLast;
            EXPECT_EQ(t->TransferState, SegmentedTransfer::TxSegmentSent);
            EXPECT_EQ(t->TransferFlags, flags);
            EXPECT_EQ(t->TxSent, at + count);
            EXPECT_EQ(t->TxFrame[off::Flags], flags);
            EXPECT_EQ(Get16(t->TxFrame, off::TotalLength), pre.txLen);
            EXPECT_EQ(Get16(t->TxFrame, off::SegmentOffset), at);
            std::array<std::uint8_t, kSegmentSize> data{};
            std::copy_n(tx.begin() + at, count, data.begin());
            EXPECT_TRUE(SameBytes(Range(t->TxFrame, kDataOffset, kSegmentSize), data));
            ++n.txSegments;
            break;
        }
        case SegmentedTransfer::AskRxSegment:
            ASSERT_TRUE(sent);
            EXPECT_EQ(t->TransferState, SegmentedTransfer::WaitRxSegment);
            EXPECT_EQ(t->TransferFlags, kFlagAskReply);
            EXPECT_EQ(t->TxFrame[off::Flags], kFlagAskReply);
            EXPECT_EQ(Get16(t->TxFrame, off::TotalLength), pre.txLen);
            EXPECT_EQ(Get16(t->TxFrame, off::SegmentOffset), pre.rxReceived);
            EXPECT_TRUE(SameBytes(Range(t->TxFrame, kDataOffset, kSegmentSize),
                                  Range(pre.frame, kDataOffset, kSegmentSize)));
            ++n.rxAsks;
            break;
        default:
            EXPECT_FALSE(sent);
            EXPECT_EQ(t->TransferState, pre.state);
            EXPECT_EQ(t->TxFrame, pre.frame);
            return;
        }
        EXPECT_TRUE(SameBytes(Range(t->TxFrame, 0, 7), Range(header, 0, 7)));
        EXPECT_TRUE(SameBytes(Range(t->TxFrame, 12, 4), Range(header, 12, 4)));
        // The CRC itself is pinned by the frame tests; a sample keeps the loop quick.
        if ((n.txSegments + n.rxAsks) % 8 == 0) {
            Frame copy = t->TxFrame;
            EXPECT_TRUE(CheckCRC(copy));
        }
    }

    // RxTransferStep, checked against the state before it. Answers the result.
    Result Step(const Frame& reply)
    {
        const Snapshot pre = Snapshot::Of(*t);
        const Result r = t->RxTransferStep(reply);
        const std::uint16_t total = Get16(reply, off::TotalLength);

        if (pre.state != SegmentedTransfer::TxSegmentSent &&
            pre.state != SegmentedTransfer::WaitRxSegment) {
            EXPECT_EQ(r, Result::Ignored);
            EXPECT_EQ(t->TransferState, pre.state);
            EXPECT_EQ(t->RxDataSize, pre.rxSize);
            EXPECT_EQ(t->RxReceived, pre.rxReceived);
            EXPECT_EQ(t->TxFrame, pre.frame);
            ++n.ignored;
            return r;
        }
        // A reply that does not answer the frame in flight changes nothing: another echo, an
        // acknowledgement of another received count than the request bytes sent, a segment
        // at another offset than asked for, or a later segment announcing another total.
        const bool acknowledges =
            pre.state == SegmentedTransfer::TxSegmentSent && (pre.flags & kFlagLast) == 0;
        const bool later = pre.state == SegmentedTransfer::WaitRxSegment;
        const std::uint16_t expected = acknowledges ? pre.txSent
                                       : later      ? Get16(pre.frame, off::SegmentOffset)
                                                    : 0;
        if (reply[off::Command] != pre.frame[off::Command] ||
            Get16(reply, off::SegmentOffset) != expected || (later && total != pre.rxSize)) {
            EXPECT_EQ(r, Result::Dropped);
            EXPECT_EQ(t->TransferState, pre.state);
            EXPECT_EQ(t->RxDataSize, pre.rxSize);
            EXPECT_EQ(t->RxReceived, pre.rxReceived);
            EXPECT_EQ(t->TxFrame, pre.frame);
            ++n.strayReplies;
            return r;
        }
        if (pre.state == SegmentedTransfer::TxSegmentSent && (pre.flags & kFlagLast) == 0) {
            // The reply only acknowledges a request segment: the next one goes out.
            EXPECT_EQ(r, Result::SendFrame);
            EXPECT_EQ(t->RxDataSize, pre.rxSize);
            Snapshot asked = pre;
            asked.state = SegmentedTransfer::NextTxSegment;
            CheckSend(asked, true);
            return r;
        }
        EXPECT_EQ(t->RxDataSize, total);
        if (pre.state == SegmentedTransfer::TxSegmentSent && total > kStreamSize) {
            EXPECT_EQ(r, Result::Oversize);
            EXPECT_EQ(t->RxReceived, pre.rxReceived);
            EXPECT_EQ(t->TxFrame, pre.frame);
            ++n.oversize;
            return r;
        }
        // The segment: at most 46 bytes, fewer when it ends the announced reply; bytes at
        // 16384 or beyond are dropped.
        const std::uint16_t at = Get16(reply, off::SegmentOffset);
        int count = int(total) - int(at);
        const bool lastNow = count <= int(kSegmentSize);
        if (!lastNow)
            count = int(kSegmentSize);
        for (int i = 0; i < count; ++i) {
            const std::size_t pos = std::size_t(at) + std::size_t(i);
            if (pos < kStreamSize)
                rx[pos] = reply[kDataOffset + std::size_t(i)];
            else
                ++n.dropped;
        }
        n.emptySegments += count <= 0;
        const std::uint16_t received = static_cast<std::uint16_t>(at + std::max(count, 0));
        EXPECT_EQ(t->RxReceived, received);
        // The copied window, read back at once (the whole buffer is compared now and then).
        for (int i = 0; i < std::min(count, int(kSegmentSize)); ++i) {
            const std::size_t pos = std::size_t(at) + std::size_t(i);
            if (pos < kStreamSize && t->RxData[pos] != rx[pos]) {
                ADD_FAILURE() << "RxData[" << pos << "]";
                break;
            }
        }
        if (pre.lastRx || lastNow) {
            EXPECT_EQ(r, Result::Complete);
            NewReader();
            EXPECT_EQ(reader.Position(), 0u);
            EXPECT_EQ(t->TxFrame, pre.frame);
            ++n.complete;
            return r;
        }
        EXPECT_EQ(t->RxSegments, pre.rxSegments + 1);
        if (pre.rxSegments + 1 >= SegmentedTransfer::kMaxReplySegments) {
            // A reply that would not end within 357 segments ends the transfer.
            EXPECT_EQ(r, Result::Oversize);
            EXPECT_EQ(t->TxFrame, pre.frame);
            ++n.segmentCaps;
            return r;
        }
        EXPECT_EQ(r, Result::SendFrame);
        Snapshot next = pre;
        next.state = SegmentedTransfer::AskRxSegment;
        next.rxReceived = received;
        CheckSend(next, true);
        return r;
    }

    // Random gets, each compared with the model.
    void Gets(Rng& rng, int count)
    {
        for (int i = 0; i < count; ++i) {
            const std::size_t before = reader.Position();
            std::size_t index = before;
            const std::size_t end = readerEnd;
            auto next = [&]() -> std::uint32_t {
                if (index >= end)
                    return 0;
                return rx[index++];
            };
            switch (rng.Below(6)) {
            case 0:
                EXPECT_EQ(reader.GetByte(), next());
                break;
            case 1: {
                const std::uint32_t lo = next();
                EXPECT_EQ(reader.GetWord(), lo | (next() << 8));
                break;
            }
            case 2: {
                std::uint32_t v = next();
                v |= next() << 8;
                v |= next() << 16;
                v |= next() << 24;
                EXPECT_EQ(reader.GetCardinal(), v);
                break;
            }
            case 3: {
                std::uint32_t v = next();
                v |= next() << 8;
                v |= next() << 16;
                v |= next() << 24;
                EXPECT_EQ(std::bit_cast<std::uint32_t>(reader.GetSingle()), v);
                break;
            }
            case 4: {
                std::uint32_t v = next();
                v |= next() << 8;
                v |= next() << 16;
                v |= next() << 24;
                EXPECT_EQ(reader.GetInteger(), static_cast<std::int32_t>(v));
                break;
            }
            default:
                EXPECT_EQ(reader.GetBoolean(), next() != 0);
                break;
            }
            EXPECT_EQ(reader.Position(), index);
            if (before <= end) {
                EXPECT_LE(reader.Position(), end);
            }
            ++n.gets;
        }
    }

    void CheckWholeBuffers()
    {
        EXPECT_TRUE(std::equal(rx.begin(), rx.end(), t->RxData.begin())) << "RxData";
        EXPECT_TRUE(std::equal(tx.begin(), tx.begin() + txLen, t->TxData.begin())) << "TxData";
    }
};

// A reply the device might send for the frame in flight: mostly the acknowledgement or the
// segment asked for, often something else. The step reads only bytes 8-11 and 16-61; the rest is
// noise (the CRC is checked before the step, so it is left random here).
Frame RandomReply(Rng& rng, const SegmentedTransfer& t, std::uint16_t plannedTotal)
{
    Frame f;
    for (std::size_t i = 0; i < kFrameSize; i += 8) {
        const std::uint64_t v = rng.Next();
        for (std::size_t k = 0; k < 8; ++k)
            f[i + k] = static_cast<std::uint8_t>(v >> (8 * k));
    }
    f[off::ErrorCode] = 0;
    // Mostly the echo of the command in flight; now and then a stray reply to another one.
    if (!rng.Chance(16))
        f[off::Command] = t.TxFrame[off::Command];
    // Mostly the total of the transfer: the planned one for its first segment, the one the
    // first announced for the later ones.
    const std::uint16_t usual =
        t.TransferState == SegmentedTransfer::WaitRxSegment ? t.RxDataSize : plannedTotal;
    const std::uint32_t pickTotal = rng.Below(16);
    const std::uint16_t total = pickTotal < 10   ? usual
                                : pickTotal < 12 ? rng.Word()
                                : pickTotal < 14 ? static_cast<std::uint16_t>(16381 + rng.Below(6))
                                : pickTotal < 15 ? 0
                                                 : static_cast<std::uint16_t>(rng.Below(100));
    // The offset field a proper answer carries: an acknowledgement's received count, or the
    // offset of the reply segment asked for.
    const bool acknowledges =
        t.TransferState == SegmentedTransfer::TxSegmentSent && (t.TransferFlags & kFlagLast) == 0;
    const std::uint16_t natural = acknowledges ? t.TxSent
                                  : t.TransferState == SegmentedTransfer::WaitRxSegment
                                      ? Get16(t.TxFrame, off::SegmentOffset)
                                      : 0;
    const std::uint32_t pickOffset = rng.Below(16);
    const std::uint16_t offset =
        pickOffset < 11   ? natural
        : pickOffset < 13 ? rng.Word()
        : pickOffset < 14 ? static_cast<std::uint16_t>(16384 - 46 + rng.Below(60))
        : pickOffset < 15 ? static_cast<std::uint16_t>(natural + rng.Below(5) - 2)
                          : static_cast<std::uint16_t>(total - rng.Below(50));
    Put16(f, off::TotalLength, total);
    Put16(f, off::SegmentOffset, offset);
    return f;
}

std::uint16_t PlannedReplyLength(Rng& rng)
{
    switch (rng.Below(10)) {
    case 0:
        return static_cast<std::uint16_t>(rng.Below(16385));
    case 1:
        return 16384;
    case 2:
        return static_cast<std::uint16_t>(16385 + rng.Below(100));
    case 3:
        return rng.Word();
    default:
        return static_cast<std::uint16_t>(rng.Below(300));
    }
}

}  // namespace

// The owner plays by the rules: requests start only when idle, error replies 1 to 7 and
// time-outs end the transfer, other codes leave it waiting, a complete reply is parsed.
TEST(SegmentedTransferFuzz, RandomExchangesFollowTheModel)
{
    Rng rng(0x4B6F7276656C0001ull);
    Harness h;
    std::uint16_t planned = 0;
    for (int iter = 0; iter < kIterations && !HasFailure(); ++iter) {
        SegmentedTransfer& t = *h.t;
        if (t.TransferState == SegmentedTransfer::Idle) {
            if (rng.Chance(4)) {
                h.Gets(rng, int(rng.Below(12)));
            } else {
                h.Start(rng);
                planned = PlannedReplyLength(rng);
            }
        } else if (rng.Chance(80)) {
            t.TransferIdle();  // time-out
        } else {
            const Frame reply = RandomReply(rng, t, planned);
            const std::uint8_t code = rng.Chance(20) ? rng.Byte() : 0;
            if (code >= 1 && code <= 7) {
                t.TransferIdle();
            } else if (code == 0) {
                const Result r = h.Step(reply);
                if (r == Result::Complete)
                    h.Gets(rng, int(rng.Below(60)));
                if (r == Result::Complete || r == Result::Oversize)
                    t.TransferIdle();
            }
        }
        ASSERT_LE(t.TxDataLen(), SegmentedTransfer::kMaxRequest);
        ASSERT_LE(t.TxSent, t.TxDataLen());
        ASSERT_LE(h.reader.Position(), h.readerEnd);
        if (iter % 64 == 0)
            h.CheckWholeBuffers();
    }
    h.CheckWholeBuffers();

    // The run reached every path it is meant to cover.
    const Counts& n = h.n;
    EXPECT_GT(n.starts, 1000);
    EXPECT_GT(n.txSegments, 1000);
    EXPECT_GT(n.rxAsks, 1000);
    EXPECT_GT(n.complete, 1000);
    EXPECT_GT(n.oversize, 100);
    EXPECT_GT(n.strayReplies, 1000);
    EXPECT_GT(n.emptySegments, 100);
    EXPECT_GT(n.gets, 10000);
    EXPECT_GT(n.overflows, 0);
}

// Any state, flag and counter a caller could leave behind: the step and the gets still keep
// to the model and never touch memory outside the streams.
TEST(SegmentedTransferFuzz, ArbitraryStatesStayInsideTheStreams)
{
    Rng rng(0x4B6F7276656C0002ull);
    Harness h;
    h.Start(rng);
    std::uint16_t planned = PlannedReplyLength(rng);
    for (int iter = 0; iter < kIterations && !HasFailure(); ++iter) {
        SegmentedTransfer& t = *h.t;
        switch (rng.Below(10)) {
        case 0:
            h.Start(rng);
            planned = PlannedReplyLength(rng);
            break;
        case 1:
            t.TransferState = static_cast<std::uint8_t>(rng.Below(6));
            if (rng.Chance(2)) {
                const std::uint8_t flags[] = {0, 1, 2, 3, 4, rng.Byte()};
                t.TransferFlags = flags[rng.Below(6)];
            }
            if (rng.Chance(3))
                t.LastRxSegment = rng.Chance(2);
            if (rng.Chance(3))
                t.RxReceived = rng.Word();
            if (rng.Chance(3))
                t.RxDataSize =
                    rng.Chance(2) ? rng.Word() : static_cast<std::uint16_t>(rng.Below(16400));
            if (rng.Chance(3))
                h.NewReader();
            break;
        case 2:
            h.Send();
            break;
        case 3:
            h.Gets(rng, int(rng.Below(20)));
            break;
        default:
            h.Step(RandomReply(rng, t, planned));
            break;
        }
        ASSERT_LE(t.TxSent, t.TxDataLen());
        if (iter % 64 == 0)
            h.CheckWholeBuffers();
    }
    h.CheckWholeBuffers();
    EXPECT_GT(h.n.ignored, 1000);
    EXPECT_GT(h.n.complete, 1000);
    EXPECT_GT(h.n.dropped, 100);  // bytes at 16384 or beyond
    EXPECT_GT(h.n.dropped, 100);
}
