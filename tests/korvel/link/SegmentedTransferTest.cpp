#include "LinkTestSupport.h"
#include "korvel/link/SegmentedTransfer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

using namespace qs;
using namespace korvel;

using namespace mbu3;
using linktest::Bytes;
using linktest::Hex;
using Result = SegmentedTransfer::StepResult;

namespace {

constexpr std::uint16_t kType = 0x0203;

std::unique_ptr<SegmentedTransfer> Started(std::uint8_t command, const Bytes& request)
{
    auto t = std::make_unique<SegmentedTransfer>();
    t->Begin(command, kType);
    for (std::uint8_t b : request)
        t->Request().PutByte(b);
    return t;
}

// The request header bytes 0-6 and 12-15 as every frame of a request to kType carries them.
std::string HeaderHex(std::uint8_t command)
{
    Frame f{};
    BuildTxHeader(f, kType, command, kLowestFirmware, kHighestFirmware);
    return Hex(f, 0, 7) + " | " + Hex(f, 12, 4);
}

// A reply header that echoes the command of the request under way.
linktest::ReplyHeader For(const SegmentedTransfer& t)
{
    linktest::ReplyHeader h;
    h.echo = t.TxFrame[off::Command];
    return h;
}

std::string FixedHeaderOf(const Frame& f)
{
    return Hex(f, 0, 7) + " | " + Hex(f, 12, 4);
}

bool CrcHolds(Frame f)
{
    return CheckCRC(f);
}

}  // namespace

// ---- request side -------------------------------------------------------------------------

TEST(SegmentedTransferRequest, FirstFrameOfA47ByteRequestByteForByte)
{
    auto t = Started(109, linktest::Counting(47));
    ASSERT_TRUE(t->SendNextFrame());
    EXPECT_EQ(t->TransferState, SegmentedTransfer::TxSegmentSent);
    EXPECT_EQ(Hex(t->TxFrame, 0, 64),
              "03 02 BD 1D 83 1E 6D 01 2F 00 00 00 17 9E 5A 3C "
              "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 "
              "18 19 1A 1B 1C 1D 1E 1F 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E "
              "C7 B2");

    // Its reply is only an acknowledgement: the second segment follows, zero-padded.
    linktest::ReplyHeader ack = For(*t);
    ack.total = 0xFFFF;  // would be refused if it were read
    ack.offset = 46;     // the request bytes received
    EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(ack)), Result::SendFrame);
    EXPECT_EQ(Hex(t->TxFrame, 0, 64),
              "03 02 BD 1D 83 1E 6D 02 2F 00 2E 00 17 9E 5A 3C "
              "2F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "CC A2");
}

