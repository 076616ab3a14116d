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
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
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
        EXPECT_FALSE(h.find<QScrollArea>("ScrollBox_Form")->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(h.find<QScrollArea>("ScrollBox_Form")->verticalScrollBar()->isVisible());
    } else {
        EXPECT_LT(w.height() * w.width(), design.height() * design.width());
    }

    h.enter("Határérték kimenetek");
    QWidget* limit4 = h.find("GroupBox_Limit4");
    h.find<QScrollArea>("ScrollBox_Form")->ensureWidgetVisible(limit4, 0, 0);
    eventloop::Pump();
    const QRect view = GlobalRect(h.find<QScrollArea>("ScrollBox_Form")->viewport());
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
    h.button("SpeedButton_PWMForce")->click();  // shows the output calibration group
    QWidget* content = h.find<QScrollArea>("ScrollBox_Form")->widget();
    const QWidget* view = h.find<QScrollArea>("ScrollBox_Form")->viewport();
    auto check = [&](const std::string& where) {
        SCOPED_TRACE(where);
        eventloop::Pump();
        for (const std::string& past : controlbounds::PastRightEdge(content, view))
            ADD_FAILURE() << past;
    };
    for (const std::string& mono : controlbounds::Monospaced(&w))
        ADD_FAILURE() << "monospaced: " << mono;
    for (int i = 0; i < h.find<qs::PageControl>("PageControl1")->pageCount(); ++i) {
        QWidget* page = h.find<qs::PageControl>("PageControl1")->page(i);
        h.find<qs::PageControl>("PageControl1")->setActivePage(page);
        check(page->objectName().toStdString());
        if (page == h.find<QWidget>("TabSheet1")) {
            h.find<qs::PageControl>("PageControl2")->setActivePage(h.find<QWidget>("TabSheet7"));
            check("TabSheet7");
        }
    }
    h.find<qs::PageControl>("PageControl1")->setActivePage(h.find<QWidget>("TabSheet2"));
    eventloop::Pump();
    for (QLineEdit* edit : {h.edit("Edit_iAnalogueLow"), h.edit("Edit_iAnalogueHigh")})
        EXPECT_TRUE(controlbounds::ShowsWhole(edit, "10000")) << edit->objectName().toStdString();
}
