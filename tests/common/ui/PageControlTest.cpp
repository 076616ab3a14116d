#include "ui/PageControl.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {
struct Pages {
    PageControl pc;
    QWidget* a = pc.addPage("A", "a");
    QWidget* b = pc.addPage("B", "b");
    QWidget* hidden = pc.addPage("Hidden", "h");
    Pages()
    {
        pc.setTabVisible(hidden, false);
        pc.setActivePage(a);
    }
};
}  // namespace

TEST(PageControl, AHiddenTabsPageCanStillBeMadeActive)
{
    Pages p;
    p.pc.setActivePage(p.hidden);
    EXPECT_EQ(p.pc.activePage(), p.hidden);
    EXPECT_FALSE(p.pc.isTabVisible(p.hidden));
    EXPECT_EQ(p.pc.visibleTabCount(), 2);
}

TEST(PageControl, HidingTheActiveTabMovesOnAndWithNoVisibleTabNothingShows)
{
    Pages p;
    p.pc.setTabVisible(p.a, false);
    EXPECT_EQ(p.pc.activePage(), p.b);
    p.pc.setTabVisible(p.b, false);
    EXPECT_EQ(p.pc.activePage(), nullptr);
    EXPECT_EQ(p.pc.visibleTabCount(), 0);
    p.pc.setTabVisible(p.a, true);
    EXPECT_EQ(p.pc.activePage(), nullptr);  // showing a tab selects nothing by itself
}

TEST(PageControl, ChangeSignalOnlyForTheUsersChoice)
{
    Pages p;
    QSignalSpy changes(&p.pc, &PageControl::userChanged);
    p.pc.setActivePage(p.b);
    p.pc.setTabVisible(p.b, false);
    EXPECT_EQ(changes.count(), 0);
}
