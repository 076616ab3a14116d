#include "tests/PageTabs.h"
#include "common/ui/PageControl.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

#include <gtest/gtest.h>

using namespace qs;

namespace {
struct Pages {
    PageControl pc;
    QWidget* a = pc.addPage("A", "a");
    QWidget* b = pc.addPage("B", "b");
    QWidget* hidden = pc.addPage("Hidden", "h");
    QWidget* d = pc.addPage("D", "d");
    QTabBar* bar = pc.findChild<QTabBar*>();
    Pages()
    {
        pc.setTabVisible(hidden, false);
        pc.setActivePage(a);
        pc.resize(400, 200);
        pc.show();
        QCoreApplication::processEvents();
    }
    // The tab bar highlights the active page's tab, and only that page's content shows.
    void expectAgreeOn(QWidget* page) const
    {
        EXPECT_EQ(pc.activePage(), page);
        // With no page, or a page whose tab is hidden, the caption-less hidden last tab.
        EXPECT_EQ(bar->currentIndex(),
                  page && pc.isTabVisible(page) ? pc.indexOf(page) : pc.pageCount());
        EXPECT_FALSE(bar->isTabVisible(pc.pageCount()));
        for (int i = 0; i < pc.pageCount(); ++i)
            EXPECT_EQ(pc.page(i)->isVisible(), pc.page(i) == page) << i;
    }
};

struct Road {
    const char* name;
    const char* from;
    std::function<void(Pages&)> act;
    const char* to;  // nullptr: the page stays
};
}  // namespace

TEST(PageControl, EveryUserRoadShowsTheHighlightedPageAndSignalsOnce)
{
    auto key = [](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        return [k, m](Pages& p) { QTest::keyClick(p.bar, k, m); };
    };
    auto click = [](int tab) {
        return [tab](Pages& p) {
            QTest::mouseClick(p.bar, Qt::LeftButton, {}, p.bar->tabRect(tab).center());
        };
    };
    const Road roads[] = {
        {"click", "A", click(1), "B"},
        {"click on the active tab", "B", click(1), nullptr},
        {"Right", "A", key(Qt::Key_Right), "B"},
        {"Right skips a hidden tab", "B", key(Qt::Key_Right), "D"},
        {"Right on the last tab", "D", key(Qt::Key_Right), nullptr},
        {"Left skips a hidden tab", "D", key(Qt::Key_Left), "B"},
        {"Left on the first tab", "A", key(Qt::Key_Left), nullptr},
        {"Ctrl+Tab", "A", key(Qt::Key_Tab, Qt::ControlModifier), "B"},
        {"Ctrl+Tab wraps round", "D", key(Qt::Key_Tab, Qt::ControlModifier), "A"},
        {"Ctrl+Shift+Tab", "B", key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), "A"},
        {"Ctrl+Shift+Tab wraps round", "A",
         key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier), "D"},
        {"Ctrl+PgDn", "B", key(Qt::Key_PageDown, Qt::ControlModifier), "D"},
        {"Ctrl+PgUp", "D", key(Qt::Key_PageUp, Qt::ControlModifier), "B"},
        {"PgDn without Ctrl", "A", key(Qt::Key_PageDown), nullptr},
        {"wheel towards the user", "A", [](Pages& p) { WheelOnTabBar(&p.pc, -120); }, "B"},
        {"wheel away from the user", "D", [](Pages& p) { WheelOnTabBar(&p.pc, 120); }, "B"},
        {"a fine wheel's small turns make one notch", "A",
         [](Pages& p) {
             for (int i = 0; i < 3; ++i)
                 WheelOnTabBar(&p.pc, -40);
         },
         "B"},
        {"a turn short of a notch", "A", [](Pages& p) { WheelOnTabBar(&p.pc, -119); }, nullptr},
        // Turning the other way forgets the part turn: it neither cancels the new notch nor
        // adds to a later turn.
        {"a reversed turn starts afresh", "B",
         [](Pages& p) {
             WheelOnTabBar(&p.pc, -80);
             WheelOnTabBar(&p.pc, 120);
         },
         "A"},
        {"a part turn reversed and resumed", "A",
         [](Pages& p) {
             for (int delta : {-80, 40, -80})
                 WheelOnTabBar(&p.pc, delta);
         },
         nullptr},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        Pages p;
        QWidget* from = p.pc.findChild<QWidget*>(r.from);
        p.pc.setActivePage(from);
        QSignalSpy changes(&p.pc, &PageControl::userChanged);
        r.act(p);
        QWidget* to = r.to ? p.pc.findChild<QWidget*>(r.to) : from;
        p.expectAgreeOn(to);
        EXPECT_EQ(changes.count(), r.to ? 1 : 0);
    }
}

