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
        {PageRoad::Arrow, "Beállítások", false},
        {PageRoad::CtrlTab, "Beállítások", false},
        {PageRoad::Wheel, "Beállítások", false},
        {PageRoad::CtrlTab, "MBU", true},  // round from the last
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(PageRoadName(c.road)) + " from " + c.from);
        RoadFixture f;
        ASSERT_TRUE(
            ClickPageTab(f.h.C<qs::PageControl>("PageControl1"), QString::fromUtf8(c.from)));
        QSignalSpy changes(f.h.C<qs::PageControl>("PageControl1"), &PageControl::userChanged);
        StepPage(f.h.C<qs::PageControl>("PageControl1"), c.road, c.forward);
        ExpectShown(f.h.C<qs::PageControl>("PageControl1"), f.h.C<QWidget>("TabSheet1"));
        EXPECT_EQ(changes.count(), 1);
        EXPECT_EQ(f.ReadsAfterEntry(), (Codes{110, 116, 129, 101}));
    }
}

TEST(PageRoads, EnteringTheQv5510TabByKeyOrWheelRestartsItsTest)
{
    for (const PageRoad road : kPageRoads) {
        SCOPED_TRACE(PageRoadName(road));
        RoadFixture f;
        Qv5510Group& g = *f.h.Part<korvel::Qv5510Group>();
        g.TestPattern = 9;
        ASSERT_TRUE(ClickPageTab(f.h.C<qs::PageControl>("PageControl4"), "QV3340"));
        QSignalSpy changes(f.h.C<qs::PageControl>("PageControl4"), &PageControl::userChanged);
        StepPage(f.h.C<qs::PageControl>("PageControl4"), road);
        ExpectShown(f.h.C<qs::PageControl>("PageControl4"), f.h.C<QWidget>("TabSheet_5510"));
        EXPECT_EQ(changes.count(), 1);
        EXPECT_EQ(g.TestPattern, 1);  // EnterQV5510Page ran
        EXPECT_EQ(f.ReadsAfterEntry(), (Codes{217, 101, 101, 101}));
    }
}

TEST(PageRoads, PageChangesFromCodeRunNoEntryHandler)
{
    RoadFixture f;
    f.h.Part<korvel::Qv5510Group>()->TestPattern = 9;
    f.h.C<qs::PageControl>("PageControl1")->setActivePage(f.h.C<QWidget>("TabSheet_Settings"));
    f.h.C<qs::PageControl>("PageControl1")->setActivePage(f.h.C<QWidget>("TabSheet1"));
    f.h.C<qs::PageControl>("PageControl4")->setActivePage(f.h.C<QWidget>("TabSheet_5510"));
    EXPECT_EQ(f.h.Part<korvel::Qv5510Group>()->TestPattern, 9);
    EXPECT_EQ(f.ReadsAfterEntry(), (Codes{101, 101, 101, 101}));
}
