#include "CalibrationRecords.h"
#include "RecordTestSupport.h"

#include <gtest/gtest.h>

using recordtest::Decoded;
using recordtest::Encoded;
using recordtest::FromHex;
using recordtest::Hex;

namespace {

TEST(CalibrationRecords, RepliesInReplyOrder)
{
    const char* fourI32 = "01 00 00 00 FF FF FF FF 00 00 00 80 FF FF FF 7F";
    const InputCalibration in = Decoded<InputCalibration>(FromHex(fourI32));
    EXPECT_EQ(in.points, (std::array<std::int32_t, 4>{1, -1, INT32_MIN, INT32_MAX}));
    EXPECT_EQ(Hex(Encoded(in)), fourI32);
    const PtCalibration pt = Decoded<PtCalibration>(FromHex(fourI32));
    EXPECT_EQ(pt.points, in.points);
    EXPECT_EQ(Hex(Encoded(pt)), fourI32);

    const char* fourU16 = "01 00 02 00 FF FF 00 80";
    const OutputCalibration out = Decoded<OutputCalibration>(FromHex(fourU16));
    EXPECT_EQ(out.points, (std::array<std::uint16_t, 4>{1, 2, 65535, 32768}));
    EXPECT_EQ(Hex(Encoded(out)), fourU16);

    EXPECT_EQ(Decoded<CalibrationPoint>(FromHex("FE FF FF FF")).value, -2);
    EXPECT_EQ(Decoded<OutputCalibrationPoint>(FromHex("34 12")).value, 0x1234);

    // Short replies read zeros.
    EXPECT_EQ(Decoded<InputCalibration>(FromHex("05 00 00 00")).points, (std::array<std::int32_t, 4>{5, 0, 0, 0}));
    EXPECT_EQ(Decoded<OutputCalibration>({}).points, (std::array<std::uint16_t, 4>{}));
    EXPECT_EQ(Decoded<CalibrationPoint>(FromHex("07")).value, 7);
}

TEST(CalibrationRecords, WhichLabelAStepFills)
{
    struct Row {
        std::uint8_t command;
        int kimenetTipusa;
        const char* label;  // nullptr: none
    };
    const Row rows[] = {
        {102, 0, "Label_RAM1_iCalLow1"}, {103, 0, "Label_RAM1_iCalHigh1"},
        {104, 0, "Label_RAM1_iCalLow2"}, {105, 0, "Label_RAM1_iCalHigh2"},
        {114, 0, "Label_PWM4mA"},        {115, 0, "Label_PWM20mA"},
        {114, 1, "Label_PWM2V"},         {115, 1, "Label_PWM10V"},
        {114, -1, "Label_PWM2V"},        {125, 0, "Label_iCalPt0ohm4W"},
        {126, 0, "Label_iCalPtXohm4W"},  {127, 0, "Label_iCalPt0ohm3W"},
        {128, 0, "Label_iCalPtXohm3W"},
    };
    for (const Row& row : rows) {
        int in = InputCalibration::PointOfCommand(row.command);
        int out = OutputCalibration::PointOfCommand(row.command, row.kimenetTipusa);
        int pt = PtCalibration::PointOfCommand(row.command);
        const char* label = in >= 0    ? InputCalibration::kLabels[static_cast<std::size_t>(in)]
                            : out >= 0 ? OutputCalibration::kLabels[static_cast<std::size_t>(out)]
                                       : PtCalibration::kLabels[static_cast<std::size_t>(pt)];
        EXPECT_STREQ(label, row.label) << int(row.command);
        EXPECT_EQ((in >= 0) + (out >= 0) + (pt >= 0), 1) << int(row.command);
    }
    for (std::uint8_t other : {101, 106, 110, 116, 124, 129})
        EXPECT_TRUE(InputCalibration::PointOfCommand(other) < 0 && OutputCalibration::PointOfCommand(other, 0) < 0 &&
                    PtCalibration::PointOfCommand(other) < 0)
            << int(other);
}

TEST(CalibrationRecords, Pt1000ChoiceIsOneByte)
{
    EXPECT_EQ(Hex(Encoded(Pt1000Request{true})), "01");
    EXPECT_EQ(Hex(Encoded(Pt1000Request{false})), "00");
}

}  // namespace
