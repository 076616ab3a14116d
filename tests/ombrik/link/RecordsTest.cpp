#include "ByteText.h"
#include "CalibrationRecords.h"
#include "MbuStatusRecord.h"
#include "MbuStatusRequest.h"
#include "OptionsRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

using bytetext::FromHex;
using bytetext::Hex;

namespace {

// A record against its bytes, both ways: decoding gives the record, encoding gives the bytes
// and exactly the record's size, which fits the 55 data bytes of a frame.
template <typename R>
void ExpectBytes(const R& record, const std::string& hex)
{
    const auto bytes = FromHex(hex);
    ByteReader r(bytes);
    EXPECT_EQ(R::Decode(r), record) << hex;
    std::array<std::uint8_t, 55> area{};
    ByteWriter w(area);
    record.Encode(w);
    EXPECT_EQ(Hex(w.Data()), hex);
    EXPECT_EQ(w.Length(), R::kSize) << hex;
    EXPECT_FALSE(w.Full()) << hex;
}

// A reply cut short: the missing fields read 0.
template <typename R>
R DecodeShort(const std::string& hex)
{
    const auto bytes = FromHex(hex);
    ByteReader r(bytes);
    return R::Decode(r);
}

}  // namespace

TEST(MbuStatusRequest, BuiltFromThePageAndItsCheckGuard)
{
    struct Row {
        const char* name;
        MbuStatusRequestInputs in;
        const char* hex;
        MbuCheckButtons buttons;
    };
    auto tests = [](bool a, bool b, bool c, bool d) { return std::array<bool, 4>{a, b, c, d}; };
    const Row rows[] = {
        {"nothing pressed", {}, "00 00 00 00", {}},
        {"force, voltage output, PWM 1234", {.pwmForceDown = true, .pwmValue = 1234}, "01 D2 04 00", {}},
        {"current output, both checks",
         {.currentOutputSelected = true, .checkCurrentDown = true, .checkVoltageDown = true, .pwmValue = 65535},
         "0E FF FF 00", {true, true}},
        {"uncalibrated output releases the checks",
         {.checkCurrentDown = true, .checkVoltageDown = true, .lastStatusBits = mbu_status::OutputNotCalibrated},
         "00 00 00 00", {false, false}},
        {"other status bits do not",
         {.checkCurrentDown = true, .lastStatusBits = ~mbu_status::OutputNotCalibrated}, "04 00 00 00", {true, false}},
        {"first pressed test wins", {.displayTestDown = tests(false, true, false, true)}, "00 00 00 02", {}},
        {"pattern alone", {.displayTestDown = tests(false, false, false, true)}, "00 00 00 04", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MbuStatusRequestBuild built = BuildMbuStatusRequest(row.in);
        ExpectBytes(built.request, row.hex);
        EXPECT_EQ(built.buttons, row.buttons);
    }
}

TEST(MbuStatusRecord, ThirtyOneBytesInFieldOrder)
{
    MbuStatusRecord s;
    s.iADRaw = -2;
    s.iADAveraged = 0x123456;
    s.uStatusBits = 0x80000002u;
    s.fFizikaiMennyiseg = -0.25f;
    s.fKimenetSzazalek = 50.0f;
    s.iSkalazottKijezesiErtek = -1500;
    s.uInputType = 3;
    s.uDecimals = 2;
    s.uCRCOKbits = 0x0F;
    s.uAfterWriteOKbits = 0x05;
    s.uSPS = 500;
    s.uPt1000Flag = 7;
    ExpectBytes(s,
                "FE FF FF FF 56 34 12 00 02 00 00 80 00 00 80 BE 00 00 48 42 24 FA FF FF "
                "03 02 0F 05 F4 01 07");

    const auto cut = DecodeShort<MbuStatusRecord>("FE FF FF FF 56 34 12 00 02 00");
    EXPECT_EQ(cut.iADAveraged, 0x123456);
    EXPECT_EQ(cut.uStatusBits, 2u) << "a field cut by the end keeps the bytes that came";
    EXPECT_EQ(cut.uSPS, 0);
    EXPECT_EQ(cut.uPt1000Flag, 0);
}

TEST(OptionsRecord, TwoModuleCodesAndTheSelectionToWrite)
{
    ExpectBytes(OptionsRecord{mbu_input_module::QVTM, mbu_output_module::QVAO}, "02 01");
    EXPECT_EQ(DecodeShort<OptionsRecord>("02"), (OptionsRecord{2, 0}));
    EXPECT_EQ(OptionsRecord::FromSelection(-1, 2), (OptionsRecord{0, 2})) << "no selection sends \"Nincs\"";
    EXPECT_EQ(OptionsRecord::FromSelection(1, -1), (OptionsRecord{1, 0}));
}

TEST(CalibrationRecords, PointsLittleEndianInReplyOrder)
{
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    ExpectBytes(CalibrationPoint{{-2}}, "FE FF FF FF");
    ExpectBytes(PwmCalibrationPoint{{0xBEEF}}, "EF BE");
    ExpectBytes(InputCalibration{{1, -1, 0x7FFFFFFF, kMin}},
                "01 00 00 00 FF FF FF FF FF FF FF 7F 00 00 00 80");
    ExpectBytes(OutputCalibration{{1, 2, 0x1234, 65535}}, "01 00 02 00 34 12 FF FF");
    ExpectBytes(Pt1000Choice{true}, "01");
    ExpectBytes(Pt1000Choice{false}, "00");

    EXPECT_EQ(DecodeShort<PtCalibration>("01 00 00 00 02 00"), (PtCalibration{{1, 2, 0, 0}}));
    EXPECT_EQ(DecodeShort<OutputCalibration>("01"), (OutputCalibration{{1, 0, 0, 0}}));
    EXPECT_TRUE(DecodeShort<Pt1000Choice>("05").bPt1000) << "any byte but 0 is Pt1000";
    EXPECT_FALSE(DecodeShort<Pt1000Choice>("").bPt1000);
}
