#include "korvel/link/records/ModuleBlocks.h"
#include "korvel/link/records/QvtmpBlock.h"
#include "tests/common/link/records/RecordTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>

using namespace qs;
using namespace korvel;

using recordtest::Bytes;
using recordtest::Decoded;
using recordtest::Encoded;
using recordtest::FromHex;
using recordtest::Hex;

namespace {

// One valid block of each kind, on bytes and as the controls hold it.
template <class Block>
struct BlockRow {
    const char* name;
    const char* bytes;
    Block block;
};

template <class Block>
void ExpectBothWays(const BlockRow<Block>& row)
{
    EXPECT_EQ(Hex(Encoded(row.block)), row.bytes) << row.name;
    EXPECT_EQ(Decoded<Block>(FromHex(row.bytes)), row.block) << row.name;
    EXPECT_EQ(Hex(Encoded(Decoded<Block>(FromHex(row.bytes)))), row.bytes) << row.name;
    EXPECT_EQ(field::FieldsWidth<Block>(), Block::kSize) << row.name;
    EXPECT_EQ(Encoded(row.block).size(), Block::kSize) << row.name;
}

TEST(ModuleBlocks, ValidBlocksBothWays)
{
    QvainBlock qvain{5, 2, 2, 12345, -500, 6};
    qvain.receivedDecimals = 2;
    ExpectBothWays<QvainBlock>({"QVAIN", "28 02 02 39 30 00 00 0C FE FF FF 64", qvain});
    ExpectBothWays<QvaoBlock>(
        {"QVAO", "04 00 00 00 80 FF FF FF 7F 01 00", {4, INT32_MIN, INT32_MAX, true, false}});
    ExpectBothWays<QvroBlock>({"QVRO",
                               "0A 01 00 00 00 FE FF FF FF 03 00 00 00 01 10 27 3C",
                               {10, 1, -2, 3, true, 10000, 60}});
    ExpectBothWays<QvserBlock>({"QVSER", "01 03 0F F7 FF FF", {1, 3, 15, 247, 65535}});
    ExpectBothWays<Qv5510DisplayBlock>({"QV5510", "0A 01 C8", {10, true, 6}});
    ExpectBothWays<PasswordBlock>({"passwords, operator first", "2A 00 07 00", {42, 7}});
}

// Write rules: the bytes each control state sends.
TEST(ModuleBlocks, WriteRules)
{
    struct Row {
        const char* name;
        std::function<Bytes()> encode;
        const char* bytes;
    };
    const Row rows[] = {
        {"QVAIN settling 12 ms, rounding 100",
         [] {
             return Encoded(QvainBlock{0, 0, 0, 0, 0, 6});
         },
         "01 00 00 00 00 00 00 00 00 00 00 64"},
        {"QVAIN settling and rounding without item",
         [] {
             return Encoded(QvainBlock{-1, 0, 0, 0, 0, -1});
         },
         "28 00 00 00 00 00 00 00 00 00 00 01"},
        {"QVAIN sends the decimals selected, not the ones received",
         [] {
             QvainBlock b{3, 0, 1, 0, 0, 0};
             b.receivedDecimals = 9;
             return Encoded(b);
         },
         "10 00 01 00 00 00 00 00 00 00 00 01"},
        {"QVRO seconds 1 and pulse 300 send 2 and 255",
         [] {
             return Encoded(QvroBlock{0, 0, 0, 0, false, 1, 300});
         },
         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 02 00 FF"},
        {"QVRO before any reply: edits hold 0",
         [] {
             return Encoded(QvroBlock{0, 0, 0, 0, false, 0, 0});
         },
         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 02 00 02"},
        {"QVRO negative seconds and pulse send the maximum",
         [] {
             return Encoded(QvroBlock{0, 0, 0, 0, false, 0xFFFFFFFF, 0xFFFFFFFB});
         },
         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF"},
        {"QVSER lists without selection send 255",
         [] {
             return Encoded(QvserBlock{0, 1, -1, -1, 0});
         },
         "00 01 FF FF 00 00"},
        {"QVSER time-out 70000 sends 65535",
         [] {
             return Encoded(QvserBlock{0, 0, 0, 0, 70000});
         },
         "00 00 00 00 FF FF"},
        {"QVSER time-out -1 sends 65535",
         [] {
             return Encoded(QvserBlock{0, 0, 0, 0, 0xFFFFFFFF});
         },
         "00 00 00 00 FF FF"},
        {"QV5510 refresh without item sends 50",
         [] {
             return Encoded(Qv5510DisplayBlock{5, false, -1});
         },
         "05 00 32"},
        {"QV5510 fastest refresh",
         [] {
             return Encoded(Qv5510DisplayBlock{1, true, 0});
         },
         "01 01 01"},
        {"passwords go as 16 bits",
         [] {
             return Encoded(PasswordBlock{9999, 0});
         },
         "0F 27 00 00"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Hex(row.encode()), row.bytes) << row.name;
}

// Read rules: what each reply byte selects.
TEST(ModuleBlocks, ReadRules)
{
    struct Row {
        const char* name;
        std::function<bool()> holds;
    };
    const Row rows[] = {
        {"QVAIN settling 40 selects 500",
         [] { return Decoded<QvainBlock>(FromHex("28")).displayRefresh == 5; }},
        {"QVAIN settling 7 selects 500",
         [] { return Decoded<QvainBlock>(FromHex("07")).displayRefresh == 5; }},
        {"QVAIN rounding 3 selects 1",
         [] {
             return Decoded<QvainBlock>(FromHex("01 00 00 00 00 00 00 00 00 00 00 03"))
                        .uRoundSettings == 0;
         }},
        {"QVAIN rounding 50",
         [] {
             return Decoded<QvainBlock>(FromHex("01 00 00 00 00 00 00 00 00 00 00 32"))
                        .uRoundSettings == 5;
         }},
        {"QVAIN decimals 9 select 4 and are kept as received",
         [] {
             const QvainBlock b = Decoded<QvainBlock>(FromHex("10 07 09"));
             return b.uDecimalPointSettings == 4 && b.receivedDecimals == 9 &&
                    b.uInputTypeSettings == 4;
         }},
        {"QVAO flags by any non-zero byte",
         [] {
             return Decoded<QvaoBlock>(FromHex("00 00 00 00 00 00 00 00 00 02 80"))
                 .bDisableAnalogueError;
         }},
        {"QVRO mode past the list",
         [] { return Decoded<QvroBlock>(FromHex("0B")).enuLimitMode == 10; }},
        {"QVSER baud 20: no selection",
         [] { return Decoded<QvserBlock>(FromHex("00 00 14 00")).modbusBaudRate == -1; }},
        {"QVSER address 248: no selection",
         [] { return Decoded<QvserBlock>(FromHex("00 00 00 F8")).modbusAddress == -1; }},
        {"QVSER parity past the list",
         [] { return Decoded<QvserBlock>(FromHex("00 07")).modbusParity == 3; }},
        {"QV5510 brightness 0 carried as 0",
         [] { return Decoded<Qv5510DisplayBlock>(FromHex("00 00 0A")).brightness == 0; }},
        {"QV5510 refresh 7 selects 500 ms",
         [] {
             return Decoded<Qv5510DisplayBlock>(FromHex("05 00 07")).uCounterForDisplayRefresh == 4;
         }},
        {"QV5510 refresh 100 selects 1 s",
         [] {
             return Decoded<Qv5510DisplayBlock>(FromHex("05 00 64")).uCounterForDisplayRefresh == 5;
         }},
    };
    for (const Row& row : rows)
        EXPECT_TRUE(row.holds()) << row.name;
}

TEST(ModuleBlocks, ShortRepliesReadZeros)
{
    EXPECT_EQ(Decoded<QvainBlock>({}), (QvainBlock{5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Decoded<QvaoBlock>({}), (QvaoBlock{0, 0, 0, false, false}));
    EXPECT_EQ(Decoded<QvroBlock>(FromHex("03 01")), (QvroBlock{3, 1, 0, 0, false, 0, 0}));
    EXPECT_EQ(Decoded<QvserBlock>({}), (QvserBlock{0, 0, 0, 0, 0}));
    EXPECT_EQ(Decoded<Qv5510DisplayBlock>({}), (Qv5510DisplayBlock{0, false, 4}));
    EXPECT_EQ(Decoded<PasswordBlock>(FromHex("2A")), (PasswordBlock{42, 0}));
    EXPECT_EQ(Decoded<QvtmpBlock>({}), QvtmpBlock{});
    EXPECT_EQ(Decoded<QvserBlock>(FromHex("01 02 14 05 2C")), (QvserBlock{1, 2, -1, 5, 0x2C}));
    EXPECT_EQ(Decoded<Qv5510DisplayBlock>(FromHex("07 01")), (Qv5510DisplayBlock{7, true, 4}));
    // A single cut short: its missing bytes, and every field after it, read as zeros.
    QvtmpBlock cut;
    cut.uMode = 2;
    cut.uWires = 3;
    cut.leadResistanceBits = 0x00800000;
    EXPECT_EQ(Decoded<QvtmpBlock>(FromHex("02 03 00 00 80")), cut);
    EXPECT_EQ(Decoded<QvtmpBlock>(FromHex("02 03 00 00 80")).Selection(),
              (QvtmpSelection{2, 1, 0, 0, 0}));
}

// ---- temperature module ---------------------------------------------------------------------

// Pt1000 mode, 3 wires, lead 0.25 ohm, averaging 10, 0 % = 100.5, 100 % = a signalling NaN
// with a payload, decimals 3, scale 1500 .. -1, rounding 20.
constexpr const char* kQvtmpBytes =
    "00 03 00 00 80 3E 0A 00 00 C9 42 01 00 A0 7F 03 DC 05 00 00 FF FF FF FF 14";

TEST(QvtmpBlock, KeptWholeAndSentBackBitForBit)
{
    const QvtmpBlock b = Decoded<QvtmpBlock>(FromHex(kQvtmpBytes));
    EXPECT_EQ(b.LeadResistance(), 0.25f);
    EXPECT_EQ(b.CalPot0(), 100.5f);
    EXPECT_EQ(b.calPot100Bits, 0x7FA00001u);
    EXPECT_EQ(b.ScaleDecimals(), 3);
    EXPECT_EQ(b.iScaleLow, 1500);
    EXPECT_EQ(b.iScaleHigh, -1);
    EXPECT_EQ(Hex(Encoded(b)), kQvtmpBytes);
    EXPECT_EQ(field::FieldsWidth<QvtmpBlock>(), QvtmpBlock::kSize);

    // A write right after the read, with the items the read selected, sends the block back.
    const QvtmpSelection s = b.Selection();
    EXPECT_EQ(s, (QvtmpSelection{0, 1, 3, 3, 4}));
    EXPECT_EQ(Hex(Encoded(b.WithSelection(s))), kQvtmpBytes);
}

TEST(QvtmpBlock, WriteTakesTheSelectionsAndKeepsTheRest)
{
    const QvtmpBlock last = Decoded<QvtmpBlock>(FromHex(kQvtmpBytes));
    struct Row {
        const char* name;
        QvtmpSelection s;
        const char* selectionBytes;  // mode, wires, averaging, decimals, rounding
    };
    const Row rows[] = {
        {"potentiometer, 2 wires, 50, 0 decimals, 100", {2, 0, 5, 0, 6}, "02 02 32 00 64"},
        {"nothing selected", {-1, -1, -1, -1, -1}, "FF 01 01 FF 01"},
        {"indexes past the tables", {0, 2, 6, 4, 7}, "00 04 01 04 01"},
    };
    for (const Row& row : rows) {
        const Bytes sent = Encoded(last.WithSelection(row.s));
        const Bytes picked = {sent[0], sent[1], sent[6], sent[15], sent[24]};
        EXPECT_EQ(Hex(picked), row.selectionBytes) << row.name;
        Bytes rest = sent;
        const Bytes stored = FromHex(kQvtmpBytes);
        for (std::size_t i : {0, 1, 6, 15, 24})
            rest[i] = stored[i];
        EXPECT_EQ(Hex(rest), kQvtmpBytes) << row.name;
    }

    // Before any reply the kept block is all zero: singles and scales go as zeros.
    EXPECT_EQ(Hex(Encoded(QvtmpBlock{}.WithSelection({1, 2, 0, 2, 0}))),
              "01 04 00 00 00 00 01 00 00 00 00 00 00 00 00 02 00 00 00 00 00 00 00 00 01");
}

TEST(QvtmpBlock, ReadSelections)
{
    struct Row {
        const char* name;
        QvtmpBlock b;
        QvtmpSelection s;
    };
    auto block = [](std::uint8_t mode, std::uint8_t wires, std::uint8_t average,
                    std::uint8_t decimals, std::uint8_t round) {
        QvtmpBlock b;
        b.uMode = mode, b.uWires = wires, b.uAverage = average, b.uDecimals = decimals,
        b.uRound = round;
        return b;
    };
    const Row rows[] = {
        {"wires 0 and 1 select none", block(0, 1, 1, 0, 1), {0, -1, 0, 0, 0}},
        {"wires 9 select 4", block(0, 9, 1, 0, 1), {0, 2, 0, 0, 0}},
        {"mode and decimals past the lists select the last", block(5, 4, 2, 9, 2), {2, 2, 1, 4, 1}},
        {"codes outside their tables select 1", block(1, 3, 3, 1, 3), {1, 1, 0, 1, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.b.Selection(), row.s) << row.name;

    // No scale for decimals above 4; the write from a "no wires" read sends 1.
    const QvtmpBlock b = block(0, 0, 1, 5, 1);
    EXPECT_FALSE(b.ScaleDecimals().has_value());
    EXPECT_EQ(Encoded(b.WithSelection(b.Selection()))[1], 1);
}

}  // namespace

namespace {

TEST(PasswordEntries, CheckedBeforeAWrite)
{
    using E = PasswordEntries;
    struct Row {
        const char* user;
        const char* supervisor;
        E result;
        PasswordBlock block;
    };
    const Row rows[] = {
        {"9999", "0", E::Valid, {9999, 0}},
        {"+12", "0034", E::Valid, {12, 34}},
        {"-0", "1", E::Valid, {0, 1}},
        {"", "1", E::Invalid, {}},
        {"1", "-1", E::Invalid, {}},
        {"10000", "1", E::Invalid, {}},
        {"99999999999999999999", "1", E::Invalid, {}},
        {" 12", "1", E::Invalid, {}},
        {"1a", "1", E::Invalid, {}},
        {"+", "1", E::Invalid, {}},
        {"abc", "abc", E::Invalid, {}},  // an invalid pair is never compared
        {"7", "0007", E::Equal, {}},
    };
    for (const Row& row : rows) {
        const PasswordEntryCheck c = CheckPasswordEntries(row.user, row.supervisor);
        EXPECT_EQ(c.result, row.result) << row.user << " / " << row.supervisor;
        EXPECT_EQ(c.block, row.block) << row.user << " / " << row.supervisor;
    }
}

}  // namespace
