// Ombrik's command set end to end: the poll's request from the pages and its reply on the
// labels, and the calibration, option, erase, reset and Pt commands.
#include "tests/FindControl.h"
#include "tests/ombrik/link/ByteText.h"
#include "tests/LocaleScope.h"
#include "OmbrikHarness.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using bytetext::Hex;
using Codes = std::vector<std::uint8_t>;

TEST(OmbrikPoll, RequestBytesFollowTheDriveChecksAndTests)
{
    OmbrikHarness h;
    h.button("SpeedButton_PWMForce")->SetDown(true);
    h.find<qs::RadioGroup>("RadioGroup_KimenetTipusa")->setItemIndex(1);
    h.output().PWMValue = 1234;
    h.tick();
    EXPECT_EQ(Hex(h.lastData(5)), "01 D2 04 00 00");

    // A check goes out while its button is Down, until a poll reports the output as not
    // calibrated: then the next poll releases it and sends its bit clear.
    h.find<qs::RadioGroup>("RadioGroup_KimenetTipusa")->setItemIndex(0);
    h.button("SpeedButton_CheckCurrent")->SetDown(true);
    h.meter->status.uErrorBits = live_status::OutputNotCalibrated;
    h.tick();
    EXPECT_EQ(Hex(h.lastData(4)), "07 D2 04 00");
    h.tick();
    EXPECT_EQ(Hex(h.lastData(4)), "03 D2 04 00");
    EXPECT_FALSE(h.button("SpeedButton_CheckCurrent")->IsDown());

    // The test buttons exclude each other; the Down one goes out in every poll.
    h.button("SpeedButton_TestWhite")->click();
    h.button("SpeedButton_TestPattern")->click();
    EXPECT_FALSE(h.button("SpeedButton_TestWhite")->IsDown());
    h.tick(2);
    EXPECT_EQ(Hex(h.lastData(4)), "03 D2 04 04");
    h.button("SpeedButton_TestPattern")->click();
    h.tick();
    EXPECT_EQ(Hex(h.lastData(4)), "03 D2 04 00");

    // Paused, nothing goes out at all.
    h.find<QCheckBox>("CheckBox_MBUPause")->setChecked(true);
    const std::size_t before = h.meter->framesReceived().size();
    h.tick(3);
    EXPECT_EQ(h.meter->framesReceived().size(), before);
}

namespace {

struct PollDisplay {
    const char* name;
    std::uint8_t kind;  // the options reply's input module
    std::uint8_t inputType;
    bool pt1000;
    float physical;
    std::uint8_t decimals;
    const char* inputText;     // Label_uInputType
    const char* physicalText;  // with "," as separator
    const char* shownText;
};

class PollDisplayInLocale : public ::testing::TestWithParam<bool> {};

}  // namespace

