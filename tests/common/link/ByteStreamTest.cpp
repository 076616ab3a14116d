#include "common/link/ByteStream.h"
#include "tests/HexText.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace qs;

using hextext::Hex;

TEST(ByteWriter, PutsLittleEndianAndReadsBackTheSameValues)
{
    struct Row {
        const char* name;
        std::function<void(ByteWriter&)> put;
        const char* bytes;
        std::function<bool(ByteReader&)> readsBack;
    };
    const Row rows[] = {
        {"byte", [](ByteWriter& w) { w.PutByte(0xAB); }, "AB",
         [](ByteReader& r) { return r.GetByte() == 0xAB; }},
        {"word", [](ByteWriter& w) { w.PutWord(0x1234); }, "34 12",
         [](ByteReader& r) { return r.GetWord() == 0x1234; }},
        {"dword", [](ByteWriter& w) { w.PutDWord(0x89ABCDEF); }, "EF CD AB 89",
         [](ByteReader& r) { return r.GetCardinal() == 0x89ABCDEF; }},
        {"integer -2", [](ByteWriter& w) { w.PutInteger(-2); }, "FE FF FF FF",
         [](ByteReader& r) { return r.GetInteger() == -2; }},
        {"integer min",
         [](ByteWriter& w) { w.PutInteger(std::numeric_limits<std::int32_t>::min()); },
         "00 00 00 80",
         [](ByteReader& r) { return r.GetInteger() == std::numeric_limits<std::int32_t>::min(); }},
        {"single -2.5", [](ByteWriter& w) { w.PutSingle(-2.5f); }, "00 00 20 C0",
         [](ByteReader& r) { return r.GetSingle() == -2.5f; }},
        {"single 0.1", [](ByteWriter& w) { w.PutSingle(0.1f); }, "CD CC CC 3D",
         [](ByteReader& r) { return r.GetSingle() == 0.1f; }},
        {"boolean",
         [](ByteWriter& w) {
             w.PutBoolean(true);
             w.PutBoolean(false);
         },
         "01 00", [](ByteReader& r) { return r.GetBoolean() && !r.GetBoolean(); }},
    };
    for (const Row& row : rows) {
        std::array<std::uint8_t, 16> area{};
        ByteWriter w(area);
        row.put(w);
        EXPECT_EQ(Hex(w.Data()), row.bytes) << row.name;
        EXPECT_FALSE(w.Full()) << row.name;
        ByteReader r(w.Data());
        EXPECT_TRUE(row.readsBack(r)) << row.name;
        EXPECT_EQ(r.Position(), w.Length()) << row.name;
    }
}

TEST(ByteWriter, DropsWhatDoesNotFitUntilAByteFitsAgain)
{
    std::array<std::uint8_t, 3> area{};
    ByteWriter w(area);
    w.PutWord(0x2211);
    w.PutWord(0x4433);  // only the low byte fits
    EXPECT_EQ(Hex(w.Data()), "11 22 33");
    EXPECT_TRUE(w.Full());
    w.PutByte(0x55);
    EXPECT_EQ(Hex(w.Data()), "11 22 33");
    EXPECT_TRUE(w.Full());
    w.Reset();
    EXPECT_EQ(w.Length(), 0u);
    w.PutByte(0x66);
    EXPECT_FALSE(w.Full());
    EXPECT_EQ(Hex(w.Data()), "66");
}

TEST(ByteReader, ReadsZeroPastTheEndAndStays)
{
    const std::vector<std::uint8_t> data{0x01, 0x02, 0x03};
    ByteReader r(data);
    EXPECT_EQ(r.GetWord(), 0x0201);
    EXPECT_EQ(r.GetCardinal(), 0x03u) << "a value cut by the end reads its missing bytes as 0";
    EXPECT_EQ(r.Position(), 3u);
    EXPECT_EQ(r.GetByte(), 0);
    EXPECT_EQ(r.GetSingle(), 0.0f);
    EXPECT_FALSE(r.GetBoolean());
    EXPECT_EQ(r.Position(), 3u);
    ByteReader empty;
    EXPECT_EQ(empty.GetInteger(), 0);
    std::array<std::uint8_t, 2> out{9, 9};
    r.Rewind();
    r.GetByte();
    r.GetBytes(out);
    EXPECT_EQ(Hex(out), "02 03");
    r.GetBytes(out);
    EXPECT_EQ(Hex(out), "00 00");
}
