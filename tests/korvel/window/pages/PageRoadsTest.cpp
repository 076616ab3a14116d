// The user's keyboard and wheel roads between the main window's pages: each shows the page
// whose tab it highlights and runs that page's entry handler once, as a click does.
#include "tests/korvel/window/KorvelHarness.h"
#include "korvel/window/pages/Qv5510Group.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

namespace {
using Codes = std::vector<std::uint8_t>;

struct RoadFixture {
    KorvelHarness h{{"/VORKAL"}};
    RoadFixture()
    {
        for (std::uint8_t c : {110, 116, 129, 131, 217})
            h.meter->setReplyData(c, {});
        h.w->show();
    }
    Codes ReadsAfterEntry()
    {
        h.meter->clearLog();
        for (int i = 0; i < 4; ++i)
            h.tick();
        return h.meter->commandsSeen();
    }
};

void ExpectShown(PageControl* pc, QWidget* page)
{
    EXPECT_EQ(pc->activePage(), page);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(PageTabBar(pc)->currentIndex(), pc->indexOf(page));
}
}  // namespace

TEST(PageRoads, EnteringTheCalibrationPageByKeyOrWheelReadsItsThreeBlocksInOrder)
{
    struct Case {
        PageRoad road;
        const char* from;  // caption of the page left
        bool forward;
    };
    const Case cases[] = {
        {PageRoad::Arrow, "Beállítások", false},   {PageRoad::CtrlTab, "Beállítások", false},
        {PageRoad::Wheel, "Beállítások", false},   {PageRoad::CtrlTab, "MBU", true},  // round from the last
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(PageRoadName(c.road)) + " from " + c.from);
        RoadFixture f;
        MainWindow& w = *f.h.w;
        ASSERT_TRUE(ClickPageTab(w.PageControl1, QString::fromUtf8(c.from)));
        QSignalSpy changes(w.PageControl1, &PageControl::userChanged);
        StepPage(w.PageControl1, c.road, c.forward);
        ExpectShown(w.PageControl1, w.TabSheet1);
        EXPECT_EQ(changes.count(), 1);
        EXPECT_EQ(f.ReadsAfterEntry(), (Codes{110, 116, 129, 101}));
    }
}

TEST(PageRoads, EnteringTheQv5510TabByKeyOrWheelRestartsItsTest)
{
    for (const PageRoad road : kPageRoads) {
        SCOPED_TRACE(PageRoadName(road));
        RoadFixture f;
        MainWindow& w = *f.h.w;
        Qv5510Group& g = *w.Models->Qv5510;
        g.TestPattern = 9;
        ASSERT_TRUE(ClickPageTab(w.PageControl4, "QV3340"));
        QSignalSpy changes(w.PageControl4, &PageControl::userChanged);
        StepPage(w.PageControl4, road);
        ExpectShown(w.PageControl4, w.TabSheet_5510);
        EXPECT_EQ(changes.count(), 1);
        EXPECT_EQ(g.TestPattern, 1);  // EnterQV5510Page ran
        EXPECT_EQ(f.ReadsAfterEntry(), (Codes{217, 101, 101, 101}));
    }
}

TEST(PageRoads, PageChangesFromCodeRunNoEntryHandler)
{
    RoadFixture f;
    MainWindow& w = *f.h.w;
    w.Models->Qv5510->TestPattern = 9;
    w.PageControl1->setActivePage(w.TabSheet_Settings);
    w.PageControl1->setActivePage(w.TabSheet1);
    w.PageControl4->setActivePage(w.TabSheet_5510);
    EXPECT_EQ(w.Models->Qv5510->TestPattern, 9);
    EXPECT_EQ(f.ReadsAfterEntry(), (Codes{101, 101, 101, 101}));
}
