// Where Korvel's controls stand: the module dialogs' frame at its design places, a header and
// settings columns that do not move while texts change, every control within its page or
// dialog and showing its whole text whatever sans-serif family the machine has (this binary
// also runs under a fontconfig with DejaVu only and one with Liberation only), and windows
// that stay reachable on a laptop's 1366 x 768 screen (a run of its own on that screen).
#include "tests/korvel/window/dialogs/DialogHarness.h"

#include "common/ui/ScreenFit.h"
#include "common/ui/TypingLimit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace qs;
using namespace korvel;

// Rectangles in failure messages as "x,y wxh".
void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace {

std::string NameOf(const QWidget* w)
{
    std::string path;
    for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
        const QString n = p->objectName().isEmpty()
                              ? QString::fromLatin1(p->metaObject()->className())
                              : p->objectName();
        path = n.toStdString() + (path.empty() ? "" : "/" + path);
    }
    return path;
}

// The visible controls of a window, its own (the dialogs a window owns are windows of their
// own and are walked on their own), without the toolkit's inner parts.
std::vector<QWidget*> VisibleControls(QWidget* window)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (w->parentWidget() &&
            w->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea_")) &&
            w->parentWidget()->objectName() != QLatin1String("qt_scrollarea_viewport"))
            continue;  // a scroll bar's container
        controls.push_back(w);
    }
    return controls;
}

// The viewport of the scroll area a control stands in, if any.
QWidget* ScrollViewOf(const QWidget* w)
{
    for (QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (p->objectName() == QLatin1String("qt_scrollarea_viewport"))
            return p;
    return nullptr;
}

// How many pixels a control's text needs beyond the text itself, and whether it has one.
int TextRoom(const QWidget* w, QString& text)
{
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap() || !l->pixmap().isNull())
            return -1;
        text = l->text();
        return l->margin() * 2 + std::max(0, l->indent());
    }
    if (auto* c = qobject_cast<const QCheckBox*>(w)) {
        text = c->text();
        return c->sizeHint().width() - c->fontMetrics().horizontalAdvance(text);
    }
    if (auto* r = qobject_cast<const QRadioButton*>(w)) {
        text = r->text();
        return r->sizeHint().width() - r->fontMetrics().horizontalAdvance(text);
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        text = b->text();
        return 2;  // clear of the frame's lines
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        text = g->title();
        return 8;
    }
    return -1;
}

// The limit outputs' hold captions give way, cut at their group's edge, where the wider
// family leaves a quarter of the page too narrow for them; every other text shows whole.
bool MayBeCut(const QWidget* w)
{
    return w->objectName().startsWith(QLatin1String("CheckBox_bHoldL"));
}

// The digits a number edit was designed to show: its typing limit, or a scaled value's five
// digits and separator where it has none; 0 for a text edit.
int DesignDigits(const QLineEdit* e)
{
    for (QObject* child : e->children())
        if (auto* limit = qobject_cast<TypingLimit*>(child))
            return limit->maxLength() <= 6 ? limit->maxLength() : 0;
    return 6;
}

// Every fault of the window's layout as it stands: a control past its parent's right or
// bottom edge, a text that its control cuts, a number edit too narrow for its digits.
std::vector<std::string> LayoutFaults(QWidget* window, bool bottomsToo = true)
{
    std::vector<std::string> faults;
    for (QWidget* w : VisibleControls(window)) {
        const QWidget* parent = w->parentWidget();
        const QRect g = w->geometry();
        std::ostringstream fault;
        const bool scrolled = parent->objectName() == QLatin1String("qt_scrollarea_viewport");
        if (g.x() < 0 || g.x() + g.width() > parent->width())
            fault << "x " << g.x() << ".." << g.x() + g.width() << " in " << parent->width()
                  << "; ";
        // Within the view a page scrolls in, too (the page control must not outgrow it).
        if (auto* view = ScrollViewOf(w)) {
            const int right = w->mapTo(view, QPoint(w->width(), 0)).x();
            const bool parentPast =
                parent != view &&
                parent->mapTo(view, QPoint(parent->width(), 0)).x() > view->width();
            if (right > view->width() && !parentPast)
                fault << "past the view's right edge (" << right << " in " << view->width()
                      << "); ";
        }
        if (bottomsToo && !scrolled && (g.y() < 0 || g.y() + g.height() > parent->height()))
            fault << "y " << g.y() << ".." << g.y() + g.height() << " in " << parent->height()
                  << "; ";
        QString text;
        const int room = TextRoom(w, text);
        const QString plain = QString(text).remove(QLatin1Char('&'));
        if (room >= 0 && !plain.isEmpty() &&
            w->fontMetrics().horizontalAdvance(plain) + room > w->width() && !MayBeCut(w))
            fault << "cuts \"" << plain.toStdString() << "\" ("
                  << w->fontMetrics().horizontalAdvance(plain) + room << " in " << w->width()
                  << "); ";
        if (auto* e = qobject_cast<QLineEdit*>(w); e && DesignDigits(e) > 0) {
            const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
            const int digits =
                e->fontMetrics().horizontalAdvance(QString(DesignDigits(e), QLatin1Char('0')));
            if (digits + 2 * frame + 4 > e->width())
                fault << "edit too narrow for " << DesignDigits(e) << " digits; ";
        }
        if (!fault.str().empty())
            faults.push_back(NameOf(w) + ": " + fault.str());
    }
    return faults;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& l : lines)
        all += l + "\n";
    return all;
}