TEST(SegmentedTransferRequest, RequestsAreCutInto46ByteSegments)
{
    struct Seg {
        std::uint8_t flags;
        std::uint16_t offset;
        std::size_t count;
    };
    struct Row {
        std::size_t length;
        std::vector<Seg> frames;
    };
    const Row rows[] = {
        {0, {{0x03, 0, 0}}},
        {1, {{0x03, 0, 1}}},
        {46, {{0x03, 0, 46}}},
        {47, {{0x01, 0, 46}, {0x02, 46, 1}}},
        {92, {{0x01, 0, 46}, {0x02, 46, 46}}},
        {139, {{0x01, 0, 46}, {0x00, 46, 46}, {0x00, 92, 46}, {0x02, 138, 1}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("request of " + std::to_string(row.length) + " bytes");
        const Bytes request = linktest::Counting(row.length, 0x31);
        auto t = Started(131, request);
        linktest::FakeDevice device;
        EXPECT_EQ(linktest::Exchange(*t, device), Result::Complete);
        ASSERT_EQ(device.requests.size(), row.frames.size());
        for (std::size_t i = 0; i < row.frames.size(); ++i) {
            SCOPED_TRACE("frame " + std::to_string(i));
            const Frame& f = device.requests[i];
            const Seg& s = row.frames[i];
            EXPECT_EQ(FixedHeaderOf(f), HeaderHex(131));
            EXPECT_EQ(f[off::Flags], s.flags);
            EXPECT_EQ(Get16(f, off::TotalLength), row.length);
            EXPECT_EQ(Get16(f, off::SegmentOffset), s.offset);
            Bytes data(request.begin() + s.offset, request.begin() + s.offset + s.count);
            data.resize(kSegmentSize, 0);
            EXPECT_EQ(Hex(f, kDataOffset, kSegmentSize), Hex(data));
            EXPECT_TRUE(CrcHolds(f));
        }
    }
}

TEST(SegmentedTransferRequest, FullRequestStreamGoesOutIn357Frames)
{
    // 16383 = 356 * 46 + 7.
    Bytes request(SegmentedTransfer::kMaxRequest);
    for (std::size_t i = 0; i < request.size(); ++i)
        request[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    auto t = Started(109, request);
    EXPECT_FALSE(t->Request().Full());
    linktest::FakeDevice device;
    EXPECT_EQ(linktest::Exchange(*t, device), Result::Complete);
    ASSERT_EQ(device.requests.size(), 357u);

    Bytes sent;
    for (std::size_t i = 0; i < device.requests.size(); ++i) {
        const Frame& f = device.requests[i];
        const std::uint8_t flags = i == 0 ? 0x01 : i == 356 ? 0x02 : 0x00;
        ASSERT_EQ(f[off::Flags], flags) << "frame " << i;
        ASSERT_EQ(Hex(f, off::TotalLength, 2), "FF 3F") << "frame " << i;
        ASSERT_EQ(Get16(f, off::SegmentOffset), i * 46) << "frame " << i;
        sent.insert(sent.end(), f.begin() + 16, f.begin() + 62);
    }
    // The last frame: 7 bytes at offset 16376, 39 bytes of zero padding.
    EXPECT_EQ(Hex(device.requests.back(), 10, 2), "F8 3F");
    EXPECT_EQ(Hex(device.requests.back(), 23, 39), Hex(Bytes(39, 0)));
    sent.resize(request.size());
    EXPECT_TRUE(sent == request);
}

TEST(SegmentedTransferRequest, SendNextFrameDoesNothingWhenNoFrameIsDue)
{
    for (std::uint8_t state : {SegmentedTransfer::Idle, SegmentedTransfer::TxSegmentSent,
                               SegmentedTransfer::WaitRxSegment}) {
        auto t = Started(109, linktest::Counting(60));
        t->TxFrame.fill(0x5A);
        t->TransferState = state;
        EXPECT_FALSE(t->SendNextFrame()) << int(state);
        EXPECT_EQ(t->TransferState, state);
        EXPECT_EQ(Hex(t->TxFrame, 0, 64), Hex(Bytes(64, 0x5A))) << int(state);
    }
}

TEST(SegmentedTransferRequest, BeginStartsAFreshRequestAfterAnAbortedOne)
{
    // A time-out in the middle of a 139-byte request; the next request starts from frame 1.
    auto t = Started(109, linktest::Counting(139));
    ASSERT_TRUE(t->SendNextFrame());
    linktest::ReplyHeader ack = For(*t);
    ack.offset = 46;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(ack)), Result::SendFrame);
    t->TransferIdle();
    EXPECT_EQ(t->TransferState, SegmentedTransfer::Idle);

    t->Begin(101, kType);
    EXPECT_EQ(t->TransferState, SegmentedTransfer::Start);
    EXPECT_EQ(t->TxDataLen(), 0);
    ASSERT_TRUE(t->SendNextFrame());
    EXPECT_EQ(Hex(t->TxFrame, 6, 6), "65 03 00 00 00 00");
    EXPECT_EQ(Hex(t->TxFrame, 16, 46), Hex(Bytes(46, 0)));
    EXPECT_TRUE(CrcHolds(t->TxFrame));
}

// ---- reply side ---------------------------------------------------------------------------

TEST(SegmentedTransferReply, RepliesAreAskedForSegmentBySegment)
{
    struct Row {
        std::size_t length;
        std::vector<std::uint16_t> askedCounts;  // received counts of the flags-4 frames
    };
    const Row rows[] = {
        {0, {}},
        {1, {}},
        {46, {}},
        {47, {46}},
        {92, {46}},
        {139, {46, 92, 138}},
        {SegmentedTransfer::kMaxReply, {}},  // filled in below: 46, 92, ... 16376
    };
    // The request: 50 bytes, so its last segment holds 4 bytes (47..50) at offset 46.
    const Bytes request = linktest::Counting(50);
    Bytes lastSegment(request.begin() + 46, request.end());
    lastSegment.resize(kSegmentSize, 0);

    for (const Row& row : rows) {
        SCOPED_TRACE("reply of " + std::to_string(row.length) + " bytes");
        std::vector<std::uint16_t> asked = row.askedCounts;
        if (row.length == SegmentedTransfer::kMaxReply)
            for (std::uint16_t n = 46; n < row.length; n += 46)
                asked.push_back(n);

        auto t = Started(131, request);
        t->RxData.fill(0xEE);
        linktest::FakeDevice device;
        device.replyData = linktest::Counting(row.length, 0x80);
        ASSERT_EQ(linktest::Exchange(*t, device), Result::Complete);

        ASSERT_EQ(device.requests.size(), 2 + asked.size());
        for (std::size_t i = 0; i < asked.size(); ++i) {
            SCOPED_TRACE("flags-4 frame " + std::to_string(i));
            const Frame& f = device.requests[2 + i];
            EXPECT_EQ(FixedHeaderOf(f), HeaderHex(131));
            EXPECT_EQ(f[off::Flags], 0x04);
            EXPECT_EQ(Hex(f, off::TotalLength, 2), "32 00");  // the request's length, 50
            EXPECT_EQ(Get16(f, off::SegmentOffset), asked[i]);
            EXPECT_EQ(Hex(f, kDataOffset, kSegmentSize), Hex(lastSegment));
            EXPECT_TRUE(CrcHolds(f));
        }
        EXPECT_EQ(t->RxDataSize, row.length);
        EXPECT_EQ(t->RxReceived, row.length);
        EXPECT_TRUE(
            std::equal(device.replyData.begin(), device.replyData.end(), t->RxData.begin()));
        if (row.length < SegmentedTransfer::kMaxReply) {
            EXPECT_EQ(t->RxData[row.length], 0xEE) << "nothing stored past the reply";
        }
        ByteReader reply = t->Reply();
        for (std::uint8_t expected : device.replyData)
            ASSERT_EQ(reply.GetByte(), expected);
        EXPECT_EQ(reply.GetByte(), 0);
        EXPECT_EQ(reply.Position(), row.length);
    }
}

TEST(SegmentedTransferReply, A139ByteReplyFrameByFrame)
{
    // Settings read: empty request, so the flags-4 frames carry zero data bytes.
    auto t = Started(131, {});
    ASSERT_TRUE(t->SendNextFrame());
    EXPECT_EQ(Hex(t->TxFrame, 6, 6), "83 03 00 00 00 00");

    const Bytes reply = linktest::Counting(139, 0x10);
    const std::span<const std::uint8_t> r(reply);
    linktest::ReplyHeader h = For(*t);
    h.echo = 131;
    h.total = 139;

    h.offset = 0;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, r.subspan(0))), Result::SendFrame);
    EXPECT_EQ(t->TransferState, SegmentedTransfer::WaitRxSegment);
    EXPECT_EQ(Hex(t->TxFrame, 0, 16), "03 02 BD 1D 83 1E 83 04 00 00 2E 00 17 9E 5A 3C");
    EXPECT_EQ(Hex(t->TxFrame, 16, 46), Hex(Bytes(46, 0)));

    h.offset = 46;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, r.subspan(46))), Result::SendFrame);
    EXPECT_EQ(Hex(t->TxFrame, 7, 5), "04 00 00 5C 00");

    h.offset = 92;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, r.subspan(92))), Result::SendFrame);
    EXPECT_EQ(Hex(t->TxFrame, 7, 5), "04 00 00 8A 00");

    h.offset = 138;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, r.subspan(138))), Result::Complete);
    EXPECT_EQ(t->RxReceived, 139);
    EXPECT_TRUE(std::equal(reply.begin(), reply.end(), t->RxData.begin()));
}

