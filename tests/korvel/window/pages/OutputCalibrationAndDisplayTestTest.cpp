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
    EXPECT_TRUE(h.C<QGroupBox>("GroupBox_OutputCal")->isHidden());
    EXPECT_EQ(h.C<QWidget>("Shape1")->width(), 297);
    EXPECT_EQ(h.C<qs::TMBarGraph>("MBarGraph_PWM")->width(), 297);

    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
    EXPECT_FALSE(h.C<QGroupBox>("GroupBox_OutputCal")->isHidden());
    h.C<qs::SpeedButton>("SpeedButton_CalPWML")->click();
    EXPECT_TRUE(h.session().IsPending(KeyCalPwmLow));
    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
    EXPECT_FALSE(h.session().IsPending(KeyCalPwmLow));
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{101}));

    // The checks share their group with the calibration read: pressing one withdraws it.
    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
    h.C<qs::SpeedButton>("SpeedButton_ReadPWMCal")->click();
    h.C<qs::SpeedButton>("SpeedButton_CheckCurrent")->click();
    EXPECT_FALSE(h.session().IsPending(KeyPwmCalRead));
}

TEST(OutputCalibrationPage, EveryPollCarriesThePwmValueAndTheDirectDriveBit)
{
    KorvelHarness h({"/VORKAL"});
    QTest::mousePress(h.C<QWidget>("Shape1"), Qt::LeftButton, {}, QPoint(296, 3));
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest,
              (std::vector<std::uint8_t>{0x02, 0x22, 0xFF, 0, 0}));  // 65314
    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
    h.C<QPushButton>("Button_PWMPppp")->click();  // saturates
    h.tick();
    EXPECT_EQ(h.meter->lastStatusRequest, (std::vector<std::uint8_t>{0x03, 0xFF, 0xFF, 0, 0}));
}

namespace {
struct Qv5510Fixture : ::testing::Test {
    KorvelHarness h{{"/VORKAL"}};
    Qv5510Group& g = *h.Part<korvel::Qv5510Group>();

    std::uint8_t TestForce()
    {
        h.tick();
        return h.meter->lastStatusRequest[3];
    }
};
}  // namespace

TEST_F(Qv5510Fixture, TheLabelsSayWhatIsSentFromTheStart)
{
    EXPECT_EQ(h.C<QLabel>("Label_Brightness_QV5510")->text(), "50%");
    EXPECT_EQ(h.C<QLabel>("Label_KijelzoTeszt_QV5510")->text(), "1");
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_uCounterForDisplayRefresh")->ItemIndex(), -1);
    EXPECT_TRUE(h.C<QCheckBox>("CheckBox_DisplayLeaderZeros_QV5510")->isChecked());
    EXPECT_TRUE(h.C<QPushButton>("Button1")->isEnabled());  // the password dialog is bound to it
    // The display block's fields name these controls.
    recordbind::Binding<Qv5510DisplayBlock> block(
        [this](const QString& name) {
            return h.C<QGroupBox>("GroupBox_QV5510")->findChild<QWidget*>(name);
        },
        h.state().Decimals);
    EXPECT_TRUE(block.Missing().empty());
    h.C<QSlider>("TrackBar_Brightness_QV5510")->setValue(1);
    EXPECT_EQ(h.C<QLabel>("Label_Brightness_QV5510")->text(), "10%");
    h.C<QSlider>("TrackBar_Brightness_QV5510")->setValue(10);
    EXPECT_EQ(h.C<QLabel>("Label_Brightness_QV5510")->text(), "100%");

    // The tab made active from code (as a read-back does, with no page-change event): the
    // ticked test sends the pattern its label shows.
    h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_5510"));
    h.C<QCheckBox>("CheckBox_KijelzoTeszt_QV5510")->click();
    EXPECT_EQ(TestForce(), 1);
}

TEST_F(Qv5510Fixture, EnteringTheTabRestartsTheTestAndReadsTheDisplaySettings)
{
    h.w->show();
    g.TestPattern = 9;
    h.C<QCheckBox>("CheckBox_KijelzoTeszt_QV5510")->setChecked(true);
    ASSERT_TRUE(
        KorvelHarness::clickTab(h.C<qs::PageControl>("PageControl4"), "QV5510 és QV5520 IP"));
    EXPECT_EQ(g.TestPattern, 1);
    EXPECT_EQ(h.C<QLabel>("Label_KijelzoTeszt_QV5510")->text(), "1");
    EXPECT_FALSE(h.C<QCheckBox>("CheckBox_KijelzoTeszt_QV5510")->isChecked());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadFromDevice_QV5510")->IsDown());
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{217}));

    // Entering another tab changes nothing here.
    h.C<qs::SpeedButton>("SpeedButton_ReadFromDevice_QV5510")->SetDown(false);
    g.TestPattern = 4;
    ASSERT_TRUE(KorvelHarness::clickTab(h.C<qs::PageControl>("PageControl4"), "QV5530"));
    EXPECT_EQ(g.TestPattern, 4);
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadFromDevice_QV5510")->IsDown());
}

TEST_F(Qv5510Fixture, PatternStepsStayWithin1To21AndGoOutOnlyWhileTickedOnTheTab)
{
    h.C<QPushButton>("Button_KijelzoTeszt_QV5510_Minus")->click();
    EXPECT_EQ(g.TestPattern, 1);
    for (int i = 0; i < 25; ++i)
        h.C<QPushButton>("Button_KijelzoTeszt_QV5510_Plus")->click();
    EXPECT_EQ(g.TestPattern, 21);
    EXPECT_EQ(h.C<QLabel>("Label_KijelzoTeszt_QV5510")->text(), "21");
    h.C<QPushButton>("Button_KijelzoTeszt_QV5510_Minus")->click();
    EXPECT_EQ(h.C<QLabel>("Label_KijelzoTeszt_QV5510")->text(), "20");

    h.C<QCheckBox>("CheckBox_KijelzoTeszt_QV5510")->setChecked(true);
    EXPECT_EQ(TestForce(), 0);  // the factory tab is active
    h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_5510"));
    EXPECT_EQ(TestForce(), 20);
    h.C<QPushButton>("Button_KijelzoTeszt_QV5510_1")->click();
    EXPECT_EQ(TestForce(), 1);
    EXPECT_EQ(h.C<QLabel>("Label_KijelzoTeszt_QV5510")->text(), "1");
    h.C<QCheckBox>("CheckBox_KijelzoTeszt_QV5510")->setChecked(false);
    EXPECT_EQ(TestForce(), 0);
}
