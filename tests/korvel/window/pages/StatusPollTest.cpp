// The status poll end to end: request bytes from the controls, reply fields on the labels.
#include "tests/korvel/window/KorvelHarness.h"
#include "tests/LocaleScope.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

namespace {
class StatusLabels : public ::testing::TestWithParam<Separator> {};
}  // namespace

TEST_P(StatusLabels, ReplyFillsTheStatusPageInTheLocalesFormat)
{
    const Separator& p = GetParam();
    LocaleScope scope(p.locale);
    KorvelHarness h({"/VORKAL"});
    StatusRecord& s = h.meter->status;
    s.uGyariSzamEv = 20;
    s.uGyariSzamHonap = 8;
    s.iADRaw = 4194304;
    s.iADAveraged = -1234;
    s.uErrorBits = 0b1000101;
    s.fFizikaiMennyiseg = 12.5f;
    s.fKimenetSzazalek = 0.125f;
    s.iSkalazottKijezesiErtek = -12345;
    s.uQVOptIn = 1;
    s.uInputType = 2;
    s.uDecimals = 2;
    s.uCRCOKbits = 0x0F;
    s.uAfterWriteOKbits = 0;
    s.uSPS = 50;
    s.uFRAMSizeKB = 32;
    s.uSecondsOfOperation = 90061;
    s.fResistanceOfWires = 1.2345f;
    s.uDigitalOutputs = 0b0101;
    s.uKeys = 0b101;
    s.uMainLoopFrequency = 1234567;
    h.meter->deviceId = 123456;
    h.tick();

    const QString sep = p.text();
    EXPECT_EQ(h.C<QLabel>("Label_KeszulekGyariSzam")->text(), "123456/20.08");
    EXPECT_EQ(h.C<qs::TMBarGraph>("MBarGraph_IRow")->MBGText(), "4 194 304");
    EXPECT_DOUBLE_EQ(h.C<qs::TMBarGraph>("MBarGraph_IRow")->MBGValue(), 4194304 / 8388607.0);
    EXPECT_EQ(h.C<qs::TMBarGraph>("MBarGraph_IAveraged")->MBGText(), "-1 234");
    EXPECT_EQ(BackgroundColorOf(h.C<QLabel>("Label_cErrorUncalibratedInput")), clRed);
    EXPECT_EQ(BackgroundColorOf(h.C<QLabel>("Label_cErrorUncalibratedOutput")), clBtnFace);
    EXPECT_EQ(BackgroundColorOf(h.C<QLabel>("Label_cErrorOutputRange")), clRed);
    EXPECT_EQ(BackgroundColorOf(h.C<QLabel>("Label_cErrorRSTimeOut")), clRed);
    EXPECT_EQ(h.C<QLabel>("Label_uInputType")->text(), "Feszültség: 0 - 10 V");
    EXPECT_EQ(h.C<QLabel>("Label_fFizikaiMennyiseg")->text(),
              "12" + sep + "5 V");  // general format
    EXPECT_EQ(h.C<QLabel>("Label_fKimenetSzazalek")->text(), "0" + sep + "125");
    EXPECT_EQ(h.C<qs::TMBarGraph>("MBarGraph_OutputPercent")->MBGText(),
              "12%");  // 12.5 goes to the even 12
    EXPECT_EQ(h.C<QLabel>("Label_iSkalazottKijezesiErtek")->text(), "-123" + sep + "45");
    EXPECT_EQ(h.C<QLabel>("Label_iSkalazottKijezesiErtek2")->text(), "-123" + sep + "45");
    EXPECT_EQ(h.C<QLabel>("Label_uSPS")->text(), "50");
    EXPECT_EQ(h.C<QLabel>("Label_uAfterWriteOKbits")->text(), "Mindegyik hibás!");
    EXPECT_EQ(h.C<QLabel>("Label_recFRAMCommon_uSizeKB")->text(), "32 kB");
    EXPECT_EQ(h.C<QLabel>("Label_fResistanceOfWires")->text(), "Rvez = 1" + sep + "235 V");
    EXPECT_FALSE(h.C<QLabel>("Label_DigitalOut1")->isHidden());
    EXPECT_TRUE(h.C<QLabel>("Label_DigitalOut2")->isHidden());
    EXPECT_FALSE(h.C<QLabel>("Label_DigitalOut3")->isHidden());
    EXPECT_EQ(h.C<qs::Shape>("Shape_DigitalOut1_QV5510")->brushColor(), 0x4080FFu);
    EXPECT_EQ(h.C<qs::Shape>("Shape_DigitalOut2_QV3320")->brushColor(), clBtnFace);
    EXPECT_FALSE(h.C<QLabel>("Label_SWRight")->isHidden());
    EXPECT_TRUE(h.C<QLabel>("Label_SWUp")->isHidden());
    EXPECT_FALSE(h.C<QLabel>("Label_SWLeft")->isHidden());
    EXPECT_EQ(h.C<QLabel>("Label_uMainLoopFrequency")->text(), "1 234 567");
    EXPECT_EQ(findcontrol::Find<QLabel>(h.forms->Form_QVTMP, "Label_bPt1000")->text(), "Pt 100");

    // 0.375 rounds to 38; decimal places 5 keep the format; an unknown input type keeps its text.
    s.fKimenetSzazalek = 0.375f;
    s.uDecimals = 5;
    s.uInputType = 7;
    s.iSkalazottKijezesiErtek = 5;
    h.tick();
    EXPECT_EQ(h.C<qs::TMBarGraph>("MBarGraph_OutputPercent")->MBGText(), "38%");
    EXPECT_EQ(h.C<QLabel>("Label_iSkalazottKijezesiErtek")->text(), "000" + sep + "05");
    EXPECT_EQ(h.C<QLabel>("Label_uInputType")->text(), "Feszültség: 0 - 10 V");
    EXPECT_EQ(h.C<QLabel>("Label_fFizikaiMennyiseg")->text(), "12" + sep + "5 ");
}

