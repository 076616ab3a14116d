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
    for (SpeedButton* b : {h.button("SpeedButton_Cal0mA"), h.button("SpeedButton_bPt1000"),
                           h.button("SpeedButton_CheckCurrent")})
        b->SetDown(true);
    h.enter("Quorin beállítások");
    h.tick(5);
    EXPECT_EQ(h.sent(), (Codes{110, 111, 116, 129, 101}));
    EXPECT_EQ(Hex(h.lastData(1)), "02") << "the check was released";

    h.button("SpeedButton_ReadDefaultSettings")->SetDown(true);
    h.enter("Beállítások");
    EXPECT_FALSE(h.button("SpeedButton_ReadDefaultSettings")->IsDown());
    h.enter("Tesztek");  // nothing to read
    h.meter->clearLog();
    h.tick(4);
    EXPECT_EQ(h.sent(), (Codes{107, 117, 120, 101}));
    // A change from code runs no change handler.
    h.find<qs::PageControl>("PageControl1")->setActivePage(h.find<QWidget>("TabSheet5"));
    EXPECT_FALSE(h.button("SpeedButton_ReadSettings2")->IsDown());
}

// Entering the limit-output page while a write is under way releases the write button and
// presses the read; the chain already running goes on, then the read follows.
TEST(OmbrikPages, AChainUnderWayEndsWhenAPageEntryReleasesItsButton)
{
    OmbrikHarness h;
    h.button("SpeedButton_WriteSettings2")->click();
    h.tick();
    h.enter("Határérték kimenetek");
    EXPECT_FALSE(h.button("SpeedButton_WriteSettings2")->IsDown());
    EXPECT_TRUE(h.button("SpeedButton_ReadSettings2")->IsDown());
    h.tick(6);
    EXPECT_EQ(h.sent(), (Codes{109, 119, 122, 107, 117, 120, 101}));
    EXPECT_EQ(h.settings->writes.size(), 3u);
}

