// The output calibration page and the QV5510 display test on the window: direct drive and
// its withdrawals, the poll carrying the PWM value and the test pattern.
#include "tests/korvel/window/KorvelHarness.h"
#include "korvel/link/records/ModuleBlocks.h"
#include "common/ui/RecordBinder.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(OutputCalibrationPage, DirectDriveShowsTheGroupAndItsReleaseWithdrawsTheRequests)
{
    KorvelHarness h({"/VORKAL"});
    OutputCalibrationGroup& out = *h.w->Calibration->Output;
    EXPECT_TRUE(out.GroupBox_OutputCal->isHidden());
    EXPECT_EQ(out.Shape1->width(), 297);
    EXPECT_EQ(out.MBarGraph_PWM->width(), 297);

    out.SpeedButton_PWMForce->click();
    EXPECT_FALSE(out.GroupBox_OutputCal->isHidden());
    out.SpeedButton_CalPWML->click();
    EXPECT_TRUE(h.w->Session().IsPending(KeyCalPwmLow));
    out.SpeedButton_PWMForce->click();
    EXPECT_FALSE(h.w->Session().IsPending(KeyCalPwmLow));
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{101}));

    // The checks share their group with the calibration read: pressing one withdraws it.
    out.SpeedButton_PWMForce->click();
    h.w->Calibration->SpeedButton_ReadPWMCal->click();
    out.SpeedButton_CheckCurrent->click();
    EXPECT_FALSE(h.w->Session().IsPending(KeyPwmCalRead));
}

TEST(OutputCalibrationPage, EveryPollCarriesThePwmValueAndTheDirectDriveBit)
{
    KorvelHarness h({"/VORKAL"});
    OutputCalibrationGroup& out = *h.w->Calibration->Output;
    QTest::mousePress(out.Shape1, Qt::LeftButton, {}, QPoint(296, 3));
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest, (std::vector<std::uint8_t>{0x02, 0x22, 0xFF, 0, 0}));  // 65314
    out.SpeedButton_PWMForce->click();
    out.Button_PWMPppp->click();  // saturates
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest, (std::vector<std::uint8_t>{0x03, 0xFF, 0xFF, 0, 0}));
}

namespace {
struct Qv5510Fixture : ::testing::Test {
    KorvelHarness h{{"/VORKAL"}};
    Qv5510Group& g = *h.w->Models->Qv5510;

    std::uint8_t TestForce()
    {
        h.tick();
        return h.meter->lastStatusRequest[3];
    }
};
}  // namespace

TEST_F(Qv5510Fixture, TheLabelsSayWhatIsSentFromTheStart)
{
    EXPECT_EQ(g.Label_Brightness_QV5510->text(), "50%");
    EXPECT_EQ(g.Label_KijelzoTeszt_QV5510->text(), "1");
    EXPECT_EQ(g.RadioGroup_uCounterForDisplayRefresh->ItemIndex(), -1);
    EXPECT_TRUE(g.CheckBox_DisplayLeaderZeros_QV5510->isChecked());
    EXPECT_TRUE(g.Button1->isEnabled());  // the password dialog is bound to it
    // The display block's fields name these controls.
    recordbind::Binding<Qv5510DisplayBlock> block(
        [this](const QString& name) { return g.GroupBox_QV5510->findChild<QWidget*>(name); }, h.w->State().Decimals);
    EXPECT_TRUE(block.Missing().empty());
    g.TrackBar_Brightness_QV5510->setValue(1);
    EXPECT_EQ(g.Label_Brightness_QV5510->text(), "10%");
    g.TrackBar_Brightness_QV5510->setValue(10);
    EXPECT_EQ(g.Label_Brightness_QV5510->text(), "100%");

    // The tab made active from code (as a read-back does, with no page-change event): the
    // ticked test sends the pattern its label shows.
    h.w->PageControl4->setActivePage(h.w->TabSheet_5510);
    g.CheckBox_KijelzoTeszt_QV5510->click();
    EXPECT_EQ(TestForce(), 1);
}

TEST_F(Qv5510Fixture, EnteringTheTabRestartsTheTestAndReadsTheDisplaySettings)
{
    h.w->show();
    g.TestPattern = 9;
    g.CheckBox_KijelzoTeszt_QV5510->setChecked(true);
    ASSERT_TRUE(KorvelHarness::clickTab(h.w->PageControl4, "QV5510 és QV5520 IP"));
    EXPECT_EQ(g.TestPattern, 1);
    EXPECT_EQ(g.Label_KijelzoTeszt_QV5510->text(), "1");
    EXPECT_FALSE(g.CheckBox_KijelzoTeszt_QV5510->isChecked());
    EXPECT_TRUE(g.SpeedButton_ReadFromDevice_QV5510->IsDown());
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{217}));

    // Entering another tab changes nothing here.
    g.SpeedButton_ReadFromDevice_QV5510->SetDown(false);
    g.TestPattern = 4;
    ASSERT_TRUE(KorvelHarness::clickTab(h.w->PageControl4, "QV5530"));
    EXPECT_EQ(g.TestPattern, 4);
    EXPECT_FALSE(g.SpeedButton_ReadFromDevice_QV5510->IsDown());
}

TEST_F(Qv5510Fixture, PatternStepsStayWithin1To21AndGoOutOnlyWhileTickedOnTheTab)
{
    g.Button_KijelzoTeszt_QV5510_Minus->click();
    EXPECT_EQ(g.TestPattern, 1);
    for (int i = 0; i < 25; ++i)
        g.Button_KijelzoTeszt_QV5510_Plus->click();
    EXPECT_EQ(g.TestPattern, 21);
    EXPECT_EQ(g.Label_KijelzoTeszt_QV5510->text(), "21");
    g.Button_KijelzoTeszt_QV5510_Minus->click();
    EXPECT_EQ(g.Label_KijelzoTeszt_QV5510->text(), "20");

    g.CheckBox_KijelzoTeszt_QV5510->setChecked(true);
    EXPECT_EQ(TestForce(), 0);  // the factory tab is active
    h.w->PageControl4->setActivePage(h.w->TabSheet_5510);
    EXPECT_EQ(TestForce(), 20);
    g.Button_KijelzoTeszt_QV5510_1->click();
    EXPECT_EQ(TestForce(), 1);
    EXPECT_EQ(g.Label_KijelzoTeszt_QV5510->text(), "1");
    g.CheckBox_KijelzoTeszt_QV5510->setChecked(false);
    EXPECT_EQ(TestForce(), 0);
}
