// The window on screens of any size and with one font family only: every control within
// reach and within its page, no monospaced face, edits wide enough for their digits.
#include "tests/FindControl.h"
#include "tests/ControlBounds.h"
#include "tests/LayoutWalk.h"
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

namespace {

// The edits' design widths: a Liberation Sans machine's, which no font family may narrow.
const layoutwalk::EditWidth kEditWidths[] = {
    {"Edit1", 60},
    {"Edit2", 60},
    {"Edit3", 60},
    {"Edit4", 60},
    {"Edit5", 60},
    {"Edit6", 60},
    {"Edit7", 60},
    {"Edit8", 60},
    {"Edit_InputText", 587},
    {"Edit_DisplayTagname", 138},
    {"Edit_DisplayDimension", 60},
    {"Edit_iAnalogueLow", 60},
    {"Edit_iAnalogueHigh", 60},
    {"Edit_iBgLow", 72},
    {"Edit_iBgHigh", 72},
    {"Edit_iScaleLowSettings", 72},
    {"Edit_iScaleHighSettings", 72},
    {"Edit_iLowLimitL", 72},
    {"Edit_iHighLimitL", 72},
    {"Edit_iHysteresisL", 72},
    {"Edit_uSecL", 42},
    {"Edit_uPulseSecL", 42},
};

// The window showing its longest texts: every live number at its longest, a full history of
// sixteen repeated commands, and the longest link error.
struct OmbrikBounds : ::testing::Test {
    OmbrikHarness h;

    void SetUp() override
    {
        h.w->show();
        LiveStatus& s = h.meter->status;
        s.iADRaw = std::numeric_limits<std::int32_t>::min();
        s.iADAveraged = std::numeric_limits<std::int32_t>::min();
        s.fFizikaiMennyiseg = -99999.99f;
        s.fKimenetSzazalek = -99.999f;
        s.iSkalazottKijezesiErtek = std::numeric_limits<std::int32_t>::min();
        s.uDecimals = 4;
        s.uSPS = 65535;
        h.tick();
        // The calibration points read back at their longest.
        h.meter->mbu.input.points.fill(std::numeric_limits<std::int32_t>::min());
        h.meter->mbu.pt.points.fill(std::numeric_limits<std::int32_t>::min());
        h.meter->mbu.output.points.fill(65535);
        for (const char* read :
             {"SpeedButton_ReadCalIn", "SpeedButton_ReadPWMCal", "SpeedButton_ReadCalPt"}) {
            h.button(read)->click();
            h.tick();
        }
        // A full history of sixteen commands each sent ten times: hand-made requests the unit
        // refuses with the longest link error, "4: This program is too new. Use earlier."
        h.meter->failNextReplies(4, 16 * 10);
        for (std::uint8_t code = 201; code <= 216; ++code)
            for (int i = 0; i < 10; ++i) {
                mbu::MBUFrame request{};
                mbu::BuildTxHeader(request, code);
                h.session().SendHandMade(request);
                eventloop::WaitFor([&] { return !h.session().Busy(); });
            }
        // A data text of 56 numbers: "Adat bájtok száma = 55", too long.
        QStringList numbers;
        for (int i = 1; i <= 56; ++i)
            numbers << QString::number(i);
        h.edit("Edit_InputText")->setText(numbers.join(QLatin1Char(' ')));
        eventloop::Pump();
    }
};

}  // namespace

// Every page and every part of one, with the longest texts shown: no control past its
// parent's edge, no text cut, every edit as wide as its design width and wide enough for its
// digits, in faces that are not monospaced (this test also runs under a fontconfig with
// DejaVu only and one with Liberation only).
TEST_F(OmbrikBounds, EveryControlOfEveryPageLiesWithinItsPage)
{
    ombrik::OmbrikWindow& w = *h.w;
    ASSERT_EQ(h.label("Label_RAM1_iCalLow1")->text().toStdString(), "-2 147 483 648");
    ASSERT_EQ(h.label("Label_iCalPt0ohm4W")->text().toStdString(), "-2 147 483 648");
    ASSERT_EQ(h.label("Label_PWM4mA")->text().toStdString(), "65 535");
    h.button("SpeedButton_PWMForce")->click();  // shows the output calibration group
    QWidget* content = h.find<QScrollArea>("ScrollBox_Form")->widget();
    const QWidget* view = h.find<QScrollArea>("ScrollBox_Form")->viewport();
    auto check = [&](const std::string& where) {
        SCOPED_TRACE(where);
        eventloop::Pump();
        for (const std::string& past : controlbounds::PastRightEdge(content, view))
            ADD_FAILURE() << past;
        EXPECT_EQ(layoutwalk::Joined(layoutwalk::Faults(&w, kEditWidths)), "");
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

// The history of sixteen commands each sent ten times and more: every entry shows, the
// label wrapping onto as many lines as they take.
TEST_F(OmbrikBounds, TheCommandHistoryShowsAllSixteenEntries)
{
    QLabel* history = h.label("Label_Commands");
    QString all;
    for (int code = 201; code <= 216; ++code)
        all += QStringLiteral("n*%1, ").arg(code);
    EXPECT_EQ(history->text().toStdString(), all.toStdString());
    EXPECT_TRUE(history->isVisible());
    EXPECT_LE(history->heightForWidth(history->width()), history->height());
    EXPECT_GT(history->height(), history->fontMetrics().lineSpacing());  // more than one line
    const QRect inGroup(history->mapTo(h.find("GroupBox_MBU"), QPoint(0, 0)), history->size());
    EXPECT_TRUE(h.find("GroupBox_MBU")->rect().contains(inGroup));
}

// The monitor's controls stand where they stand whatever link error it shows (the product's
// name beside it kept its room when "5: Unkown command." came).
TEST_F(OmbrikBounds, NoMonitorTextMovesAControl)
{
    QWidget* monitor = h.find("GroupBox_MBU");
    auto places = [&] {
        std::vector<QRect> r;
        for (QWidget* w : monitor->findChildren<QWidget*>())
            r.push_back(QRect(w->mapTo(h.w.get(), QPoint(0, 0)), w->size()));
        return r;
    };
    const std::vector<QRect> first = places();
    for (const std::uint8_t code : {0, 2, 3, 5, 6, 4}) {
        SCOPED_TRACE(int{code});
        if (code == 6)
            h.meter->dropNextReplies(1);
        else if (code != 0)
            h.meter->failNextReplies(code);
        h.tick();
        eventloop::Pump();
        EXPECT_EQ(places(), first);
    }
    EXPECT_EQ(h.label("Label_MBURxError")->text().toStdString(),
              "4: This program is too new. Use earlier.");
}