TEST_P(StatusLabels, TemperatureInputShowsThePtSensorRules)
{
    const Separator& p = GetParam();
    LocaleScope scope(p.locale);
    KorvelHarness h({"/VORKAL"});
    StatusRecord& s = h.meter->status;
    s.uQVOptIn = 2;
    s.fFizikaiMennyiseg = 109.73512f;
    s.fResistanceOfWires = 0.4567f;
    s.bPt1000 = false;
    h.tick();
    EXPECT_EQ(h.C<QLabel>("Label_uInputType")->text(), "Pt100 PIC modul");
    EXPECT_EQ(h.C<QLabel>("Label_fFizikaiMennyiseg")->text(), "109" + p.text() + "735 ohm");
    EXPECT_EQ(h.C<QLabel>("Label_fResistanceOfWires")->text(), "Rvez = 0" + p.text() + "457 ohm");
    s.bPt1000 = true;
    h.tick();
    EXPECT_EQ(h.C<QLabel>("Label_uInputType")->text(), "Pt1000 PIC modul");
    EXPECT_EQ(h.C<QLabel>("Label_fFizikaiMennyiseg")->text(), "109" + p.text() + "74 ohm");
    EXPECT_EQ(h.C<QLabel>("Label_fResistanceOfWires")->text(), "0" + p.text() + "46");
    EXPECT_EQ(findcontrol::Find<QLabel>(h.forms->Form_QVTMP, "Label_bPt1000")->text(), "Pt 1000");
}