TEST(SegmentedTransferReply, OnlyTheAnnouncedPartOfASegmentIsStored)
{
    // The last segment of a 47-byte reply carries one byte; the 45 bytes after it in the
    // frame are not copied.
    auto t = Started(110, {});
    ASSERT_TRUE(t->SendNextFrame());
    t->RxData.fill(0xEE);
    linktest::ReplyHeader h = For(*t);
    h.total = 47;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))), Result::SendFrame);
    h.offset = 46;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46, 0x90))),
              Result::Complete);
    EXPECT_EQ(Hex(Bytes(t->RxData.begin() + 44, t->RxData.begin() + 49)), "2D 2E 90 EE EE");
}

TEST(SegmentedTransferReply, OversizeReplyStoresNothing)
{
    struct Row {
        std::uint16_t total;
        Result result;
    };
    const Row rows[] = {
        {16384, Result::SendFrame},  // the largest reply is accepted
        {16385, Result::Oversize},
        {0xFFFF, Result::Oversize},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.total);
        auto t = Started(131, {});
        ASSERT_TRUE(t->SendNextFrame());
        t->RxData.fill(0xEE);
        const Frame sent = t->TxFrame;
        linktest::ReplyHeader h = For(*t);
        h.total = row.total;
        EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))), row.result);
        EXPECT_EQ(t->RxDataSize, row.total);
        if (row.result == Result::Oversize) {
            EXPECT_EQ(t->RxReceived, 0);
            EXPECT_EQ(t->RxData[0], 0xEE);
            EXPECT_TRUE(std::all_of(t->RxData.begin(), t->RxData.end(),
                                    [](std::uint8_t b) { return b == 0xEE; }));
            EXPECT_EQ(t->TxFrame, sent) << "no further frame";
            // Whatever a caller reads now comes from no stored reply.
            ByteReader reply = t->Reply();
            for (int i = 0; i < 100; ++i)
                reply.GetByte();
            EXPECT_LE(reply.Position(), SegmentedTransfer::kMaxReply);
        } else {
            EXPECT_EQ(t->RxData[0], 0x01);
            EXPECT_EQ(t->RxReceived, 46);
        }
    }
}

