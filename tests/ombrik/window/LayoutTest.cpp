// The window on screens of any size and with one font family only: every control within
// reach and within its page, no monospaced face, edits wide enough for their digits.
#include "tests/FindControl.h"
#include "tests/ControlBounds.h"
#include "OmbrikHarness.h"

#include <QScreen>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using controlbounds::GlobalRect;

namespace {
std::string Text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}
}  // namespace

// The window fits the screen's available area, centred; on a screen that holds it, it keeps
// its design size with no scroll bar. Limit output 4 lies on the screen, scrolled into view
// where it does not show at once.
TEST(OmbrikScreen, TheWindowFitsTheScreenAndLimitOutput4IsWithinReach)
{
    OmbrikHarness h({}, true);
    ombrik::OmbrikWindow& w = *h.w;
    w.show();
    eventloop::Pump();
    const QRect area = w.screen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    SCOPED_TRACE("screen area " + Text(area) + ", window frame " + Text(frame));
    EXPECT_TRUE(area.contains(frame));
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
    const QSize design = w.DesignSize();
    const bool holds = frame.width() - w.width() + design.width() <= area.width() &&
                       frame.height() - w.height() + design.height() <= area.height();
    if (holds) {
        EXPECT_EQ(w.size(), design);
        EXPECT_FALSE(w.ScrollBox_Form->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(w.ScrollBox_Form->verticalScrollBar()->isVisible());
    } else {
        EXPECT_LT(w.height() * w.width(), design.height() * design.width());
    }

    h.enter("Határérték kimenetek");
    QWidget* limit4 = h.pages().Limit[3].group;
    w.ScrollBox_Form->ensureWidgetVisible(limit4, 0, 0);
    eventloop::Pump();
    const QRect view = GlobalRect(w.ScrollBox_Form->viewport());
    EXPECT_TRUE(area.contains(view)) << Text(view);
    EXPECT_TRUE(view.contains(GlobalRect(limit4))) << Text(GlobalRect(limit4));
    EXPECT_TRUE(controlbounds::PastRightEdge(limit4).empty());
}

// Every page and every part of one: all controls within their page and within the window,
// in faces that are not monospaced; the analogue output's edits show five digits.
TEST(OmbrikBounds, EveryControlOfEveryPageLiesWithinItsPage)
{
    OmbrikHarness h;
    ombrik::OmbrikWindow& w = *h.w;
    w.show();
    h.cal().Output->SpeedButton_PWMForce->click();  // shows the output calibration group
    QWidget* content = w.ScrollBox_Form->widget();
    const QWidget* view = w.ScrollBox_Form->viewport();
    auto check = [&](const std::string& where) {
        SCOPED_TRACE(where);
        eventloop::Pump();
        for (const std::string& past : controlbounds::PastRightEdge(content, view))
            ADD_FAILURE() << past;
    };
    for (const std::string& mono : controlbounds::Monospaced(&w))
        ADD_FAILURE() << "monospaced: " << mono;
    for (int i = 0; i < w.PageControl1->pageCount(); ++i) {
        QWidget* page = w.PageControl1->page(i);
        w.PageControl1->setActivePage(page);
        check(page->objectName().toStdString());
        if (page == w.TabSheet1) {
            w.Calibration->PageControl2->setActivePage(w.Calibration->TabSheet7);
            check("TabSheet7");
        }
    }
    w.PageControl1->setActivePage(w.TabSheet2);
    eventloop::Pump();
    for (QLineEdit* edit : {findcontrol::Find<QLineEdit>(h.w.get(), "Edit_iAnalogueLow"), findcontrol::Find<QLineEdit>(h.w.get(), "Edit_iAnalogueHigh")})
        EXPECT_TRUE(controlbounds::ShowsWhole(edit, "10000")) << edit->objectName().toStdString();
}