QRect InWindow(const QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// The six dialogs on the common frame, with the objectNames of their trio.
struct FrameRow {
    const char* name;
    const char* read;
    const char* defaults;
    const char* write;
};
const FrameRow kFrames[] = {
    {"Form_QVAIN", "SpeedButton_ReadFromDevice", "SpeedButton_ReadDefault",
     "SpeedButton_WriteToDevice"},
    {"Form_QVAO", "SpeedButton_ReadFromDevice", "SpeedButton_ReadDefault",
     "SpeedButton_WriteToDevice"},
    {"Form_QVRO", "SpeedButton_ReadFromDevice", "SpeedButton_ReadDefault",
     "SpeedButton_WriteToDevice"},
    {"Form_QVSER", "SpeedButton_ReadFromDevice", "SpeedButton_ReadDefault",
     "SpeedButton_WriteToDevice"},
    {"Form_QVTMP", "SpeedButton_ReadFromDevice", "SpeedButton_ReadDefault",
     "SpeedButton_WriteToDevice"},
    {"Form_Password", "SpeedButton_ReadFromDevice_Password", "SpeedButton_ReadDefault_Password",
     "SpeedButton_WriteToDevice_Password"},
};

QWidget* Child(QWidget* in, const char* name)
{
    return findcontrol::Find(in, name);
}

QWidget* Form(KorvelHarness& h, const char* name)
{
    for (QWidget* f : h.forms->creationOrder)
        if (f->objectName() == QLatin1String(name))
            return f;
    ADD_FAILURE() << name;
    return h.w;
}

// The window in factory mode on a connected meter, shown, with its live values filled.
struct ShownWindow : ::testing::Test {
    DialogHarness h{QStringList{"/VORKAL"}};

    void SetUp() override
    {
        h.w->show();
        poll(90061);
    }
    void poll(std::uint32_t seconds)
    {
        h.meter->status.uSecondsOfOperation = seconds;
        h.meter->status.uDecimals = 2;
        h.meter->status.iSkalazottKijezesiErtek = -99999;
        h.tick();
        KorvelHarness::pump();
    }
};

}  // namespace

// The frame of every module dialog and of the password dialog, in client coordinates: outer
// size 1271 x 538 with the usual frame round the client area.
TEST(LayoutDialogFrame, CommonControlsStandAtTheirDesignPlaces)
{
    DialogHarness h;
    for (const FrameRow& f : kFrames) {
        SCOPED_TRACE(f.name);
        QWidget* d = Form(h, f.name);
        EXPECT_EQ(d->size(), QSize(1255, 500));
        EXPECT_EQ(d->size().grownBy(screenfit::kUsualFrame), QSize(1271, 538));
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        EXPECT_EQ(Child(d, "Button_Esc")->geometry(), QRect(8, 8, 89, 33));
        EXPECT_EQ(Child(d, "Button_RefreshForm")->geometry(), QRect(1142, 8, 97, 33));
        EXPECT_EQ(Child(d, "GroupBox9")->pos(), QPoint(8, 56));
        EXPECT_EQ(Child(d, f.read)->geometry(), QRect(6, 456, 145, 33));
        EXPECT_EQ(Child(d, f.defaults)->geometry(), QRect(158, 456, 187, 33));
        EXPECT_EQ(Child(d, f.write)->geometry(), QRect(1104, 456, 145, 33));
        EXPECT_EQ(Child(d, f.write)->geometry().right(), 1248);  // the right edge at 1249
        // Shown and filled, the frame keeps its places.
        d->show();
        KorvelHarness::pump();
        EXPECT_EQ(Child(d, "Button_RefreshForm")->geometry(), QRect(1142, 8, 97, 33));
        EXPECT_EQ(Child(d, f.write)->geometry(), QRect(1104, 456, 145, 33));
        d->hide();
    }
}