TEST(SegmentedTransferReply, SegmentReachingPastTheBufferDropsTheExcess)
{
    // The steps keep one total of at most 16384 bytes per transfer; should a transfer still
    // be left with a larger one, a segment that straddles the end keeps only the part inside
    // the buffer.
    auto t = Started(131, {});
    ASSERT_TRUE(t->SendNextFrame());
    linktest::ReplyHeader h = For(*t);
    h.total = 16384;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))), Result::SendFrame);
    // Skip ahead: the host has received all but the last 14 bytes and asks for them, with a
    // total past the buffer.
    t->RxReceived = 16370;
    t->RxDataSize = 20000;
    t->TransferState = SegmentedTransfer::AskRxSegment;
    ASSERT_TRUE(t->SendNextFrame());
    ASSERT_EQ(t->TransferState, SegmentedTransfer::WaitRxSegment);

    h.total = 20000;
    h.offset = 16370;
    EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46, 0x40))),
              Result::SendFrame);
    EXPECT_EQ(Hex(Bytes(t->RxData.begin() + 16368, t->RxData.end())),
              "00 00 40 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D");
    EXPECT_EQ(t->RxReceived, 16416);
    EXPECT_EQ(Hex(t->TxFrame, 7, 5), "04 00 00 20 40");  // asks on from 16416

    // The last segment lies wholly beyond: nothing is stored, the reply completes.
    h.offset = 16416;
    t->RxDataSize = 16426;
    h.total = 16426;
    EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, Bytes(46, 0x77))), Result::Complete);
    EXPECT_EQ(t->RxData.back(), 0x4D);
    // Reading stops at the buffer's end, not at the announced length.
    ByteReader reply = t->Reply();
    EXPECT_EQ(reply.Size(), 16384u);
    std::array<std::uint8_t, 16382> skipped{};
    reply.GetBytes(skipped);
    EXPECT_EQ(reply.GetWord(), 0x4D4C);
    EXPECT_EQ(reply.GetCardinal(), 0u);
    EXPECT_EQ(reply.Position(), 16384u);
}

