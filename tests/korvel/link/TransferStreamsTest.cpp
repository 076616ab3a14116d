#include "LinkTestSupport.h"
#include "SegmentedTransfer.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <limits>
#include <memory>
#include <string>

using linktest::Bytes;
using linktest::Hex;

namespace {

std::unique_ptr<SegmentedTransfer> Fresh()
{
    auto t = std::make_unique<SegmentedTransfer>();
    t->Begin(109, 0);
    return t;
}

// Loads a reply stream directly, as if it had just been received.
void LoadReply(SegmentedTransfer& t, const Bytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), t.RxData.begin());
    t.RxDataSize = static_cast<std::uint16_t>(bytes.size());
    t.RxReadIndex = 0;
}

std::string Written(const SegmentedTransfer& t)
{
    return Hex(Bytes(t.TxData.begin(), t.TxData.begin() + t.TxDataLen));
}

}  // namespace

TEST(TransferStreams, PutsWriteLittleEndian)
{
    struct Row {
        const char* name;
        std::function<void(SegmentedTransfer&)> put;
        const char* bytes;
    };
    const Row rows[] = {
        {"byte", [](SegmentedTransfer& t) { t.PutByte(0xAB); }, "AB"},
        {"word", [](SegmentedTransfer& t) { t.PutWord(0x1234); }, "34 12"},
        {"word max", [](SegmentedTransfer& t) { t.PutWord(0xFFFE); }, "FE FF"},
        {"dword", [](SegmentedTransfer& t) { t.PutDWord(0x89ABCDEF); }, "EF CD AB 89"},
        {"cardinal", [](SegmentedTransfer& t) { t.PutCardinal(0x01020304); }, "04 03 02 01"},
        {"cardinal of -2", [](SegmentedTransfer& t) { t.PutCardinal(0xFFFFFFFE); }, "FE FF FF FF"},
        {"single 1", [](SegmentedTransfer& t) { t.PutSingle(1.0f); }, "00 00 80 3F"},
        {"single -2.5", [](SegmentedTransfer& t) { t.PutSingle(-2.5f); }, "00 00 20 C0"},
        {"single 0.1", [](SegmentedTransfer& t) { t.PutSingle(0.1f); }, "CD CC CC 3D"},
        {"single -0", [](SegmentedTransfer& t) { t.PutSingle(-0.0f); }, "00 00 00 80"},
        {"single inf",
         [](SegmentedTransfer& t) { t.PutSingle(std::numeric_limits<float>::infinity()); },
         "00 00 80 7F"},
        {"single denormal",
         [](SegmentedTransfer& t) { t.PutSingle(std::numeric_limits<float>::denorm_min()); },
         "01 00 00 00"},
        {"single 1234.5", [](SegmentedTransfer& t) { t.PutSingle(1234.5f); }, "00 50 9A 44"},
        {"boolean true", [](SegmentedTransfer& t) { t.PutBoolean(true); }, "01"},
        {"boolean false", [](SegmentedTransfer& t) { t.PutBoolean(false); }, "00"},
    };
    for (const Row& row : rows) {
        auto t = Fresh();
        row.put(*t);
        EXPECT_EQ(Written(*t), row.bytes) << row.name;
        EXPECT_FALSE(t->TxBufferFull) << row.name;
    }

    // Mixed puts follow each other without gaps.
    auto t = Fresh();
    t->PutByte(0x07);
    t->PutWord(0xBEEF);
    t->PutSingle(-1.0f);
    t->PutBoolean(true);
    EXPECT_EQ(Written(*t), "07 EF BE 00 00 80 BF 01");
}

TEST(TransferStreams, GetsReadLittleEndian)
{
    auto t = Fresh();
    LoadReply(*t, {0xAB, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 0xFF, 0xFF, 0xFF, 0xFF,
                   0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x02, 0x00, 0x20, 0xC0, 0x00, 0x05});
    EXPECT_EQ(t->GetByte(), 0xAB);
    EXPECT_EQ(t->GetWord(), 0x1234);
    EXPECT_EQ(t->GetCardinal(), 0x89ABCDEFu);
    EXPECT_EQ(t->GetInteger(), -1);
    EXPECT_EQ(t->GetInteger(), -2);
    EXPECT_FALSE(t->GetBoolean());
    EXPECT_TRUE(t->GetBoolean2());  // any non-zero byte is true
    EXPECT_EQ(t->GetWord2(), 0x2000);
    // C0 00 05 and a missing byte, which reads as 0.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(t->GetSingle()), 0x000500C0u);
    EXPECT_EQ(t->RxReadIndex, 22);
}

TEST(TransferStreams, SingleBitPatternsSurviveBothWays)
{
    const std::uint32_t patterns[] = {
        0x00000000, 0x80000000, 0x3F800000, 0xC0200000, 0x3DCCCCCD, 0x7F800000,
        0xFF800000, 0x00000001, 0x807FFFFF, 0x7F7FFFFF, 0x7FC12345,
    };
    for (std::uint32_t bits : patterns) {
        SCOPED_TRACE(bits);
        auto t = Fresh();
        t->PutSingle(std::bit_cast<float>(bits));
        ASSERT_EQ(t->TxDataLen, 4);
        const Bytes expected = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                static_cast<std::uint8_t>(bits >> 16),
                                static_cast<std::uint8_t>(bits >> 24)};
        EXPECT_EQ(Written(*t), Hex(expected));

        LoadReply(*t, expected);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(t->GetSingle()), bits);
    }
}

