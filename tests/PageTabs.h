#pragma once
// A user's click on a page control's tab, as the window's page-change handlers see it.
#include "ui/PageControl.h"

#include <QTabBar>
#include <QTest>

// Clicks the tab with that caption; answers whether there is one.
inline bool ClickPageTab(PageControl* pc, const QString& caption)
{
    auto* bar = pc->findChild<QTabBar*>();
    for (int i = 0; bar && i < bar->count(); ++i)
        if (bar->tabText(i) == caption) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            return true;
        }
    return false;
}