TEST(SegmentedTransferReply, ALaterSegmentAnnouncingAnotherTotalIsDropped)
{
    // The first segment announces 100 bytes; the reply to the request for the second one
    // announces another total. It answers no frame of this transfer: nothing is stored,
    // nothing more is asked for, and the segment with the first total still completes it.
    const std::uint16_t totals[] = {20000, 16384, 101, 99, 47, 10, 0};
    for (const std::uint16_t other : totals) {
        SCOPED_TRACE(other);
        auto t = Started(131, {});
        ASSERT_TRUE(t->SendNextFrame());
        t->RxData.fill(0xEE);
        linktest::ReplyHeader h = For(*t);
        h.total = 100;
        ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))),
                  Result::SendFrame);
        const Frame asked = t->TxFrame;
        EXPECT_EQ(Hex(asked, 7, 5), "04 00 00 2E 00");

        h.total = other;
        h.offset = 46;
        EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, Bytes(46, 0x77))), Result::Dropped);
        EXPECT_EQ(t->TransferState, SegmentedTransfer::WaitRxSegment);
        EXPECT_EQ(t->RxDataSize, 100);
        EXPECT_EQ(t->RxReceived, 46);
        EXPECT_EQ(t->RxData[46], 0xEE);
        EXPECT_EQ(t->TxFrame, asked) << "nothing is asked for";

        h.total = 100;
        ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46, 0x50))),
                  Result::SendFrame);
        EXPECT_EQ(Hex(t->TxFrame, 7, 5), "04 00 00 5C 00");
        h.offset = 92;
        ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46, 0x90))),
                  Result::Complete);
        EXPECT_EQ(t->RxReceived, 100);
        EXPECT_EQ(Hex(Bytes(t->RxData.begin() + 44, t->RxData.begin() + 48)), "2D 2E 50 51");
        EXPECT_EQ(Hex(Bytes(t->RxData.begin() + 90, t->RxData.begin() + 101)),
                  "7C 7D 90 91 92 93 94 95 96 97 EE");
    }
}

TEST(SegmentedTransferRequest, AnAcknowledgementCountsTheRequestBytesSent)
{
    // A 139-byte request: its first three segments are acknowledged with the received counts
    // 46, 92 and 138. Any other count (a late acknowledgement of an earlier request, or the
    // late reply to its last segment, which carries reply offset 0) lets nothing out.
    auto t = Started(109, linktest::Counting(139));
    ASSERT_TRUE(t->SendNextFrame());
    for (const std::uint16_t count : {46, 92, 138}) {
        SCOPED_TRACE(count);
        const Frame inFlight = t->TxFrame;
        EXPECT_EQ(Get16(inFlight, off::SegmentOffset), count - 46);
        linktest::ReplyHeader ack = For(*t);
        for (const int other : {0, count - 46, count - 1, count + 1, count + 46}) {
            ack.offset = static_cast<std::uint16_t>(other);
            EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(ack)), Result::Dropped) << other;
            EXPECT_EQ(t->TransferState, SegmentedTransfer::TxSegmentSent);
            EXPECT_EQ(t->TxFrame, inFlight);
        }
        ack.offset = count;
        ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(ack)), Result::SendFrame);
        EXPECT_EQ(Get16(t->TxFrame, off::SegmentOffset), count);
    }
    EXPECT_EQ(t->TxFrame[off::Flags], kFlagLast);
}

TEST(SegmentedTransferReply, SegmentAtOrBeyondTheAnnouncedEndCompletesWithoutCopying)
{
    // A transfer left with a received count at its announced total (by a caller's state):
    // the segment asked for there lies at the end, and completes the reply with nothing
    // copied.
    auto t = Started(131, {});
    ASSERT_TRUE(t->SendNextFrame());
    linktest::ReplyHeader h = For(*t);
    h.total = 100;
    ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))), Result::SendFrame);
    t->RxData.fill(0xEE);
    t->RxDataSize = 10;
    h.total = 10;
    h.offset = 46;
    EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))), Result::Complete);
    EXPECT_EQ(t->RxReceived, 46);
    EXPECT_TRUE(
        std::all_of(t->RxData.begin(), t->RxData.end(), [](std::uint8_t b) { return b == 0xEE; }));
}

