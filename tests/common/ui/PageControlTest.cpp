#include "ui/PageControl.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>

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

TEST(PageControl, TabsAddedBeforeTheWindowShowsGetTheirHeight)
{
    // In a scroll area the page control is laid out from hints taken before it shows.
    QScrollArea area;
    area.setWidgetResizable(true);
    auto* pc = new PageControl;
    area.setWidget(pc);
    pc->addPage("a", "A");
    pc->addPage("b", "B");
    area.resize(300, 200);
    area.show();
    QCoreApplication::processEvents();
    auto* bar = pc->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(bar->height(), bar->sizeHint().height());
}

TEST(PageControl, MakingTheActivePageActiveAgainPutsTheTabsBackInStep)
{
    // The keyboard moves a tab bar's selection without picking a page; a page control told to
    // show its active page again shows that page's tab once more.
    Pages p;
    auto* bar = p.pc.findChild<QTabBar*>();
    bar->setCurrentIndex(1);
    p.pc.setActivePage(p.a);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_EQ(p.pc.activePage(), p.a);
    p.pc.setActivePage(p.a);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_EQ(bar->count(), 2);
}
