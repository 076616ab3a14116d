#include "ByteText.h"
#include "ombrik/link/MbuFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace qs;
using namespace ombrik;

using bytetext::Hex;
using namespace mbu;

namespace {

std::string Hex(const MBUFrame& f, std::size_t at, std::size_t count)
{
    return bytetext::Hex(std::span<const std::uint8_t>(f).subspan(at, count));
}

// Data bytes 1, 2, ... 55 and a CRC that is not zero, as a reply might hold them.
MBUFrame CountingReply()
{
    MBUFrame f{};
    std::iota(f.begin() + kDataOffset, f.begin() + kCrcOffset, std::uint8_t{1});
    f[kCrcOffset] = 0xAA;
    f[kCrcOffset + 1] = 0xBB;
    return f;
}

}  // namespace

TEST(MbuFrame, PollRequestByteForByte)
{
    MBUFrame f;
    f.fill(0xEE);  // what the previous request left
    BuildTxHeader(f, 101);
    ByteWriter w = DataWriter(f);
    for (std::uint8_t b : {0x01, 0xD2, 0x04, 0x00})  // force on, voltage output, PWM 1234
        w.PutByte(b);
    SetTxCRC(f);
    EXPECT_EQ(
        Hex(f),
        "9A 15 18 1B 1F 1B 65 01 D2 04 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00 48 F6");
    EXPECT_TRUE(CheckRxCRC(f));
}

TEST(MbuFrame, HeaderOfAnyDeviceCommandAndWindow)
{
    MBUFrame f;
    f.fill(0xEE);
    BuildTxHeader(f, 4464, 44, 6752, 14880);
    EXPECT_EQ(Hex(f, 0, 7), "70 11 60 1A 20 3A 2C");
    EXPECT_EQ(FrameWord(f, off::VersionMax), 14880);
    EXPECT_TRUE(
        std::all_of(f.begin() + kDataOffset, f.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(MbuFrame, CrcMismatchAnywhereTurnsTheStatusIntoOne)
{
    MBUFrame good = CountingReply();
    good[off::Status] = StatusProgramOld;
    good[off::Command] = 101;
    SetTxCRC(good);
    for (int at : {-1, 0, 4, 6, 61, 62, 63}) {
        MBUFrame f = good;
        if (at >= 0)
            f[static_cast<std::size_t>(at)] ^= 0x01;
        const bool ok = at < 0;
        EXPECT_EQ(CheckRxCRC(f), ok) << at;
        EXPECT_EQ(f[off::Status], ok ? StatusProgramOld : StatusCrc) << at;
    }
}

TEST(MbuFrame, WriterFillsFiftyFiveBytesAndDropsTheNext)
{
    MBUFrame f = CountingReply();
    ByteWriter w = DataWriter(f);
    for (int i = 0; i < 55; ++i)
        w.PutByte(static_cast<std::uint8_t>(0x80 + i));
    EXPECT_FALSE(w.Full());
    EXPECT_EQ(Hex(f, 59, 5), "B4 B5 B6 AA BB");
    const MBUFrame filled = f;
    w.PutByte(0x11);
    EXPECT_TRUE(w.Full()) << "the 56th byte shows the buffer full";
    EXPECT_EQ(f, filled);

    f = CountingReply();
    w = DataWriter(f);
    for (int i = 0; i < 54; ++i)
        w.PutByte(0);
    w.PutWord(0x3412);
    EXPECT_TRUE(w.Full()) << "a word at the 55th byte keeps only its low byte";
    EXPECT_EQ(Hex(f, 60, 4), "00 12 AA BB");
}

TEST(MbuFrame, ReaderYieldsZeroPastTheDataAndNeverReadsTheCrc)
{
    const MBUFrame f = CountingReply();
    ByteReader r = DataReader(f);
    EXPECT_EQ(r.GetByte(), 1);
    std::vector<std::uint8_t> skip(52);
    r.GetBytes(skip);
    EXPECT_EQ(r.GetWord(), 0x3736);  // bytes 54 and 55
    EXPECT_EQ(r.GetWord(), 0);       // not the CRC's 0xBBAA
    EXPECT_EQ(r.GetCardinal(), 0u);
    EXPECT_EQ(r.Position(), kDataSize);
}
