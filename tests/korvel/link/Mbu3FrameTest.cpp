#include "LinkTestSupport.h"
#include "korvel/link/Mbu3Frame.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace qs;
using namespace korvel;

using namespace mbu3;
using linktest::Hex;

namespace {

Frame FilledWith(std::uint8_t b)
{
    Frame f;
    f.fill(b);
    return f;
}

// The reply used by the dump and CRC tests: type 0x0203, firmware 7700, error 0, counter 255,
// echo 101, length 139, offset 46, device 1234567, data A0..CD.
Frame SampleReply()
{
    linktest::ReplyHeader h;
    h.counter = 0xFF;
    h.echo = 101;
    h.total = 139;
    h.offset = 46;
    return linktest::MakeReply(h, linktest::Counting(46, 0xA0));
}

}  // namespace

TEST(Mbu3Frame, FieldsAreLittleEndian)
{
    Frame f{};
    Put16(f, 8, 0x1234);
    Put32(f, 12, 0x3C5A9E17);
    EXPECT_EQ(Hex(f, 8, 2), "34 12");
    EXPECT_EQ(Hex(f, 12, 4), "17 9E 5A 3C");
    EXPECT_EQ(Get16(f, 8), 0x1234);
    EXPECT_EQ(Get32(f, 12), 0x3C5A9E17u);
    f[0] = 0xFF;
    f[1] = 0x80;
    EXPECT_EQ(Get16(f, 0), 0x80FF);
}

TEST(Mbu3Frame, BuildTxHeaderFillsTypeWindowCommandHostAndZeroesData)
{
    // Bytes 7-11 belong to the transfer and stay as they were; 16-63 (data and CRC) become 0.
    Frame f = FilledWith(0xAA);
    BuildTxHeader(f, 0x1234, 101, kLowestFirmware, kHighestFirmware);
    EXPECT_EQ(Hex(f, 0, 16), "34 12 BD 1D 83 1E 65 AA AA AA AA AA 17 9E 5A 3C");
    EXPECT_EQ(Hex(f, 16, 48), Hex(linktest::Bytes(48, 0)));

    EXPECT_EQ(kLowestFirmware, 7613);
    EXPECT_EQ(kHighestFirmware, 7811);
    EXPECT_EQ(HostID, 0x3C5A9E17u);

    // Other arguments land in the same places.
    BuildTxHeader(f, 0, 0xE1, 0x0102, 0xFFFE);
    EXPECT_EQ(Hex(f, 0, 7), "00 00 02 01 FE FF E1");
}

TEST(Mbu3Frame, SetCrcWritesModbusCrcOfBytes0To61LowByteFirst)
{
    Frame f = FilledWith(0xAA);
    BuildTxHeader(f, 0x1234, 101, kLowestFirmware, kHighestFirmware);
    SetCRC(f);
    EXPECT_EQ(Hex(f, 62, 2), "C5 23");

    const Frame reply = SampleReply();
    EXPECT_EQ(Hex(reply, 62, 2), "31 C6");

    // Bytes 62-63 do not take part: a different old CRC gives the same new one.
    Frame g = reply;
    g[62] = 0x00;
    g[63] = 0x00;
    SetCRC(g);
    EXPECT_EQ(Hex(g, 62, 2), "31 C6");
}

TEST(Mbu3Frame, CheckCrcAcceptsAGoodFrameUntouched)
{
    Frame f = SampleReply();
    const Frame before = f;
    EXPECT_TRUE(CheckCRC(f));
    EXPECT_EQ(f, before);

    // A device error code survives a good CRC.
    linktest::ReplyHeader h;
    h.error = 5;
    Frame e = linktest::MakeReply(h);
    EXPECT_TRUE(CheckCRC(e));
    EXPECT_EQ(e[off::ErrorCode], 5);
}

TEST(Mbu3Frame, CheckCrcTurnsAnyCorruptionIntoErrorOne)
{
    // One flipped bit anywhere, the CRC bytes included: the verdict is false and byte 4
    // becomes 1 whatever it held; no other byte changes.
    for (std::size_t at = 0; at < kFrameSize; ++at) {
        for (std::uint8_t startCode : {std::uint8_t{0}, std::uint8_t{7}, std::uint8_t{0x5C}}) {
            linktest::ReplyHeader h;
            h.error = startCode;
            h.total = 139;
            Frame f = linktest::MakeReply(h, linktest::Counting(46, 0x40));
            f[at] ^= 0x10;
            Frame expected = f;
            expected[off::ErrorCode] = ErrCrc;
            EXPECT_FALSE(CheckCRC(f)) << "byte " << at;
            EXPECT_EQ(Hex(f, 0, 64), Hex(expected, 0, 64)) << "byte " << at;
        }
    }
}

TEST(Mbu3Frame, HexDumpOfARequestMarksItsHeaderFields)
{
    // The second frame of a 47-byte request (command 109, type 0x0203): flags 2, length 47,
    // offset 46, one data byte.
    Frame f{};
    BuildTxHeader(f, 0x0203, 109, kLowestFirmware, kHighestFirmware);
    f[off::Flags] = 2;
    Put16(f, off::TotalLength, 47);
    Put16(f, off::SegmentOffset, 46);
    f[16] = 0x2F;
    SetCRC(f);
    const std::string expected =
        "03 02|BD 1D|83 1E|6D|02|2F 00|2E 00|17 9E 5A 3C("
        "2F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        ")CC A2";
    EXPECT_EQ(HexDump(f, Direction::Request), expected);
}

TEST(Mbu3Frame, HexDumpOfAReplySplitsErrorCodeAndCounter)
{
    const Frame f = SampleReply();
    const std::string data =
        "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF B0 B1 B2 B3 B4 B5 B6 "
        "B7 B8 B9 BA BB BC BD BE BF C0 C1 C2 C3 C4 C5 C6 C7 C8 C9 CA CB CC CD";
    EXPECT_EQ(HexDump(f, Direction::Reply),
              "03 02|14 1E|00|FF|65|00|8B 00|2E 00|87 D6 12 00(" + data + ")31 C6");
    // The same bytes as a request: bytes 4-5 are one field.
    EXPECT_EQ(HexDump(f, Direction::Request),
              "03 02|14 1E|00 FF|65|00|8B 00|2E 00|87 D6 12 00(" + data + ")31 C6");
}

TEST(Mbu3Frame, HexDumpIsOneLineOfUpperCasePairsWithNothingAfterTheLast)
{
    for (Direction d : {Direction::Request, Direction::Reply}) {
        const std::string text = HexDump(FilledWith(0xAB), d);
        EXPECT_EQ(text.size(), 64u * 2 + 63);
        EXPECT_EQ(text.substr(text.size() - 6), ")AB AB");
        EXPECT_EQ(text.find_first_of("abcdef\n"), std::string::npos);
    }
}