// The number editor: outer size 550 x 460 likewise, its digit columns where the design has
// them.
TEST(LayoutDialogFrame, TheNumberEditorKeepsItsDesignGeometry)
{
    DialogHarness h;
    NumberEditor* e = h.editor;
    EXPECT_EQ(e->size().grownBy(screenfit::kUsualFrame), QSize(550, 460));
    const int columns[] = {32, 120, 208, 296, 384};
    for (int k = 0; k < NumberEditor::kDigits; ++k) {
        const QString n = QString::number(k + 1);
        EXPECT_EQ(findcontrol::Find(e, "Button_PlusDigit" + n)->pos(), QPoint(columns[k], 64)) << k;
        EXPECT_EQ(findcontrol::Find(e, "Label_Digit" + n)->pos(), QPoint(columns[k], 128)) << k;
        EXPECT_EQ(findcontrol::Find(e, "Button_MinusDigit" + n)->pos(), QPoint(columns[k], 176))
            << k;
    }
    const int commas[] = {419, 339, 251, 163, 74};  // Label_uDecimal0 .. Label_uDecimal4
    for (int d = 0; d < NumberEditor::kDigits; ++d)
        EXPECT_EQ(findcontrol::Find(e, "Label_uDecimal" + QString::number(d))->x(), commas[d]) << d;
}

// The header's groups and lamps keep their places whatever the operating time reads, however
// long the command history grows and whether the link error shows.
TEST_F(ShownWindow, LayoutHeaderGroupsKeepTheirPlaces)
{
    const char* controls[] = {"GroupBox_USB",           "GroupBox_Errors", "GroupBox_MertErtek",
                              "Button_RefreshForm",     "Label_FPS2",      "Label_MBU_Commands",
                              "MBarGraph_OutputPercent"};
    auto places = [&] {
        std::vector<QRect> r;
        for (const char* c : controls)
            r.push_back(InWindow(Child(h.C<QWidget>("TabSheet_Header"), c)));
        return r;
    };
    const std::vector<QRect> first = places();
    for (const std::uint32_t seconds :
         {0u, 59u * 60 + 59, 3600u, 999u * 86400 + 86399, 0xFFFFFFFFu}) {
        SCOPED_TRACE(seconds);
        poll(seconds);
        EXPECT_EQ(places(), first);
    }
    EXPECT_EQ(h.C<QLabel>("Label_uSecondsOfOperation")->text().toStdString(),
              "49710 nap, 6 óra, 28 perc, 15 mp");
    // A full history of fifteen different commands, and a refused request that shows the
    // link error.
    // (The meter refuses them all as unknown: the history takes what was sent, and nothing
    // else on the page changes.)
    h.meter->failNextReplies(mbu3::ErrCommand, 16);
    for (const std::uint8_t code :
         {131, 132, 110, 116, 129, 123, 201, 203, 205, 207, 209, 214, 217, 220, 223}) {
        h.session().StartCommand(korvel::FindCommand(code)->code);
        KorvelHarness::waitFor([&] { return !h.session().Busy(); }, 1000);
    }
    h.tick();
    KorvelHarness::pump();
    ASSERT_TRUE(h.C<QLabel>("Label_MBURxError2")->isVisible());
    EXPECT_GE(h.C<QLabel>("Label_MBU_Commands")->text().size(), 50);
    EXPECT_EQ(places(), first);
}

// "Quorin beállítások": the three columns keep their places with direct drive on and off.
TEST_F(ShownWindow, LayoutCalibrationColumnsKeepTheirPlacesWithDirectDriveOnAndOff)
{
    h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_Quorin"));
    h.C<qs::PageControl>("PageControl1")->setActivePage(h.C<QWidget>("TabSheet1"));
    KorvelHarness::pump();
    const char* columns[] = {"GroupBox_OutputCalibration", "PageControl2",
                             "GroupBox_SzamitottErtekek", "GroupBox1"};
    auto places = [&] {
        std::vector<QRect> r;
        for (const char* c : columns)
            r.push_back(InWindow(h.C(c)));
        return r;
    };
    const std::vector<QRect> off = places();
    SpeedButton* force = h.C<qs::SpeedButton>("SpeedButton_PWMForce");
    force->click();
    KorvelHarness::pump();
    ASSERT_TRUE(h.C<QGroupBox>("GroupBox_OutputCal")->isVisible());
    EXPECT_EQ(places(), off);
    poll(999u * 86400 + 86399);
    EXPECT_EQ(places(), off);
    force->click();
    KorvelHarness::pump();
    EXPECT_EQ(places(), off);
}