TEST(PageControl, CtrlTabFromAControlOnThePageAndPassedOnWithNoOtherTab)
{
    // The key reaches the innermost page control around the focus; one with no other tab
    // to go to leaves it to the page control outside.
    PageControl outer;
    QWidget* first = outer.addPage("first", "1");
    QWidget* second = outer.addPage("second", "2");
    auto* inner = new PageControl(first);
    (new QVBoxLayout(first))->addWidget(inner);
    QWidget* x = inner->addPage("x", "x");
    QWidget* y = inner->addPage("y", "y");
    auto* edit = new QLineEdit(x);
    outer.setActivePage(first);
    inner->setActivePage(x);
    outer.show();
    QSignalSpy outerChanges(&outer, &PageControl::userChanged);
    QSignalSpy innerChanges(inner, &PageControl::userChanged);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(inner->activePage(), y);
    EXPECT_EQ(outer.activePage(), first);
    inner->setTabVisible(x, false);
    QTest::keyClick(inner, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(outer.activePage(), second);
    EXPECT_EQ(innerChanges.count(), 1);
    EXPECT_EQ(outerChanges.count(), 1);
}

TEST(PageControl, AHiddenTabsPageCanStillBeMadeActiveWithNoTabSelected)
{
    Pages p;
    p.pc.setActivePage(p.hidden);
    p.expectAgreeOn(p.hidden);
    EXPECT_FALSE(p.pc.isTabVisible(p.hidden));
    EXPECT_EQ(p.pc.visibleTabCount(), 3);
    // From there a click on the first tab, whichever tab the bar held before, shows it.
    QSignalSpy changes(&p.pc, &PageControl::userChanged);
    QTest::mouseClick(p.bar, Qt::LeftButton, {}, p.bar->tabRect(0).center());
    p.expectAgreeOn(p.a);
    EXPECT_EQ(changes.count(), 1);
}

TEST(PageControl, HidingTheActiveTabMovesOnAndWithNoVisibleTabNothingShows)
{
    Pages p;
    p.pc.setTabVisible(p.a, false);
    p.expectAgreeOn(p.b);
    p.pc.setTabVisible(p.d, false);
    p.pc.setTabVisible(p.b, false);
    p.expectAgreeOn(nullptr);
    EXPECT_EQ(p.pc.visibleTabCount(), 0);
    EXPECT_FALSE(p.bar->isVisible());
    p.pc.setTabVisible(p.a, true);
    p.expectAgreeOn(nullptr);  // showing a tab selects nothing by itself
}

TEST(PageControl, ChangeSignalOnlyForTheUsersChoice)
{
    Pages p;
    QSignalSpy changes(&p.pc, &PageControl::userChanged);
    p.pc.setActivePage(p.b);
    p.pc.setTabVisible(p.b, false);
    p.pc.setTabVisible(p.b, true);
    p.pc.addPage("E", "e");
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

TEST(PageControl, MakingTheActivePageActiveAgainChangesNothing)
{
    Pages p;
    auto* bar = p.pc.findChild<QTabBar*>();
    QSignalSpy changes(&p.pc, &PageControl::userChanged);
    const int tabs = bar->count();
    p.pc.setActivePage(p.a);
    p.pc.setActivePage(p.a);
    EXPECT_EQ(p.pc.activePage(), p.a);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_EQ(bar->count(), tabs);
    EXPECT_EQ(changes.count(), 0);
}

// A page control whose size follows its active page asks for that page's room, by code or by
// the user's click, so a scroll area round it scrolls as far as the page shown reaches; one
// whose size does not asks for the room of its tallest page whichever it shows.
TEST(PageControl, ItsSizeFollowsTheActivePageWhereAsked)
{
    PageControl pc;
    for (const auto& [name, height] : {std::pair{"a", 50}, std::pair{"b", 300}}) {
        auto* content = new QWidget;
        content->setFixedHeight(height);
        (new QVBoxLayout(pc.addPage(QString::fromLatin1(name), QString::fromLatin1(name))))
            ->addWidget(content);
    }
    pc.setActivePage(pc.page(0));
    pc.show();
    QCoreApplication::processEvents();
    const int tallest = pc.minimumSizeHint().height();
    pc.setSizeFollowsActivePage(true);
    const int shortPage = pc.minimumSizeHint().height();
    EXPECT_EQ(tallest - shortPage, 250);
    ASSERT_TRUE(ClickPageTab(&pc, "b"));
    EXPECT_EQ(pc.minimumSizeHint().height(), tallest);
    pc.setActivePage(pc.page(0));
    EXPECT_EQ(pc.minimumSizeHint().height(), shortPage);
    pc.setSizeFollowsActivePage(false);
    EXPECT_EQ(pc.minimumSizeHint().height(), tallest);
}