TEST_P(PollDisplayInLocale, TheInputKindDecidesTextsUnitAndFormat)
{
    const bool hungarian = GetParam();
    LocaleScope scope(hungarian ? HungarianLocale() : QLocale::c());
    const PollDisplay rows[] = {
        {"no options read yet", 0, 2, false, 12.3456f, 2, "", "12,3456001281738 ", "-01235"},
        {"analogue input, voltage", 1, 2, false, 12.3456f, 2, "Feszültség: 0 - 10 V",
         "12,3456001281738 V", "-012,35"},
        {"analogue input, current", 1, 0, false, 4.5f, 1, "Áram: 4 - 20 mA", "4,5 mA", "-0123,5"},
        {"analogue input, unknown type", 1, 7, false, 4.5f, 3, "", "4,5 ", "-01,235"},
        {"Pt100", 2, 0, false, 123.4567f, 5, "Pt100 mérőérzékelő", "123,457 ohm", "-01235"},
        {"Pt1000", 2, 0, true, 123.4567f, 4, "Pt1000 mérőérzékelő", "123,46 ohm", "-0,1235"},
    };
    for (const PollDisplay& row : rows) {
        SCOPED_TRACE(row.name);
        OmbrikHarness h;
        LiveStatus& s = h.meter->status;
        s.iADRaw = 4194304;
        s.iADAveraged = -1234;
        s.uErrorBits = live_status::InputNotCalibrated;
        s.fFizikaiMennyiseg = row.physical;
        s.fKimenetSzazalek = 0.125f;
        s.iSkalazottKijezesiErtek = -1235;
        s.uInputType = row.inputType;
        s.bPt1000 = row.pt1000;
        s.uDecimals = row.decimals;
        s.uCRCOKbits = 15;
        s.uAfterWriteOKbits = 3;
        s.uSPS = 500;
        h.meter->mbu.options = {row.kind, 2};
        h.button("SpeedButton_OptionRead")->click();
        h.tick(2);
        EXPECT_EQ(h.state().InputModuleKind, row.kind);
        EXPECT_EQ(h.state().OutputModuleKind, 2);

        const QString sep = hungarian ? "," : ".";
        auto local = [&](const char* text) { return QString::fromUtf8(text).replace(",", sep); };
        EXPECT_EQ(h.label("Label_uInputType")->text(), QString::fromUtf8(row.inputText));
        EXPECT_EQ(h.label("Label_fFizikaiMennyiseg")->text(), local(row.physicalText));
        EXPECT_EQ(h.label("Label_iSkalazottKijezesiErtek")->text(), local(row.shownText));
        EXPECT_EQ(h.label("Label_iSkalazottKijezesiErtek2")->text(), local(row.shownText));
        EXPECT_EQ(h.label("Label_fKimenetSzazalek")->text(), local("0,125"));
        EXPECT_EQ(h.find<qs::TMBarGraph>("MBarGraph_IRow")->MBGText(), "4 194 304");
        EXPECT_DOUBLE_EQ(h.find<qs::TMBarGraph>("MBarGraph_IRow")->MBGValue(), 4194304 / 8388607.0);
        EXPECT_EQ(h.find<qs::TMBarGraph>("MBarGraph_IAveraged")->MBGText(), "-1 234");
        EXPECT_EQ(h.find<qs::Shape>("Shape_CalibratedInput")->brushColor(), clRed);
        EXPECT_EQ(h.find<qs::Shape>("Shape_CalibratedOutput")->brushColor(), clLime);
        EXPECT_EQ(h.label("Label_uCRCOKbits")->text(), "15");
        EXPECT_EQ(h.label("Label_uAfterWriteOKbits")->text(), "3");
        EXPECT_EQ(h.label("Label_uSPS")->text(), "500");
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, PollDisplayInLocale, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Comma" : "Point"; });

TEST(OmbrikCommands, CalibrationOptionEraseResetAndPtCommandsWithTheirLabels)
{
    OmbrikHarness h;
    h.meter->status.iADAveraged = 1234567;
    h.meter->status.bPt1000 = true;
    h.meter->mbu.input.points = {-5, 20000, 300, 4000000};
    h.meter->mbu.pt.points = {1, 22, 333, 4444};
    h.meter->mbu.options = {1, 9};
    h.tick();  // a poll first: the PWM value and the Pt1000 flag
    struct Row {
        SpeedButton* button;
        std::uint8_t command;
        std::vector<QLabel*> labels;
        QStringList texts;
    };
    const Row rows[] = {
        {h.button("SpeedButton_ReadCalIn"),
         110,
         {h.label("Label_RAM1_iCalLow1"), h.label("Label_RAM1_iCalHigh1"),
          h.label("Label_RAM1_iCalLow2"), h.label("Label_RAM1_iCalHigh2")},
         {"-5", "20 000", "300", "4 000 000"}},
        {h.button("SpeedButton_Cal0mA"), 102, {h.label("Label_RAM1_iCalLow1")}, {"1 234 567"}},
        {h.button("SpeedButton_Cal20mA"), 103, {h.label("Label_RAM1_iCalHigh1")}, {"1 234 567"}},
        {h.button("SpeedButton_Cal0V"), 104, {h.label("Label_RAM1_iCalLow2")}, {"1 234 567"}},
        {h.button("SpeedButton_Cal10V"), 105, {h.label("Label_RAM1_iCalHigh2")}, {"1 234 567"}},
        {h.button("SpeedButton_iCalPt0ohm4W"), 125, {h.label("Label_iCalPt0ohm4W")}, {"1 234 567"}},
        {h.button("SpeedButton_iCalPtXohm4W"), 126, {h.label("Label_iCalPtXohm4W")}, {"1 234 567"}},
        {h.button("SpeedButton_iCalPt0ohm3W"), 127, {h.label("Label_iCalPt0ohm3W")}, {"1 234 567"}},
        {h.button("SpeedButton_iCalPtXohm3W"), 128, {h.label("Label_iCalPtXohm3W")}, {"1 234 567"}},
        {h.button("SpeedButton_ReadCalPt"),
         129,
         {h.label("Label_iCalPt0ohm4W"), h.label("Label_iCalPtXohm4W"),
          h.label("Label_iCalPt0ohm3W"), h.label("Label_iCalPtXohm3W")},
         {"1 234 567", "1 234 567", "1 234 567", "1 234 567"}},  // the points just taken
        {h.button("SpeedButton_EraseFRAM1"), 106, {}, {}},
        {h.button("SpeedButton_Reset"), 113, {}, {}},
        {h.button("SpeedButton_OptionRead"), 111, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.command));
        row.button->click();
        h.tick();
        EXPECT_EQ(h.sent().back(), row.command);
        EXPECT_EQ(Hex(h.lastData(55)), Hex(std::vector<std::uint8_t>(55))) << "no request data";
        EXPECT_FALSE(row.button->IsDown());
        for (std::size_t i = 0; i < row.labels.size(); ++i)
            EXPECT_EQ(row.labels[i]->text(), row.texts[static_cast<int>(i)]);
    }
    EXPECT_TRUE(h.find<QCheckBox>("CheckBox_bPt1000")->isChecked())
        << "129 shows the last poll's Pt1000 flag";
    EXPECT_EQ(h.meter->mbu.framErasures, 1);
    EXPECT_EQ(h.meter->mbu.resets, 1);
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_InputModul")->ItemIndex(), 1);
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_OutputModul")->ItemIndex(), 2)
        << "a code past the list selects the last item";
}

TEST(OmbrikCommands, WritesSendTheControlsAndReadNothingBack)
{
    OmbrikHarness h;
    h.find<qs::RadioGroup>("RadioGroup_OutputModul")->setItemIndex(2);
    h.button("SpeedButton_OptionWrite")->click();
    h.tick();
    EXPECT_EQ(Hex(h.lastData(3)), "00 02 00") << "no input selected: \"Nincs\"";
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_InputModul")->ItemIndex(), 0);
    EXPECT_EQ(h.meter->mbu.options, (OptionsRecord{0, 2}));

    h.find<QCheckBox>("CheckBox_bPt1000")->setChecked(true);
    h.button("SpeedButton_bPt1000")->click();
    h.tick();
    EXPECT_EQ(Hex(h.lastData(2)), "01 00");
    EXPECT_TRUE(h.meter->status.bPt1000);
    EXPECT_FALSE(h.button("SpeedButton_bPt1000")->IsDown());
    h.tick();
    EXPECT_EQ(h.sent(), (Codes{112, 130, 101}));
}

TEST(OmbrikCommands, OutputPointsGoWhereTheOutputTypeIsWhenTheReplyArrives)
{
    OmbrikHarness h;
    h.output().PWMValue = 40000;
    h.tick();  // the poll carries the PWM value, and "Áram"
    h.button("SpeedButton_CalPWML")->SetDown(true);
    h.tick();
    EXPECT_EQ(h.label("Label_PWM4mA")->text(), "40 000");
    EXPECT_FALSE(h.button("SpeedButton_CalPWML")->IsDown());

    // Switched to "Feszültség" while the 115 is on its way: the point is shown as 10 V.
    h.meter->latencyMs = 30;
    h.button("SpeedButton_CalPWMH")->SetDown(true);
    h.session().Tick();
    h.find<qs::RadioGroup>("RadioGroup_KimenetTipusa")->setItemIndex(1);
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    EXPECT_EQ(h.label("Label_PWM10V")->text(), "40 000");
    EXPECT_EQ(h.label("Label_PWM20mA")->text(), "?");
    EXPECT_EQ(h.meter->mbu.output.points[output_cal::PWM20mA], 40000)
        << "the unit took it as 20 mA";

    h.meter->latencyMs = 0;
    h.meter->mbu.output.points = {1, 2, 3, 65535};
    h.button("SpeedButton_ReadPWMCal")->click();
    h.tick();
    EXPECT_EQ(h.label("Label_PWM4mA")->text(), "1");
    EXPECT_EQ(h.label("Label_PWM20mA")->text(), "2");
    EXPECT_EQ(h.label("Label_PWM2V")->text(), "3");
    EXPECT_EQ(h.label("Label_PWM10V")->text(), "65 535");
}

TEST(OmbrikCommands, SeveralPressedButtonsGoInPriorityOrder)
{
    OmbrikHarness h;
    for (SpeedButton* b : {h.button("SpeedButton_bPt1000"), h.button("SpeedButton_ReadPWMCal"),
                           h.button("SpeedButton_Reset"), h.button("SpeedButton_OptionRead"),
                           h.button("SpeedButton_Cal10V"), h.button("SpeedButton_TestFrame")})
        b->click();
    h.tick(6);
    EXPECT_EQ(h.sent(), (Codes{105, 111, 113, 116, 130, 101}));
    EXPECT_EQ(h.lastData(4)[3], 3) << "a test button is no request: it rides in the poll";
}
