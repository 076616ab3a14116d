#include "RecordTestSupport.h"
#include "common/link/records/SettingsRecord.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qs;

using recordtest::Bytes;
using recordtest::Decoded;
using recordtest::Encoded;
using recordtest::FromHex;
using recordtest::Hex;
using recordtest::PutLE;

namespace {

// A stored block with every field off its zero, laid out by hand from the field widths.
Bytes StoredBlock()
{
    Bytes b(139, 0);
    b[0] = 7;                                                 // brightness
    const Bytes tag = FromHex("54 61 72 74 E1 6C 79 20 31");  // "Tartály 1"
    std::copy(tag.begin(), tag.end(), b.begin() + 1);
    b[23] = 0xB0, b[24] = 'C';  // "°C"
    b[32] = 1;                  // leading zeros
    b[33] = 8;                  // refresh "100"
    b[34] = 3;                  // analogue type
    PutLE(b, 35, static_cast<std::uint32_t>(-1500), 4);
    PutLE(b, 39, 123456, 4);
    b[43] = 1, b[44] = 1;  // error high, bar graph dot
    PutLE(b, 45, static_cast<std::uint32_t>(-7), 4);
    PutLE(b, 49, 100000, 4);
    b[53] = 2, b[54] = 4, b[55] = 5;  // input type, decimals, rounding "5"
    PutLE(b, 56, static_cast<std::uint32_t>(-99), 4);
    PutLE(b, 60, 2000, 4);
    b[64] = 5;  // limit display mode
    for (std::size_t n = 0; n < 4; ++n) {
        const std::size_t at = 65 + 14 * n;
        b[at] = static_cast<std::uint8_t>(7 + n);  // modes 7..10
        b[at + 1] = n % 2;                         // hold
        PutLE(b, at + 2, 100 * (n + 1), 4);
        PutLE(b, at + 6, static_cast<std::uint32_t>(-200 * static_cast<int>(n + 1)), 4);
        PutLE(b, at + 10, 5 + n, 4);
    }
    PutLE(b, 121, 2, 2), PutLE(b, 123, 300, 2), PutLE(b, 125, 65535, 2), PutLE(b, 127, 60, 2);
    b[129] = 2, b[130] = 10, b[131] = 255, b[132] = 30;
    b[133] = 1, b[134] = 3, b[135] = 15, b[136] = 247;  // ASCII, Mark, 921600, address 247
    b[137] = 1;                                         // analogue error disabled
    b[138] = 3;                                         // three wires
    return b;
}

SettingsRecord StoredRecord()
{
    SettingsRecord r;
    r.brightness = 7;
    r.displayTagname = "Tartály 1";
    r.displayDimension = "°C";
    r.displayLeaderZeros = true;
    r.displayRefresh = 2;
    r.uAnalogueType = 3;
    r.iAnalogueLow = -1500;
    r.iAnalogueHigh = 123456;
    r.bAnalogueErrorHigh = true;
    r.bargraphDot = true;
    r.iBgLow = -7;
    r.iBgHigh = 100000;
    r.uInputTypeSettings = 2;
    r.uDecimalPointSettings = 4;
    r.uRoundSettings = 2;
    r.iScaleLowSettings = -99;
    r.iScaleHighSettings = 2000;
    r.enuLimitDisplayMode = 5;
    for (int n = 0; n < 4; ++n)
        r.limits[static_cast<std::size_t>(n)] = {7 + n, n % 2 == 1, 100 * (n + 1), -200 * (n + 1),
                                                 5 + n};
    r.uSec = {2, 300, 65535, 60};
    r.uPulseSec = {2, 10, 255, 30};
    r.modbusProtocol = 1;
    r.modbusParity = 3;
    r.modbusBaudRate = 15;
    r.modbusAddress = 247;
    r.bDisableAnalogueError = true;
    r.uPtWires = 1;
    return r;
}

TEST(SettingsRecord, ReadsTheStoredBlockAndWritesItBackUnchanged)
{
    const SettingsRecord r = Decoded<SettingsRecord>(StoredBlock());
    EXPECT_EQ(r, StoredRecord());
    EXPECT_EQ(Hex(Encoded(r)), Hex(StoredBlock()));
    EXPECT_EQ(field::FieldsWidth<SettingsRecord>(), SettingsRecord::kSize);
}

// Each write rule changes only its field's bytes: the rest of the block stays as stored.
TEST(SettingsRecord, WriteRulesChangeOnlyTheirField)
{
    using Set = std::function<void(SettingsRecord&)>;
    struct Row {
        const char* name;
        Set set;
        std::size_t offset;
        const char* bytes;
    };
    const Row rows[] = {
        {"brightness carried as it is", [](auto& r) { r.brightness = 200; }, 0, "C8"},
        {"tag trimmed, zero-filled", [](auto& r) { r.displayTagname = "  Tank 1  "; }, 1,
         "54 61 6E 6B 20 31 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"tag cut to 21 before trimming",
         [](auto& r) { r.displayTagname = "   ABCDEFGHIJKLMNOPQRSTUVWXYZ"; }, 1,
         "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 00 00 00 00"},
        {"tag of 25 letters sends 21",
         [](auto& r) { r.displayTagname = "ŐŰőűéABCDEFGHIJKLMNOPQRST"; }, 1,
         "D5 DB F5 FB E9 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 00"},
        {"tag without a code goes as ?", [](auto& r) { r.displayTagname = "ñ€漢😀"; }, 1,
         "3F 80 3F 3F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"tag trims control characters", [](auto& r) { r.displayTagname = "\tA\r\n"; }, 1,
         "41 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"dimension cut to 8", [](auto& r) { r.displayDimension = "kg/m2 abcd"; }, 23,
         "6B 67 2F 6D 32 20 61 62 00"},
        {"leading zeros off", [](auto& r) { r.displayLeaderZeros = false; }, 32, "00"},
        {"refresh 12", [](auto& r) { r.displayRefresh = 0; }, 33, "01"},
        {"refresh 60", [](auto& r) { r.displayRefresh = 1; }, 33, "05"},
        {"refresh 200", [](auto& r) { r.displayRefresh = 3; }, 33, "10"},
        {"refresh 300", [](auto& r) { r.displayRefresh = 4; }, 33, "18"},
        {"refresh 500", [](auto& r) { r.displayRefresh = 5; }, 33, "28"},
        {"refresh without item", [](auto& r) { r.displayRefresh = -1; }, 33, "28"},
        {"analogue type none", [](auto& r) { r.uAnalogueType = -1; }, 34, "FF"},
        {"analogue low scaled", [](auto& r) { r.iAnalogueLow = 1212; }, 35, "BC 04 00 00"},
        {"bar graph dot off", [](auto& r) { r.bargraphDot = false; }, 44, "00"},
        {"decimals none", [](auto& r) { r.uDecimalPointSettings = -1; }, 54, "FF"},
        {"rounding 1", [](auto& r) { r.uRoundSettings = 0; }, 55, "01"},
        {"rounding 2", [](auto& r) { r.uRoundSettings = 1; }, 55, "02"},
        {"rounding without item", [](auto& r) { r.uRoundSettings = -1; }, 55, "FF"},
        {"scale high", [](auto& r) { r.iScaleHighSettings = -2; }, 60, "FE FF FF FF"},
        {"limit display none", [](auto& r) { r.enuLimitDisplayMode = -1; }, 64, "FF"},
        {"limit 1 mode", [](auto& r) { r.limits[0].enuLimitMode = 0; }, 65, "00"},
        {"limit 2 hold", [](auto& r) { r.limits[1].bHold = false; }, 80, "00"},
        {"limit 3 B", [](auto& r) { r.limits[2].iHighLimit = 1; }, 99, "01 00 00 00"},
        {"limit 4 hysteresis", [](auto& r) { r.limits[3].iHysteresis = -1; }, 117, "FF FF FF FF"},
        {"seconds 1 sent as 2", [](auto& r) { r.uSec[0] = 1; }, 121, "02 00"},
        {"seconds 0 sent as 2", [](auto& r) { r.uSec[1] = 0; }, 123, "02 00"},
        {"seconds 70000 sent as 65535", [](auto& r) { r.uSec[2] = 70000; }, 125, "FF FF"},
        {"seconds -1 sent as 65535", [](auto& r) { r.uSec[3] = 0xFFFFFFFF; }, 127, "FF FF"},
        {"pulse 1 sent as 2", [](auto& r) { r.uPulseSec[0] = 1; }, 129, "02"},
        {"pulse 300 sent as 255", [](auto& r) { r.uPulseSec[1] = 300; }, 130, "FF"},
        {"pulse -5 sent as 255", [](auto& r) { r.uPulseSec[2] = static_cast<std::uint32_t>(-5); },
         131, "FF"},
        {"protocol RTU", [](auto& r) { r.modbusProtocol = 0; }, 133, "00"},
        {"parity none selected", [](auto& r) { r.modbusParity = -1; }, 134, "FF"},
        {"baud without selection", [](auto& r) { r.modbusBaudRate = -1; }, 135, "FF"},
        {"address without selection", [](auto& r) { r.modbusAddress = -1; }, 136, "FF"},
        {"analogue error enabled", [](auto& r) { r.bDisableAnalogueError = false; }, 137, "00"},
        {"wires 2", [](auto& r) { r.uPtWires = 0; }, 138, "02"},
        {"wires 4", [](auto& r) { r.uPtWires = 2; }, 138, "04"},
        {"wires without item", [](auto& r) { r.uPtWires = -1; }, 138, "01"},
    };
    const Bytes stored = StoredBlock();
    for (const Row& row : rows) {
        SettingsRecord r = StoredRecord();
        row.set(r);
        Bytes expected = stored;
        const Bytes field = FromHex(row.bytes);
        std::copy(field.begin(), field.end(),
                  expected.begin() + static_cast<std::ptrdiff_t>(row.offset));
        EXPECT_EQ(Hex(Encoded(r)), Hex(expected)) << row.name;
    }
}

TEST(SettingsRecord, ReadRulesSelectWhatTheControlsShow)
{
    using Check = std::function<bool(const SettingsRecord&)>;
    struct Row {
        const char* name;
        std::size_t offset;
        const char* bytes;
        Check check;
    };
    const Row rows[] = {
        {"brightness carried as it is", 0, "00", [](auto& r) { return r.brightness == 0; }},
        {"tag up to the first zero", 1, "41 42 00 43 44",
         [](auto& r) { return r.displayTagname == "AB"; }},
        {"tag without zero stops at 21", 1,
         "41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 42 43",
         [](auto& r) { return r.displayTagname == std::string(20, 'A') + "B"; }},
        {"tag in Windows-1250", 1, "C1 72 76 ED 7A 74 FB 72 F5 00",
         [](auto& r) { return r.displayTagname == "Árvíztűrő"; }},
        {"tag with undefined code", 1, "81 00", [](auto& r) { return r.displayTagname == "?"; }},
        {"dimension without zero stops at 8", 23, "31 32 33 34 35 36 37 38 39",
         [](auto& r) { return r.displayDimension == "12345678"; }},
        {"leading zeros by any non-zero byte", 32, "02",
         [](auto& r) { return r.displayLeaderZeros; }},
        {"refresh 1", 33, "01", [](auto& r) { return r.displayRefresh == 0; }},
        {"refresh 5", 33, "05", [](auto& r) { return r.displayRefresh == 1; }},
        {"refresh 16", 33, "10", [](auto& r) { return r.displayRefresh == 3; }},
        {"refresh 24", 33, "18", [](auto& r) { return r.displayRefresh == 4; }},
        {"refresh 40", 33, "28", [](auto& r) { return r.displayRefresh == 5; }},
        {"refresh 12 selects 500", 33, "0C", [](auto& r) { return r.displayRefresh == 5; }},
        {"refresh 0 selects 500", 33, "00", [](auto& r) { return r.displayRefresh == 5; }},
        {"analogue type past the list", 34, "07", [](auto& r) { return r.uAnalogueType == 4; }},
        {"dot only by exactly 1", 44, "02", [](auto& r) { return !r.bargraphDot; }},
        {"error high by 2", 43, "02", [](auto& r) { return r.bAnalogueErrorHigh; }},
        {"decimals 9 selects 4", 54, "09", [](auto& r) { return r.uDecimalPointSettings == 4; }},
        {"rounding 2", 55, "02", [](auto& r) { return r.uRoundSettings == 1; }},
        {"rounding 3 selects 1", 55, "03", [](auto& r) { return r.uRoundSettings == 0; }},
        {"rounding 0 selects 1", 55, "00", [](auto& r) { return r.uRoundSettings == 0; }},
        {"limit display past the list", 64, "FF",
         [](auto& r) { return r.enuLimitDisplayMode == 5; }},
        {"limit mode past the list", 79, "0B",
         [](auto& r) { return r.limits[1].enuLimitMode == 10; }},
        {"seconds as they are", 121, "01 00", [](auto& r) { return r.uSec[0] == 1; }},
        {"pulse as it is", 132, "00", [](auto& r) { return r.uPulseSec[3] == 0; }},
        {"protocol past the list", 133, "05", [](auto& r) { return r.modbusProtocol == 1; }},
        {"baud past the list: none", 135, "10", [](auto& r) { return r.modbusBaudRate == -1; }},
        {"address past the list: none", 136, "F8", [](auto& r) { return r.modbusAddress == -1; }},
        {"wires 0: none", 138, "00", [](auto& r) { return r.uPtWires == -1; }},
        {"wires 1: none", 138, "01", [](auto& r) { return r.uPtWires == -1; }},
        {"wires 2", 138, "02", [](auto& r) { return r.uPtWires == 0; }},
        {"wires 9: the last", 138, "09", [](auto& r) { return r.uPtWires == 2; }},
    };
    for (const Row& row : rows) {
        Bytes block = StoredBlock();
        const Bytes field = FromHex(row.bytes);
        std::copy(field.begin(), field.end(),
                  block.begin() + static_cast<std::ptrdiff_t>(row.offset));
        EXPECT_TRUE(row.check(Decoded<SettingsRecord>(block))) << row.name;
    }
}

TEST(SettingsRecord, ShortReplyReadsZeros)
{
    SettingsRecord expected;
    expected.displayRefresh = 5;  // code 0 is no code: "500"
    expected.uAnalogueType = 0;
    expected.uInputTypeSettings = 0;
    expected.uDecimalPointSettings = 0;
    expected.uRoundSettings = 0;  // "1"
    expected.enuLimitDisplayMode = 0;
    for (auto& l : expected.limits)
        l.enuLimitMode = 0;
    expected.modbusProtocol = 0;
    expected.modbusParity = 0;
    expected.modbusBaudRate = 0;
    expected.modbusAddress = 0;
    expected.uPtWires = -1;  // wires 0: no item
    EXPECT_EQ(Decoded<SettingsRecord>({}), expected);

    // Cut after limit output 2's A value: what arrived is read, the rest reads zero.
    const Bytes stored = StoredBlock();
    const SettingsRecord r = Decoded<SettingsRecord>(Bytes(stored.begin(), stored.begin() + 85));
    EXPECT_EQ(r.limits[0], StoredRecord().limits[0]);
    EXPECT_EQ(r.limits[1].enuLimitMode, 8);
    EXPECT_EQ(r.limits[1].iLowLimit, 200);
    EXPECT_EQ(r.limits[1].iHighLimit, 0);
    EXPECT_EQ(r.uPtWires, -1);
}

// Ombrik's three parts are the record's byte ranges 0-52, 53-106 and 107-138.
TEST(SettingsRecord, PartsAreSlicesOfTheRecord)
{
    const Bytes stored = StoredBlock();
    const std::size_t offsets[] = {0, 53, 107, 139};
    const SettingsPart parts[] = {SettingsPart::Part1, SettingsPart::Part2, SettingsPart::Part3};
    auto slice = [&](std::size_t p) {
        return Bytes(stored.begin() + static_cast<std::ptrdiff_t>(offsets[p]),
                     stored.begin() + static_cast<std::ptrdiff_t>(offsets[p + 1]));
    };
    SettingsRecord assembled;
    for (std::size_t p = 0; p < 3; ++p) {
        Bytes area(64);
        ByteWriter w(area);
        StoredRecord().EncodePart(parts[p], w);
        EXPECT_EQ(Hex(w.Data()), Hex(slice(p))) << "part " << p + 1;
        const Bytes part = slice(p);
        ByteReader r(part);
        assembled.DecodePart(parts[p], r);
    }
    EXPECT_EQ(assembled, StoredRecord());

    // A part's reply fills its own fields only; a short one reads zeros for the rest.
    SettingsRecord r;
    const Bytes part2 = slice(1);
    ByteReader reader2(part2);
    r.DecodePart(SettingsPart::Part2, reader2);
    EXPECT_EQ(r.iBgHigh, 0);
    EXPECT_EQ(r.displayRefresh, -1);
    EXPECT_EQ(r.uInputTypeSettings, 2);
    EXPECT_EQ(r.limits[2], StoredRecord().limits[2]);
    EXPECT_EQ(r.limits[3], LimitOutputSettings{});
    const Bytes shortPart3(stored.begin() + 107, stored.begin() + 121);
    ByteReader reader3(shortPart3);
    r.DecodePart(SettingsPart::Part3, reader3);
    EXPECT_EQ(r.limits[3], StoredRecord().limits[3]);
    EXPECT_EQ(r.uSec[0], 0u);
    EXPECT_EQ(r.uPtWires, -1);
    EXPECT_EQ(r.limits[2], StoredRecord().limits[2]);
}

}  // namespace
