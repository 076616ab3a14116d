#include "ByteText.h"
#include "common/link/records/CalibrationRecords.h"
#include "ombrik/link/records/MbuStatusRecord.h"
#include "ombrik/link/records/MbuStatusRequest.h"
#include "ombrik/link/records/OptionsRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

using namespace qs;
using namespace ombrik;

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
        bool checkCurrent, checkVoltage;  // the check buttons after the build
    };
    auto drive = [](bool force, bool current, bool checkCurrent, bool checkVoltage,
                    std::uint16_t pwm) {
        MbuStatusRequestInputs in;
        in.pwmForceDown = force;
        in.currentOutputSelected = current;
        in.checkCurrentDown = checkCurrent;
        in.checkVoltageDown = checkVoltage;
        in.pwmValue = pwm;
        return in;
    };
    auto withBits = [](MbuStatusRequestInputs in, std::uint32_t bits) {
        in.lastStatusBits = bits;
        return in;
    };
    auto withTests = [](bool a, bool b, bool c, bool d) {
        MbuStatusRequestInputs in;
        in.displayTestDown = {a, b, c, d};
        return in;
    };
    const Row rows[] = {
        {"nothing pressed", {}, "00 00 00 00", false, false},
        {"force, voltage output, PWM 1234", drive(true, false, false, false, 1234), "01 D2 04 00",
         false, false},
        {"current output, both checks", drive(false, true, true, true, 65535), "0E FF FF 00", true,
         true},
        {"uncalibrated output releases the checks",
         withBits(drive(false, false, true, true, 0), live_status::OutputNotCalibrated),
         "00 00 00 00", false, false},
        {"other status bits do not",
         withBits(drive(false, false, true, false, 0), ~live_status::OutputNotCalibrated),
         "04 00 00 00", true, false},
        {"first pressed test wins", withTests(false, true, false, true), "00 00 00 02", false,
         false},
        {"pattern alone", withTests(false, false, false, true), "00 00 00 04", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MbuStatusRequestBuild built = BuildMbuStatusRequest(row.in);
        ExpectBytes(built.request, row.hex);
        EXPECT_EQ(built.checkCurrentDown, row.checkCurrent);
        EXPECT_EQ(built.checkVoltageDown, row.checkVoltage);
    }
}

TEST(MbuStatusRecord, ThirtyOneBytesInFieldOrder)
{
    MbuStatusRecord s;
    s.iADRaw = -2;
    s.iADAveraged = 0x123456;
    s.uErrorBits = 0x80000002u;
    s.fFizikaiMennyiseg = -0.25f;
    s.fKimenetSzazalek = 50.0f;
    s.iSkalazottKijezesiErtek = -1500;
    s.uInputType = 3;
    s.uDecimals = 2;
    s.uCRCOKbits = 0x0F;
    s.uAfterWriteOKbits = 0x05;
    s.uSPS = 500;
    s.bPt1000 = true;
    ExpectBytes(s,
                "FE FF FF FF 56 34 12 00 02 00 00 80 00 00 80 BE 00 00 48 42 24 FA FF FF "
                "03 02 0F 05 F4 01 01");

    const auto cut = DecodeShort<MbuStatusRecord>("FE FF FF FF 56 34 12 00 02 00");
    EXPECT_EQ(cut.iADAveraged, 0x123456);
    EXPECT_EQ(cut.uErrorBits, 2u) << "a field cut by the end keeps the bytes that came";
    EXPECT_EQ(cut.uSPS, 0);
    EXPECT_FALSE(cut.bPt1000);
    // Any flag byte but 0 is Pt1000.
    EXPECT_TRUE(DecodeShort<MbuStatusRecord>(
                    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                    "00 00 00 00 00 00 07")
                    .bPt1000);
}

TEST(OptionsRecord, TwoModuleCodesAndTheSelectionToWrite)
{
    ExpectBytes(OptionsRecord{mbu_input_module::QVTM, mbu_output_module::QVAO}, "02 01");
    EXPECT_EQ(DecodeShort<OptionsRecord>("02"), (OptionsRecord{2, 0}));
    EXPECT_EQ(OptionsRecord::FromSelection(-1, 2), (OptionsRecord{0, 2}))
        << "no selection sends \"Nincs\"";
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
