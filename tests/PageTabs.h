#pragma once
// A user's ways to change a page control's page, as the window's page-change handlers see
// them: a click on a tab, and the keyboard and wheel roads to a neighbouring tab.
#include "common/ui/PageControl.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

inline QTabBar* PageTabBar(qs::PageControl* pc)
{
    return pc->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
}

// Clicks the tab with that caption; answers whether there is one.
inline bool ClickPageTab(qs::PageControl* pc, const QString& caption)
{
    QTabBar* bar = PageTabBar(pc);
    for (int i = 0; bar && i < bar->count(); ++i)
        if (bar->isTabVisible(i) && bar->tabText(i) == caption) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            return true;
        }
    return false;
}

// One notch of the mouse wheel over the tab bar: away from the user (delta > 0) or towards.
inline void WheelOnTabBar(qs::PageControl* pc, int delta)
{
    QTabBar* bar = PageTabBar(pc);
    const QPoint at = bar->rect().center();
    QWheelEvent event(at, bar->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &event);
}

enum class PageRoad { Arrow, CtrlTab, Wheel };

inline const char* PageRoadName(PageRoad road)
{
    switch (road) {
    case PageRoad::Arrow:
        return "arrow key on the focused tab bar";
    case PageRoad::CtrlTab:
        return "Ctrl+Tab on the page";
    case PageRoad::Wheel:
        return "mouse wheel on the tab bar";
    }
    return "";
}

// Goes one visible tab on (forward) or back by that road: Right / Left on the tab bar,
// Ctrl+Tab / Ctrl+Shift+Tab from the active page, the wheel towards / away from the user.
inline void StepPage(qs::PageControl* pc, PageRoad road, bool forward = true)
{
    switch (road) {
    case PageRoad::Arrow:
        PageTabBar(pc)->setFocus();
        QTest::keyClick(PageTabBar(pc), forward ? Qt::Key_Right : Qt::Key_Left);
        break;
    case PageRoad::CtrlTab:
        if (forward)
            QTest::keyClick(pc->activePage(), Qt::Key_Tab, Qt::ControlModifier);
        else
            QTest::keyClick(pc->activePage(), Qt::Key_Backtab,
                            Qt::ControlModifier | Qt::ShiftModifier);
        break;
    case PageRoad::Wheel:
        WheelOnTabBar(pc, forward ? -120 : 120);
        break;
    }
}

inline constexpr PageRoad kPageRoads[] = {PageRoad::Arrow, PageRoad::CtrlTab, PageRoad::Wheel};