TEST(OmbrikPages, ButtonsOfOneGroupExcludeEachOtherAndGroupsAreIndependent)
{
    OmbrikHarness h;
    const std::vector<std::vector<SpeedButton*>> groups = {
        {h.button("SpeedButton_OptionRead"), h.button("SpeedButton_OptionWrite")},
        {h.button("SpeedButton_ReadPWMCal"), h.button("SpeedButton_CheckCurrent"),
         h.button("SpeedButton_CheckVoltage")},
        {h.button("SpeedButton_CalPWML"), h.button("SpeedButton_CalPWMH")},
        {h.button("SpeedButton_Cal0mA"), h.button("SpeedButton_Cal20mA"),
         h.button("SpeedButton_Cal0V"), h.button("SpeedButton_Cal10V"),
         h.button("SpeedButton_ReadCalIn")},
        {h.button("SpeedButton_iCalPt0ohm4W"), h.button("SpeedButton_iCalPtXohm4W"),
         h.button("SpeedButton_iCalPt0ohm3W"), h.button("SpeedButton_iCalPtXohm3W"),
         h.button("SpeedButton_ReadCalPt"), h.button("SpeedButton_bPt1000")},
        {h.button("SpeedButton_ReadSettings"), h.button("SpeedButton_ReadDefaultSettings"),
         h.button("SpeedButton_WriteSettings")},
        {h.button("SpeedButton_ReadSettings2"), h.button("SpeedButton_ReadDefaultSettings2"),
         h.button("SpeedButton_WriteSettings2")},
        {h.button("SpeedButton_EraseFRAM1"), h.button("SpeedButton_Reset")},
        {h.button("SpeedButton_ReadDisplay")},
        {h.button("SpeedButton_TestASCII5x7"), h.button("SpeedButton_TestWhite"),
         h.button("SpeedButton_TestFrame"), h.button("SpeedButton_TestPattern")},
        {h.button("SpeedButton_PWMForce")},
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
    EXPECT_EQ(buttons, static_cast<std::size_t>(h.w->findChildren<SpeedButton*>().size()))
        << "every button listed";
    // The direct drive is a toggle of its own.
    h.button("SpeedButton_PWMForce")->click();
    EXPECT_FALSE(h.button("SpeedButton_PWMForce")->IsDown());
}

TEST(OmbrikPages, PwmStepsAndStripClicksGoOutInTheNextPoll)
{
    OmbrikHarness h;
    OutputCalibrationGroup& o = h.output();
    EXPECT_EQ(o.StripWidth(), 329);
    EXPECT_EQ(h.find<qs::ClickStrip>("Shape1")->width(), 329);
    struct Row {
        const char* name;
        std::uint16_t from;
        std::function<void()> change;
        std::uint16_t to;
        const char* label;
    };
    qs::ClickStrip* shape1 = h.find<qs::ClickStrip>("Shape1");
    auto strip = [&](int x) {
        return [shape1, x] { QTest::mousePress(shape1, Qt::LeftButton, {}, QPoint(x, 5)); };
    };
    const Row rows[] = {
        {"-- below 20", 10, [&] { h.find<QPushButton>("Button_PWMMm")->click(); }, 0, "0"},
        {"+ at the top", 65534,
         [&] {
             h.find<QPushButton>("Button_PWMP")->click(),
                 h.find<QPushButton>("Button_PWMP")->click();
         },
         65535, "65 535"},
        {"++++ from 60535", 60535, [&] { h.find<QPushButton>("Button_PWMPppp")->click(); }, 65535,
         "65 535"},
        {"+++ --- -", 1000,
         [&] {
             h.find<QPushButton>("Button_PWMPpp")->click(),
                 h.find<QPushButton>("Button_PWMMmm")->click(),
                 h.find<QPushButton>("Button_PWMM")->click();
         },
         999, "999"},
        {"strip at 0", 1234, strip(0), 0, "0"},
        {"strip at 164", 0, strip(164), 32668, "32 668"},
        {"strip at its last pixel", 0, strip(328), 65336, "65 336"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        o.PWMValue = row.from;
        row.change();
        EXPECT_EQ(o.PWMValue, row.to);
        EXPECT_EQ(h.label("Label_PWM")->text(), QString::fromUtf8(row.label));
        EXPECT_DOUBLE_EQ(h.find<qs::TMBarGraph>("MBarGraph_PWM")->MBGValue(), row.to / 65535.0);
        h.tick();
        EXPECT_EQ(h.sent().back(), 101);
        EXPECT_EQ(Hex(h.lastData(3)),
                  Hex(std::vector<std::uint8_t>{0x02, std::uint8_t(row.to & 0xFF),
                                                std::uint8_t(row.to >> 8)}))
            << "only the poll carries the value";
    }
}

TEST(OmbrikPages, DirectDriveShowsTheCaptionsOfTheOutputTypeAndItsReleaseDropsCalibrationAndChecks)
{
    OmbrikHarness h;
    OutputCalibrationGroup& o = h.output();
    o.PWMValue = 1234;
    struct Step {
        const char* name;
        std::function<void()> change;
        const char* low;
        const char* high;
        const char* poll;
    };
    const Step steps[] = {
        {"direct drive", [&] { h.button("SpeedButton_PWMForce")->click(); }, "Kalibrálás 4 mA",
         "Kalibrálás 20 mA", "03 D2 04 00"},
        {"voltage", [&] { h.find<qs::RadioGroup>("RadioGroup_KimenetTipusa")->item(1)->click(); },
         "Kalibrálás 2 V", "Kalibrálás 10 V", "01 D2 04 00"},
        {"check 5 V", [&] { h.button("SpeedButton_CheckVoltage")->click(); }, "Kalibrálás 2 V",
         "Kalibrálás 10 V", "09 D2 04 00"},
        {"current", [&] { h.find<qs::RadioGroup>("RadioGroup_KimenetTipusa")->item(0)->click(); },
         "Kalibrálás 4 mA", "Kalibrálás 20 mA", "0B D2 04 00"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        EXPECT_FALSE(h.find<QGroupBox>("GroupBox_OutputCal")->isHidden());
        EXPECT_EQ(h.button("SpeedButton_CalPWML")->text(), QString::fromUtf8(step.low));
        EXPECT_EQ(h.button("SpeedButton_CalPWMH")->text(), QString::fromUtf8(step.high));
        h.tick();
        EXPECT_EQ(Hex(h.lastData(4)), step.poll);
    }
    // The two checks stand side by side, equally wide.
    h.w->show();
    h.find<qs::PageControl>("PageControl1")->setActivePage(h.find<QWidget>("TabSheet1"));
    eventloop::Pump();
    const QRect current = h.button("SpeedButton_CheckCurrent")->geometry();
    const QRect voltage = h.button("SpeedButton_CheckVoltage")->geometry();
    EXPECT_EQ(current.width(), voltage.width());
    EXPECT_EQ(current.top(), voltage.top());
    EXPECT_LT(current.right(), voltage.left());

    // Released with a calibration and a check pending: both are dropped, nothing but polls
    // goes out, and the value stays.
    h.button("SpeedButton_CalPWML")->click();
    EXPECT_TRUE(h.session().IsPending(mbu::Command::CalPwmLow));
    h.button("SpeedButton_PWMForce")->click();
    EXPECT_TRUE(h.find<QGroupBox>("GroupBox_OutputCal")->isHidden());
    EXPECT_TRUE(h.button("SpeedButton_CheckVoltage")->isHidden());
    EXPECT_FALSE(h.session().IsPending(mbu::Command::CalPwmLow));
    EXPECT_FALSE(h.button("SpeedButton_CheckVoltage")->IsDown());
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
        QSignalSpy changes(h.find<qs::PageControl>("PageControl1"), &PageControl::userChanged);
        StepPage(h.find<qs::PageControl>("PageControl1"), road);
        EXPECT_EQ(h.find<qs::PageControl>("PageControl1")->activePage(),
                  h.find<QWidget>("TabSheet5"));
        EXPECT_TRUE(h.find<QWidget>("TabSheet5")->isVisible());
        EXPECT_FALSE(h.find<QWidget>("TabSheet2")->isVisible());
        EXPECT_EQ(PageTabBar(h.find<qs::PageControl>("PageControl1"))->currentIndex(), 2);
        EXPECT_EQ(changes.count(), 1);
        EXPECT_TRUE(h.button("SpeedButton_ReadSettings2")->IsDown());
        h.tick(4);
        EXPECT_EQ(h.sent(), (Codes{107, 117, 120, 101}));
    }
    OmbrikHarness h;
    h.w->show();
    h.find<qs::PageControl>("PageControl1")->setActivePage(h.find<QWidget>("TabSheet1"));
    h.find<qs::PageControl>("PageControl1")->setActivePage(h.find<QWidget>("TabSheet5"));
    h.tick();
    EXPECT_EQ(h.sent(), (Codes{101}));
}

// A request waiting for its reply looks pressed beside the idle buttons of its trio.
TEST(OmbrikPages, APendingRequestLooksPressed)
{
    OmbrikHarness h;
    h.w->show();
    h.tick();  // a poll: the monitor and the values show the unit
    h.button("SpeedButton_ReadSettings")->click();
    eventloop::Pump();
    EXPECT_GE(FaceGrey(h.button("SpeedButton_ReadDefaultSettings")) -
                  FaceGrey(h.button("SpeedButton_ReadSettings")),
              40.0);
    SavePendingShot(h.w.get(), "ombrik-pending.png");
    h.tick(3);
    EXPECT_FALSE(h.button("SpeedButton_ReadSettings")->IsDown());
    EXPECT_NEAR(FaceGrey(h.button("SpeedButton_ReadSettings")),
                FaceGrey(h.button("SpeedButton_ReadDefaultSettings")), 1.0);
}
