// Ombrik's pages end to end: the reads on entering a page, the exclusive button groups, and
// the output calibration controls with the poll bytes they give.
#include "tests/ombrik/link/ByteText.h"
#include "common/bargraph/MBarGraph.h"
#include "OmbrikHarness.h"
#include "tests/PendingLook.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using bytetext::Hex;
using Codes = std::vector<std::uint8_t>;

TEST(OmbrikPages, EnteringAPageReadsItAndWithdrawsWhatItsReadsExclude)
{
    OmbrikHarness h;
    ombrik::CalibrationPage& c = h.cal();
    ombrik::SettingsPages& s = h.pages();
    for (SpeedButton* b : {c.Input->SpeedButton_Cal0mA, c.Pt->SpeedButton_bPt1000, c.Output->SpeedButton_CheckCurrent})
        b->SetDown(true);
    h.enter("Quorin beállítások");
    h.tick(5);
    EXPECT_EQ(h.sent(), (Codes{110, 111, 116, 129, 101}));
    EXPECT_EQ(Hex(h.lastData(1)), "02") << "the check was released";

    s.SpeedButton_ReadDefaultSettings->SetDown(true);
    h.enter("Beállítások");
    EXPECT_FALSE(s.SpeedButton_ReadDefaultSettings->IsDown());
    h.enter("Tesztek");  // nothing to read
    h.meter->clearLog();
    h.tick(4);
    EXPECT_EQ(h.sent(), (Codes{107, 117, 120, 101}));
    // A change from code runs no change handler.
    h.w->PageControl1->setActivePage(h.w->TabSheet5);
    EXPECT_FALSE(s.SpeedButton_ReadSettings2->IsDown());
}

// Entering the limit-output page while a write is under way releases the write button and
// presses the read; the chain already running goes on, then the read follows.
TEST(OmbrikPages, AChainUnderWayEndsWhenAPageEntryReleasesItsButton)
{
    OmbrikHarness h;
    ombrik::SettingsPages& s = h.pages();
    s.SpeedButton_WriteSettings2->click();
    h.tick();
    h.enter("Határérték kimenetek");
    EXPECT_FALSE(s.SpeedButton_WriteSettings2->IsDown());
    EXPECT_TRUE(s.SpeedButton_ReadSettings2->IsDown());
    h.tick(6);
    EXPECT_EQ(h.sent(), (Codes{109, 119, 122, 107, 117, 120, 101}));
    EXPECT_EQ(h.settings->writes.size(), 3u);
}

TEST(OmbrikPages, ButtonsOfOneGroupExcludeEachOtherAndGroupsAreIndependent)
{
    OmbrikHarness h;
    ombrik::CalibrationPage& c = h.cal();
    ombrik::SettingsPages& s = h.pages();
    ombrik::DevicePages& d = *h.w->Device;
    const InputCalibrationGroup& in = *c.Input;
    const PtCalibrationGroup& pt = *c.Pt;
    const std::vector<std::vector<SpeedButton*>> groups = {
        {c.SpeedButton_OptionRead, c.SpeedButton_OptionWrite},
        {c.SpeedButton_ReadPWMCal, c.Output->SpeedButton_CheckCurrent, c.Output->SpeedButton_CheckVoltage},
        {c.Output->SpeedButton_CalPWML, c.Output->SpeedButton_CalPWMH},
        {in.SpeedButton_Cal0mA, in.SpeedButton_Cal20mA, in.SpeedButton_Cal0V, in.SpeedButton_Cal10V, in.SpeedButton_ReadCalIn},
        {pt.SpeedButton_iCalPt0ohm4W, pt.SpeedButton_iCalPtXohm4W, pt.SpeedButton_iCalPt0ohm3W, pt.SpeedButton_iCalPtXohm3W,
         pt.SpeedButton_ReadCalPt, pt.SpeedButton_bPt1000},
        {s.SpeedButton_ReadSettings, s.SpeedButton_ReadDefaultSettings, s.SpeedButton_WriteSettings},
        {s.SpeedButton_ReadSettings2, s.SpeedButton_ReadDefaultSettings2, s.SpeedButton_WriteSettings2},
        {d.SpeedButton_EraseFRAM1, d.SpeedButton_Reset},
        {d.SpeedButton_ReadDisplay},
        {d.SpeedButton_TestASCII5x7, d.SpeedButton_TestWhite, d.SpeedButton_TestFrame, d.SpeedButton_TestPattern},
        {c.Output->SpeedButton_PWMForce},
    };
    std::size_t buttons = 0;
    for (const auto& group : groups) {
        for (SpeedButton* pressed : group) {
            pressed->click();
            for (SpeedButton* b : group)
                EXPECT_EQ(b->IsDown(), b == pressed) << b->objectName().toStdString();
        }
        buttons += group.size();
    }
    for (const auto& group : groups)
        EXPECT_TRUE(group.back()->IsDown()) << group.back()->objectName().toStdString();
    EXPECT_EQ(buttons, static_cast<std::size_t>(h.w->findChildren<SpeedButton*>().size())) << "every button listed";
    // The direct drive is a toggle of its own.
    c.Output->SpeedButton_PWMForce->click();
    EXPECT_FALSE(c.Output->SpeedButton_PWMForce->IsDown());
}