INSTANTIATE_TEST_SUITE_P(Locales, StatusLabels, ::testing::Values(kComma, kPoint),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StatusRequest, BytesFollowTheControls)
{
    KorvelHarness h({"/VORKAL"});
    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->SetDown(true);
    h.C<QRadioButton>("RadioButton_QVAOModul1")->setChecked(true);
    h.Part<qs::OutputCalibrationGroup>()->PWMValue = 0x1234;
    h.C<qs::SpeedButton>("SpeedButton_CheckCurrent")->SetDown(true);
    h.tick();
    // PWM force, current output, check current, module 1; PWM value; no test; nothing forced.
    EXPECT_EQ(h.meter->lastStatusRequest, (std::vector<std::uint8_t>{0x17, 0x34, 0x12, 0, 0}));

    // Uncalibrated output: the check button is released and its bit stays 0.
    h.meter->status.uErrorBits = 0b10;
    h.tick();
    h.tick();
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_CheckCurrent")->IsDown());
    EXPECT_EQ(h.meter->lastStatusRequest[0], 0x13);
}

TEST(StatusRequest, ForcedOutputsAndTheirMirror)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->status.uDigitalOutputs = 0b0110;
    h.tick();
    h.tick();  // the second request mirrors the outputs of the first reply
    EXPECT_EQ(h.meter->lastStatusRequest[4], 0);
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_DigitalOut1Force")->IsDown());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_DigitalOut2Force")->IsDown());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_DigitalOut3Force")->IsDown());

    h.C<qs::SpeedButton>("SpeedButton_DigitalOutForceEng")->SetDown(true);
    h.C<qs::SpeedButton>("SpeedButton_DigitalOut1Force")->SetDown(true);
    h.C<qs::SpeedButton>("SpeedButton_DigitalOut2Force")->SetDown(false);
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest[4], 0xF5);  // buttons 1 and 3

    // The relay dialog's test on the additional slot.
    h.C<qs::SpeedButton>("SpeedButton_DigitalOutForceEng")->SetDown(false);
    h.meter->status.uDigitalOutputs = 0;
    h.tick();
    h.session().SelectSlot(korvel::Trio::Qvro, 0);
    findcontrol::Find<QCheckBox>(h.forms->Form_QVRO, "CheckBox_DigitalOutForceEng")
        ->setChecked(true);
    findcontrol::Find<qs::SpeedButton>(h.forms->Form_QVRO, "SpeedButton_DigitalOut1Force")
        ->SetDown(true);
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest[4], 0x22);
}

TEST(StatusRequest, DisplayTestGoesOutOnlyWhileItsModelTabIsActive)
{
    KorvelHarness h({"/VORKAL"});
    h.C<qs::SpeedButton>("SpeedButton_TestFrame")->SetDown(true);
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest[3], 0);  // the factory page is active
    h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_5530"));
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest[3], 3);
    h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_5510"));
    h.Part<korvel::Qv5510Group>()->TestPattern = 7;
    h.C<QCheckBox>("CheckBox_KijelzoTeszt_QV5510")->setChecked(true);
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest[3], 7);
}

TEST(StatusReply, RelayDialogShowsTheOutputOfItsSlot)
{
    KorvelHarness h({"/VORKAL"});
    auto* relay = h.forms->Form_QVRO;
    h.session().SelectSlot(korvel::Trio::Qvro, 1);
    h.meter->status.uDigitalOutputs = 0b10;
    h.tick();
    EXPECT_FALSE(findcontrol::Find<QLabel>(relay, "Label_DigitalOutOn")->isEnabled());
    EXPECT_EQ(BackgroundColorOf(findcontrol::Find<QLabel>(relay, "Label_DigitalOutOff")), clRed);
    h.session().SelectSlot(korvel::Trio::Qvro, 0);
    h.tick();
    EXPECT_TRUE(findcontrol::Find<QLabel>(relay, "Label_DigitalOutOn")->isEnabled());
    EXPECT_EQ(BackgroundColorOf(findcontrol::Find<QLabel>(relay, "Label_DigitalOutOn")), clLime);
    EXPECT_FALSE(findcontrol::Find<QLabel>(relay, "Label_DigitalOutOff")->isEnabled());
}