// The temperature dialog: the groups keep their places when the 2-wire and the
// potentiometer groups appear.
TEST(LayoutQvtmp, GroupsKeepTheirPlacesWhenTheOptionalGroupsAppear)
{
    DialogHarness h;
    QvtmpDialog* d = h.qvtmp;
    d->show();
    KorvelHarness::pump();
    auto places = [&] {
        std::vector<QRect> r;
        for (const char* group : {"RadioGroup_uRoundSettings", "RadioGroup_QVTMP_Average",
                                  "RadioGroup_QVTMP_Wires", "RadioGroup_QVTMP_Mode"})
            r.push_back(InWindow(findcontrol::Find(d, group)));
        for (int i = 0;
             i < findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_uRoundSettings")->count(); ++i)
            r.push_back(InWindow(
                findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_uRoundSettings")->item(i)));
        return r;
    };
    const std::vector<QRect> plain = places();
    findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_QVTMP_Wires")->setItemIndex(0);
    findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_QVTMP_Mode")->setItemIndex(2);
    KorvelHarness::pump();
    ASSERT_TRUE(findcontrol::Find<QGroupBox>(d, "GroupBox_QVTMP_R2W")->isVisible() &&
                findcontrol::Find<QGroupBox>(d, "GroupBox_Pot")->isVisible());
    EXPECT_EQ(places(), plain);
    d->hide();
}

// Every page of the main window, in factory mode with direct drive on: no control past its
// parent's edge, no text cut, every number edit wide enough for its digits, and the page
// control no wider than the view it scrolls in.
TEST_F(ShownWindow, LayoutEveryPageFitsItsControls)
{
    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
    auto* view = h.C<QScrollArea>("ScrollBox_Pages");
    for (QWidget* model : {h.C("TabSheet_3310"), h.C("TabSheet_3320"), h.C("TabSheet_5510"),
                           h.C("TabSheet_5530"), h.C("TabSheet_TooOld"), h.C("TabSheet_Quorin")})
        for (QWidget* page : {h.C("TabSheet1"), h.C("TabSheet_Settings"), h.C("TabSheet5"),
                              h.C("TabSheet6"), h.C("TabSheet9")}) {
            if (model != h.C<QWidget>("TabSheet_Quorin") && page != h.C<QWidget>("TabSheet1"))
                continue;
            h.C<qs::PageControl>("PageControl4")->setActivePage(model);
            h.C<qs::PageControl>("PageControl1")->setActivePage(page);
            KorvelHarness::pump();
            SCOPED_TRACE((model->objectName() + "/" + page->objectName()).toStdString());
            EXPECT_LE(h.C<qs::PageControl>("PageControl4")->width(), view->viewport()->width());
            EXPECT_EQ(Joined(LayoutFaults(h.w)), "");
        }
}

// Every module dialog, the password dialog and the number editor, with every optional group
// shown: no control past its parent's edge, no text cut (the relay dialog's "A érték vagy
// delta érték:" and its hold check box among them), number edits wide enough.
TEST(LayoutDialogs, EveryDialogFitsItsControls)
{
    DialogHarness h;
    h.pollDecimals(2);
    findcontrol::Find<qs::RadioGroup>(h.qvtmp, "RadioGroup_QVTMP_Wires")->setItemIndex(0);
    findcontrol::Find<qs::RadioGroup>(h.qvtmp, "RadioGroup_QVTMP_Mode")->setItemIndex(2);
    for (QWidget* d :
         std::initializer_list<QWidget*>{h.qvain, h.qvao, h.qvro, h.qvser, h.qvtmp, h.password,
                                         h.editor, h.forms->Form_Keszulekcsere}) {
        SCOPED_TRACE(d->objectName().toStdString());
        d->show();
        KorvelHarness::pump();
        EXPECT_EQ(Joined(LayoutFaults(d)), "");
        d->hide();
    }
}

// The relay dialog's unlit state label greys its text as a disabled control does, the lit
// one does not.
TEST(LayoutQvro, TheUnlitStateLabelIsGreyed)
{
    DialogHarness h;
    h.qvro->show();
    auto darkest = [](QWidget* w) {
        const QImage img = w->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                darkest = std::min(darkest, qGray(img.pixel(x, y)));
        return darkest;
    };
    for (const std::uint8_t outputs : {0, 1}) {
        SCOPED_TRACE(int{outputs});
        h.meter->status.uDigitalOutputs = outputs;
        h.session().SelectSlot(korvel::Trio::Qvro, 1);
        h.tick();
        KorvelHarness::pump();
        QLabel* lit = outputs ? findcontrol::Find<QLabel>(h.qvro, "Label_DigitalOutOn")
                              : findcontrol::Find<QLabel>(h.qvro, "Label_DigitalOutOff");
        QLabel* unlit = outputs ? findcontrol::Find<QLabel>(h.qvro, "Label_DigitalOutOff")
                                : findcontrol::Find<QLabel>(h.qvro, "Label_DigitalOutOn");
        EXPECT_FALSE(unlit->isEnabled());
        EXPECT_LT(darkest(lit), 60);
        EXPECT_GT(darkest(unlit), 90);
    }
    h.qvro->hide();
}

// On a laptop's 1366 x 768 screen (run on that screen): the main window fits the available
// area and its pages scroll; every dialog that opens below it is moved onto the screen, so
// its request buttons can be reached.
TEST(LayoutSmallScreen, WindowsAndRequestButtonsLieOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    if (area.size() != QSize(1366, 768))
        GTEST_SKIP() << "runs on a 1366 x 768 screen";
    DialogHarness h({"/VORKAL"});
    h.w->show();
    KorvelHarness::pump();
    EXPECT_TRUE(area.contains(h.w->frameGeometry())) << h.w->frameGeometry().height();
    EXPECT_EQ(h.w->width(), 1321);
    auto* view = h.C<QScrollArea>("ScrollBox_Pages");
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);  // the rest of the page is reachable

    struct Opener {
        const char* button;
        const char* form;
    };
    const Opener openers[] = {
        {"Button_QV3320_QVAIN", "Form_QVAIN"},  {"Button_QV3320_QVAO_Fo", "Form_QVAO"},
        {"Button_QV3320_QVRO_Fo", "Form_QVRO"}, {"Button_QV3320_QVSER_Fo", "Form_QVSER"},
        {"Button_QV5510_QVTMP", "Form_QVTMP"},  {"Button1", "Form_Password"}};
    for (const Opener& o : openers) {
        SCOPED_TRACE(o.form);
        const FrameRow& f =
            *std::find_if(std::begin(kFrames), std::end(kFrames),
                          [&](const FrameRow& r) { return std::string(r.name) == o.form; });
        auto* d = static_cast<DialogBase*>(Form(h, o.form));
        h.button(o.button)->setEnabled(true);
        EXPECT_TRUE(h.whileOpen(h.button(o.button), d, [&] {
            EXPECT_TRUE(area.contains(d->frameGeometry()));
            // Moved just enough: still at the main window's Left + 21.
            EXPECT_EQ(d->pos().x(), h.w->pos().x() + DialogBase::kLeftOffset);
            for (const char* name : {f.read, f.defaults, f.write}) {
                QWidget* b = Child(d, name);
                EXPECT_TRUE(area.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size()))) << name;
            }
        }));
    }
    // The number editor opens at the same place, and is moved the same way.
    EXPECT_TRUE(
        h.whileOpen(findcontrol::Find<QPushButton>(h.qvro, "Button_SettingsA"), h.editor, [&] {
            EXPECT_TRUE(area.contains(h.editor->frameGeometry()));
            findcontrol::Find<QPushButton>(h.editor, "Button_Esc")->click();
        }));
}

// The font runs do run under the family they name: the windows' design faces resolve to it.
TEST(LayoutFonts, TheDesignFacesResolveToTheFamilyOfTheRun)
{
    const QByteArray config = qgetenv("FONTCONFIG_FILE");
    const char* expected = config.contains("dejavu-only")       ? "DejaVu Sans"
                           : config.contains("liberation-only") ? "Liberation Sans"
                                                                : nullptr;
    if (!expected)
        GTEST_SKIP() << "runs under a one-family fontconfig";
    DialogHarness h;
    EXPECT_EQ(QFontInfo(h.w->font()).family().toStdString(), expected);
    EXPECT_EQ(QFontInfo(h.qvro->font()).family().toStdString(), expected);
}