TEST(OmbrikPages, PwmStepsAndStripClicksGoOutInTheNextPoll)
{
    OmbrikHarness h;
    OutputCalibrationGroup& o = *h.cal().Output;
    EXPECT_EQ(o.StripWidth(), 329);
    EXPECT_EQ(o.Shape1->width(), 329);
    struct Row {
        const char* name;
        std::uint16_t from;
        std::function<void()> change;
        std::uint16_t to;
        const char* label;
    };
    auto strip = [&](int x) { return [&o, x] { QTest::mousePress(o.Shape1, Qt::LeftButton, {}, QPoint(x, 5)); }; };
    const Row rows[] = {
        {"-- below 20", 10, [&] { o.Button_PWMMm->click(); }, 0, "0"},
        {"+ at the top", 65534, [&] { o.Button_PWMP->click(), o.Button_PWMP->click(); }, 65535, "65 535"},
        {"++++ from 60535", 60535, [&] { o.Button_PWMPppp->click(); }, 65535, "65 535"},
        {"+++ --- -", 1000, [&] { o.Button_PWMPpp->click(), o.Button_PWMMmm->click(), o.Button_PWMM->click(); }, 999,
         "999"},
        {"strip at 0", 1234, strip(0), 0, "0"},
        {"strip at 164", 0, strip(164), 32668, "32 668"},
        {"strip at its last pixel", 0, strip(328), 65336, "65 336"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        o.PWMValue = row.from;
        row.change();
        EXPECT_EQ(o.PWMValue, row.to);
        EXPECT_EQ(o.Label_PWM->text(), QString::fromUtf8(row.label));
        EXPECT_DOUBLE_EQ(o.MBarGraph_PWM->MBGValue(), row.to / 65535.0);
        h.tick();
        EXPECT_EQ(h.sent().back(), 101);
        EXPECT_EQ(Hex(h.lastData(3)), Hex(std::vector<std::uint8_t>{0x02, std::uint8_t(row.to & 0xFF), std::uint8_t(row.to >> 8)}))
            << "only the poll carries the value";
    }
}

TEST(OmbrikPages, DirectDriveShowsTheCaptionsOfTheOutputTypeAndItsReleaseDropsCalibrationAndChecks)
{
    OmbrikHarness h;
    OutputCalibrationGroup& o = *h.cal().Output;
    o.PWMValue = 1234;
    struct Step {
        const char* name;
        std::function<void()> change;
        const char* low;
        const char* high;
        const char* poll;
    };
    const Step steps[] = {
        {"direct drive", [&] { o.SpeedButton_PWMForce->click(); }, "Kalibrálás 4 mA", "Kalibrálás 20 mA", "03 D2 04 00"},
        {"voltage", [&] { o.RadioGroup_KimenetTipusa->item(1)->click(); }, "Kalibrálás 2 V", "Kalibrálás 10 V",
         "01 D2 04 00"},
        {"check 5 V", [&] { o.SpeedButton_CheckVoltage->click(); }, "Kalibrálás 2 V", "Kalibrálás 10 V", "09 D2 04 00"},
        {"current", [&] { o.RadioGroup_KimenetTipusa->item(0)->click(); }, "Kalibrálás 4 mA", "Kalibrálás 20 mA",
         "0B D2 04 00"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        EXPECT_FALSE(o.GroupBox_OutputCal->isHidden());
        EXPECT_EQ(o.SpeedButton_CalPWML->text(), QString::fromUtf8(step.low));
        EXPECT_EQ(o.SpeedButton_CalPWMH->text(), QString::fromUtf8(step.high));
        h.tick();
        EXPECT_EQ(Hex(h.lastData(4)), step.poll);
    }
    // The two checks stand side by side, equally wide.
    h.w->show();
    h.w->PageControl1->setActivePage(h.w->TabSheet1);
    eventloop::Pump();
    const QRect current = o.SpeedButton_CheckCurrent->geometry();
    const QRect voltage = o.SpeedButton_CheckVoltage->geometry();
    EXPECT_EQ(current.width(), voltage.width());
    EXPECT_EQ(current.top(), voltage.top());
    EXPECT_LT(current.right(), voltage.left());

    // Released with a calibration and a check pending: both are dropped, nothing but polls
    // goes out, and the value stays.
    o.SpeedButton_CalPWML->click();
    EXPECT_TRUE(h.session().IsPending(mbu::Command::CalPwmLow));
    o.SpeedButton_PWMForce->click();
    EXPECT_TRUE(o.GroupBox_OutputCal->isHidden());
    EXPECT_TRUE(o.SpeedButton_CheckVoltage->isHidden());
    EXPECT_FALSE(h.session().IsPending(mbu::Command::CalPwmLow));
    EXPECT_FALSE(o.SpeedButton_CheckVoltage->IsDown());
    h.tick(2);
    EXPECT_EQ(h.sent().back(), 101);
    EXPECT_EQ(h.sent()[h.sent().size() - 2], 101);
    EXPECT_EQ(Hex(h.lastData(4)), "02 D2 04 00");
}

// Right on the tab bar, Ctrl+Tab and the wheel each show "Határérték kimenetek" from
// "Beállítások" and run its entry read once, as a click does; a change from code runs none.
TEST(OmbrikPages, KeyboardAndWheelPageChangesShowThePageAndReadItOnce)
{
    for (const PageRoad road : kPageRoads) {
        SCOPED_TRACE(PageRoadName(road));
        OmbrikHarness h;
        h.w->show();
        QSignalSpy changes(h.w->PageControl1, &PageControl::userChanged);
        StepPage(h.w->PageControl1, road);
        EXPECT_EQ(h.w->PageControl1->activePage(), h.w->TabSheet5);
        EXPECT_TRUE(h.w->TabSheet5->isVisible());
        EXPECT_FALSE(h.w->TabSheet2->isVisible());
        EXPECT_EQ(PageTabBar(h.w->PageControl1)->currentIndex(), 2);
        EXPECT_EQ(changes.count(), 1);
        EXPECT_TRUE(h.pages().SpeedButton_ReadSettings2->IsDown());
        h.tick(4);
        EXPECT_EQ(h.sent(), (Codes{107, 117, 120, 101}));
    }
    OmbrikHarness h;
    h.w->show();
    h.w->PageControl1->setActivePage(h.w->TabSheet1);
    h.w->PageControl1->setActivePage(h.w->TabSheet5);
    h.tick();
    EXPECT_EQ(h.sent(), (Codes{101}));
}

// A request waiting for its reply looks pressed beside the idle buttons of its trio.
TEST(OmbrikPages, APendingRequestLooksPressed)
{
    OmbrikHarness h;
    h.w->show();
    ombrik::SettingsPages& s = h.pages();
    h.tick();  // a poll: the monitor and the values show the unit
    s.SpeedButton_ReadSettings->click();
    eventloop::Pump();
    EXPECT_GE(FaceGrey(s.SpeedButton_ReadDefaultSettings) - FaceGrey(s.SpeedButton_ReadSettings), 40.0);
    SavePendingShot(h.w.get(), "ombrik-pending.png");
    h.tick(3);
    EXPECT_FALSE(s.SpeedButton_ReadSettings->IsDown());
    EXPECT_NEAR(FaceGrey(s.SpeedButton_ReadSettings), FaceGrey(s.SpeedButton_ReadDefaultSettings), 1.0);
}