TEST(TransferStreams, GetsPastTheReplyYieldZeroAndKeepTheIndex)
{
    auto t = Fresh();
    t->RxData.fill(0x99);  // stale bytes beyond the reply must not show
    LoadReply(*t, {0x11, 0x22, 0x33});
    EXPECT_EQ(t->GetCardinal(), 0x00332211u);
    EXPECT_EQ(t->RxReadIndex, 3);
    EXPECT_EQ(t->GetByte(), 0);
    EXPECT_EQ(t->GetWord(), 0);
    EXPECT_EQ(t->GetCardinal(), 0u);
    EXPECT_EQ(t->GetSingle(), 0.0f);
    EXPECT_FALSE(t->GetBoolean());
    EXPECT_EQ(t->RxReadIndex, 3);

    // A word that straddles the end keeps its low byte.
    LoadReply(*t, {0x11});
    EXPECT_EQ(t->GetWord(), 0x0011);
    EXPECT_EQ(t->RxReadIndex, 1);

    // An empty reply: everything is 0 and nothing moves.
    LoadReply(*t, {});
    EXPECT_EQ(t->GetInteger(), 0);
    EXPECT_EQ(t->GetByte(), 0);
    EXPECT_EQ(t->RxReadIndex, 0);
}

TEST(TransferStreams, GetsStopAtTheBufferEndWhateverTheAnnouncedLength)
{
    auto t = Fresh();
    t->RxData.back() = 0x42;
    t->RxDataSize = 0xFFFF;
    t->RxReadIndex = 16383;
    EXPECT_EQ(t->GetByte(), 0x42);
    EXPECT_EQ(t->GetByte(), 0);
    EXPECT_EQ(t->RxReadIndex, 16384);

    // An index that is already past the end (by whatever route) reads nothing.
    t->RxReadIndex = 20000;
    EXPECT_EQ(t->GetCardinal(), 0u);
    EXPECT_EQ(t->RxReadIndex, 20000);
}

TEST(TransferStreams, PutBeyondTheRequestLimitReplacesTheLastByte)
{
    auto t = Fresh();
    for (std::size_t i = 0; i < SegmentedTransfer::kMaxRequest; ++i)
        t->PutByte(static_cast<std::uint8_t>(i));
    EXPECT_EQ(t->TxDataLen, 16383);
    EXPECT_FALSE(t->TxBufferFull) << "the 16383rd byte still fits";
    EXPECT_EQ(t->TxData[16382], 0xFE);

    t->PutByte(0xA5);
    EXPECT_TRUE(t->TxBufferFull);
    EXPECT_EQ(t->TxDataLen, 16383);
    EXPECT_EQ(t->TxData[16383], 0xA5);
    EXPECT_EQ(t->TxData[16382], 0xFE) << "the bytes already in the request stay";

    t->PutByte(0x5A);
    EXPECT_EQ(t->TxData[16383], 0x5A);
    t->PutWord(0x1234);  // both bytes land in the same place: the high one stays
    EXPECT_EQ(t->TxData[16383], 0x12);
    t->PutSingle(1.0f);
    EXPECT_EQ(t->TxData[16383], 0x3F);
    EXPECT_EQ(t->TxDataLen, 16383);
    EXPECT_TRUE(t->TxBufferFull);

    // The request still goes out with 16383 bytes, none of the excess in it.
    linktest::FakeDevice device;
    EXPECT_EQ(linktest::Exchange(*t, device), SegmentedTransfer::StepResult::Complete);
    ASSERT_EQ(device.requests.size(), 357u);
    const mbu3::Frame& last = device.requests.back();
    EXPECT_EQ(Hex(last, 7, 5), "02 FF 3F F8 3F");
    // Offsets 16376..16382 hold the bytes F8..FE; the rest of the segment is padding.
    EXPECT_EQ(Hex(last, 16, 8), "F8 F9 FA FB FC FD FE 00");

    // The next request's first put that fits clears the mark.
    t->Begin(101, 0);
    t->PutByte(1);
    EXPECT_FALSE(t->TxBufferFull);
    EXPECT_EQ(t->TxDataLen, 1);
}

TEST(TransferStreams, PutsAndGetsRoundTrip)
{
    auto t = Fresh();
    t->PutByte(0xC3);
    t->PutWord(0x8001);
    t->PutCardinal(4000000000u);
    t->PutDWord(static_cast<std::uint32_t>(-123456));
    t->PutSingle(-273.15f);
    t->PutBoolean(true);
    LoadReply(*t, Bytes(t->TxData.begin(), t->TxData.begin() + t->TxDataLen));
    EXPECT_EQ(t->GetByte(), 0xC3);
    EXPECT_EQ(t->GetWord(), 0x8001);
    EXPECT_EQ(t->GetCardinal(), 4000000000u);
    EXPECT_EQ(t->GetInteger(), -123456);
    EXPECT_EQ(t->GetSingle(), -273.15f);
    EXPECT_TRUE(t->GetBoolean());
    EXPECT_EQ(t->RxReadIndex, t->RxDataSize);
}
