// The transfer's two streams: a request writer of 16383 bytes over TxData and a reply reader
// over the announced part of RxData. Encodings themselves are tested with the byte streams.
#include "LinkTestSupport.h"
#include "korvel/link/SegmentedTransfer.h"

#include <gtest/gtest.h>

#include <bit>
#include <memory>

using namespace qs;
using namespace korvel;

using linktest::Bytes;
using linktest::Hex;

TEST(TransferStreams, RequestHoldsAt16383BytesAndStillGoesOutWithThem)
{
    auto t = std::make_unique<SegmentedTransfer>();
    t->Begin(109, 0);
    ByteWriter& w = t->Request();
    for (std::size_t i = 0; i < SegmentedTransfer::kMaxRequest; ++i)
        w.PutByte(static_cast<std::uint8_t>(i));
    EXPECT_EQ(t->TxDataLen(), 16383);
    EXPECT_FALSE(w.Full()) << "the 16383rd byte still fits";

    w.PutByte(0xA5);
    w.PutWord(0x1234);
    w.PutSingle(1.0f);
    EXPECT_TRUE(w.Full());
    EXPECT_EQ(t->TxDataLen(), 16383);
    EXPECT_EQ(t->TxData[16382], 0xFE) << "the bytes already in the request stay";

    // The request goes out with 16383 bytes, none of the excess in it.
    linktest::FakeDevice device;
    EXPECT_EQ(linktest::Exchange(*t, device), SegmentedTransfer::StepResult::Complete);
    ASSERT_EQ(device.requests.size(), 357u);
    const mbu3::Frame& last = device.requests.back();
    EXPECT_EQ(Hex(last, 7, 5), "02 FF 3F F8 3F");
    EXPECT_EQ(Hex(last, 16, 8), "F8 F9 FA FB FC FD FE 00");

    // The next request starts empty and not full.
    t->Begin(101, 0);
    EXPECT_EQ(t->TxDataLen(), 0);
    EXPECT_FALSE(t->Request().Full());
    t->Request().PutByte(1);
    EXPECT_EQ(t->TxDataLen(), 1);
}

TEST(TransferStreams, ReplyReaderCoversTheAnnouncedLengthUpTo16384)
{
    struct Row {
        std::uint16_t announced;
        std::size_t readable;
    };
    for (const Row& row :
         {Row{0, 0}, Row{3, 3}, Row{16384, 16384}, Row{16385, 16384}, Row{0xFFFF, 16384}}) {
        auto t = std::make_unique<SegmentedTransfer>();
        t->RxData.fill(0x99);  // bytes beyond the reply must not show
        t->RxDataSize = row.announced;
        ByteReader r = t->Reply();
        EXPECT_EQ(r.Size(), row.readable) << row.announced;
    }

    // Past the reply every read gives 0 and the position stays.
    auto t = std::make_unique<SegmentedTransfer>();
    t->RxData.fill(0x99);
    const Bytes reply{0x11, 0x22, 0x33};
    std::copy(reply.begin(), reply.end(), t->RxData.begin());
    t->RxDataSize = 3;
    ByteReader r = t->Reply();
    EXPECT_EQ(r.GetCardinal(), 0x00332211u);
    EXPECT_EQ(r.GetWord(), 0);
    EXPECT_EQ(r.Position(), 3u);
}

TEST(TransferStreams, WhatTheRequestWritesTheReplyReadsBack)
{
    auto t = std::make_unique<SegmentedTransfer>();
    t->Begin(109, 0);
    ByteWriter& w = t->Request();
    w.PutByte(0xC3);
    w.PutWord(0x8001);
    w.PutCardinal(4000000000u);
    w.PutInteger(-123456);
    w.PutSingle(-273.15f);
    w.PutBoolean(true);
    std::copy_n(t->TxData.begin(), t->TxDataLen(), t->RxData.begin());
    t->RxDataSize = t->TxDataLen();
    ByteReader r = t->Reply();
    EXPECT_EQ(r.GetByte(), 0xC3);
    EXPECT_EQ(r.GetWord(), 0x8001);
    EXPECT_EQ(r.GetCardinal(), 4000000000u);
    EXPECT_EQ(r.GetInteger(), -123456);
    EXPECT_EQ(r.GetSingle(), -273.15f);
    EXPECT_TRUE(r.GetBoolean());
    EXPECT_EQ(r.Position(), r.Size());
}

TEST(TransferStreams, SingleBitPatternsSurviveBothWays)
{
    // Signed zero, infinities, denormals and NaN payloads travel bit for bit.
    for (std::uint32_t bits : {0x00000000u, 0x80000000u, 0x3F800000u, 0x7F800000u, 0xFF800000u,
                               0x00000001u, 0x807FFFFFu, 0x7F7FFFFFu, 0x7FC12345u}) {
        SCOPED_TRACE(bits);
        auto t = std::make_unique<SegmentedTransfer>();
        t->Begin(109, 0);
        t->Request().PutSingle(std::bit_cast<float>(bits));
        std::copy_n(t->TxData.begin(), t->TxDataLen(), t->RxData.begin());
        t->RxDataSize = t->TxDataLen();
        EXPECT_EQ(t->RxData[0], bits & 0xFF);
        ByteReader r = t->Reply();
        EXPECT_EQ(std::bit_cast<std::uint32_t>(r.GetSingle()), bits);
    }
}