TEST(SegmentedTransferReply, StepIsIgnoredWhenNoReplyIsAwaited)
{
    for (std::uint8_t state : {SegmentedTransfer::Idle, SegmentedTransfer::Start,
                               SegmentedTransfer::NextTxSegment, SegmentedTransfer::AskRxSegment}) {
        SCOPED_TRACE(int(state));
        auto t = Started(131, linktest::Counting(10));
        ASSERT_TRUE(t->SendNextFrame());
        t->RxData.fill(0xEE);
        t->RxDataSize = 3;
        t->RxReceived = 2;
        t->TransferState = state;
        const Frame sent = t->TxFrame;
        const std::uint8_t flags = t->TransferFlags;

        linktest::ReplyHeader h = For(*t);
        h.total = 5;
        EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))),
                  Result::Ignored);
        EXPECT_EQ(t->TransferState, state);
        EXPECT_EQ(t->TransferFlags, flags);
        EXPECT_EQ(t->RxDataSize, 3);
        EXPECT_EQ(t->RxReceived, 2);
        EXPECT_EQ(t->RxData[0], 0xEE);
        EXPECT_EQ(t->TxFrame, sent);
    }
}

TEST(SegmentedTransferReply, RepliesThatDoNotAnswerTheFrameInFlightAreDropped)
{
    struct Row {
        const char* name;
        bool askSecond;        // the reply comes to a request for the second segment
        std::uint8_t echo;     // 0: the command's own
        std::uint16_t offset;  // the reply's segment offset
        Result result;
    };
    const Row rows[] = {
        {"first segment", false, 0, 0, Result::SendFrame},
        {"another command's reply", false, 101, 0, Result::Dropped},
        {"first reply at another offset", false, 0, 46, Result::Dropped},
        {"segment asked for", true, 0, 46, Result::Complete},
        {"segment asked for, other echo", true, 101, 46, Result::Dropped},
        {"segment at offset 0 again", true, 0, 0, Result::Dropped},
        {"segment further on", true, 0, 92, Result::Dropped},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto t = Started(131, {});
        ASSERT_TRUE(t->SendNextFrame());
        linktest::ReplyHeader h = For(*t);
        h.total = 60;
        if (row.askSecond) {
            ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))),
                      Result::SendFrame);
        }
        const Frame sent = t->TxFrame;
        const std::uint8_t state = t->TransferState;
        const std::uint16_t received = t->RxReceived;
        if (row.echo != 0)
            h.echo = row.echo;
        h.offset = row.offset;
        EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46, 0x60))),
                  row.result);
        if (row.result == Result::Dropped) {
            EXPECT_EQ(t->TransferState, state);
            EXPECT_EQ(t->RxReceived, received);
            EXPECT_EQ(t->TxFrame, sent) << "nothing is asked for again";
        }
    }
}

TEST(SegmentedTransferReply, AReplyThatWouldNotEndWithin357SegmentsEndsTheTransfer)
{
    // A device whose every segment announces 46 bytes more than the last is held to the first
    // total: the second segment is dropped, and the frame in flight is left to its time-out.
    {
        auto t = Started(131, {});
        ASSERT_TRUE(t->SendNextFrame());
        linktest::ReplyHeader h = For(*t);
        h.total = 200;
        ASSERT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))),
                  Result::SendFrame);
        h.offset = 46;
        h.total = 246;
        EXPECT_EQ(t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46))),
                  Result::Dropped);
    }
    // With one total of 16384 bytes the reply ends in exactly 357 segments. A transfer left
    // with a larger total (by a caller's state) ends at the 357th segment all the same.
    for (const std::uint16_t total : {std::uint16_t{16384}, std::uint16_t{0xFFFF}}) {
        SCOPED_TRACE(total);
        auto t = Started(131, {});
        ASSERT_TRUE(t->SendNextFrame());
        linktest::ReplyHeader h = For(*t);
        h.total = 16384;
        Result r = t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46)));
        t->RxDataSize = total;
        h.total = total;
        int segments = 1;
        while (r == Result::SendFrame && segments < 1000) {
            h.offset = Get16(t->TxFrame, off::SegmentOffset);
            r = t->RxTransferStep(linktest::MakeReply(h, linktest::Counting(46)));
            ++segments;
        }
        EXPECT_EQ(r, total == 16384 ? Result::Complete : Result::Oversize);
        EXPECT_EQ(segments, SegmentedTransfer::kMaxReplySegments);
    }
    EXPECT_EQ(SegmentedTransfer::kMaxReplySegments, 357);
}
