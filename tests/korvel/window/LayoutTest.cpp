// Where Korvel's controls stand: the module dialogs' frame at its design places, a header and
// settings columns that do not move while texts change, relay lamps that move no button, a
// header history that shows whole entries, every control within its page or dialog and
// showing its whole text whatever sans-serif family the machine has (this binary also runs
// under a fontconfig with DejaVu only and one with Liberation only), and windows that stay
// reachable and scroll no further than their page on a laptop's 1366 x 768 screen (a run of
// its own on that screen).
#include "tests/korvel/window/dialogs/DialogHarness.h"
#include "tests/LayoutWalk.h"
#include "tests/sim/FactoryStore.h"

#include "common/ui/ScreenFit.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <bit>
#include <limits>
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

// Sends each command as the scheduler would, `times` times over, the meter refusing every one
// as unknown (link error 5): the command history takes what was sent, and nothing a reply
// would carry is applied.
void SendRefused(KorvelHarness& h, const std::vector<std::uint8_t>& codes, int times = 1)
{
    h.meter->failNextReplies(mbu3::ErrCommand, static_cast<int>(codes.size()) * times);
    for (const std::uint8_t code : codes)
        for (int i = 0; i < times; ++i) {
            h.session().StartCommand(FindCommand(code)->code);
            KorvelHarness::waitFor([&] { return !h.session().Busy(); }, 1000);
        }
}

// The edits' design widths: a Liberation Sans machine's, which no font family may narrow.
const layoutwalk::EditWidth kEditWidths[] = {
    {"Edit_GyariSzam", 80},
    {"Edit_GyariSzamEv", 80},
    {"Edit_GyariSzamHonap", 80},
    {"Edit_DisplayTagname", 138},
    {"Edit_DisplayDimension", 60},
    {"Edit_iBgLow", 72},
    {"Edit_iBgHigh", 72},
    {"Edit_iScaleLowSettings", 72},
    {"Edit_iScaleHighSettings", 72},
    {"Edit_iAnalogueLow", 72},
    {"Edit_iAnalogueHigh", 72},
    {"Edit_iLowLimitL", 72},
    {"Edit_iHighLimitL", 72},
    {"Edit_iHysteresisL", 72},
    {"Edit_uSecL", 42},
    {"Edit_uPulseSecL", 42},
    {"Edit_uSec", 70},
    {"Edit_uPulseSec", 70},
    {"Edit_MODBUSTimeOut", 70},
    {"Edit_PasswordUser", 70},
    {"Edit_PasswordSupervisor", 70},
};

std::vector<std::string> LayoutFaults(QWidget* window, bool bottomsToo = true)
{
    return layoutwalk::Faults(window, kEditWidths, bottomsToo);
}

using layoutwalk::Joined;

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
    FactoryStore factory{*h.meter};

    void SetUp() override
    {
        // The header's longest texts from the first reply on: a device type of no model
        // ("Ismeretlen készülék. Azonosítója: 65535") and the largest factory number.
        h.meter->deviceType = 65535;
        h.meter->deviceId = 0xFFFFFFFFu;
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
    // Every number the status poll shows at its longest.
    void pollLongestNumbers()
    {
        // A full history of commands each sent ten times and more.
        SendRefused(h, {201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215},
                    10);
        StatusRecord& s = h.meter->status;
        s.uGyariSzamEv = 255;
        s.uGyariSzamHonap = 255;
        s.iADRaw = std::numeric_limits<std::int32_t>::min();
        s.iADAveraged = std::numeric_limits<std::int32_t>::min();
        s.fFizikaiMennyiseg = -99999.99f;
        s.fKimenetSzazalek = -99.999f;
        s.fResistanceOfWires = -9999.99f;
        s.uSPS = 65535;
        s.uFRAMSizeKB = 255;
        s.uMainLoopFrequency = 0xFFFFFFFFu;
        h.tick();
        s.uDecimals = 4;
        s.iSkalazottKijezesiErtek = std::numeric_limits<std::int32_t>::min();
        s.uSecondsOfOperation = 0xFFFFFFFFu;
        h.tick();
        h.meter->failNextReplies(4);  // the longest link error text
        h.tick();
        // The calibration points read back at their longest.
        factory.input.points.fill(std::numeric_limits<std::int32_t>::min());
        factory.pt.points.fill(std::numeric_limits<std::int32_t>::min());
        factory.output.points.fill(65535);
        for (const char* read :
             {"SpeedButton_ReadCalIn", "SpeedButton_ReadPWMCal", "SpeedButton_ReadCalPt"}) {
            h.C<qs::SpeedButton>(read)->click();
            h.tick();
        }
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
    SendRefused(h, {131, 132, 110, 116, 129, 123, 201, 203, 205, 207, 209, 214, 217, 220, 223});
    h.meter->failNextReplies(mbu3::ErrCommand);
    h.tick();
    KorvelHarness::pump();
    ASSERT_TRUE(h.C<QLabel>("Label_MBURxError2")->isVisible());
    EXPECT_GE(h.C<QLabel>("Label_MBU_Commands")->text().size(), 50);
    EXPECT_EQ(places(), first);
}

// The QV3320 page: its relay lamps keep their places whether a module set with relays shows
// them or one without hides them, no button of the page moves, and the three rows' buttons
// line up.
TEST(LayoutQv3320, ShowingTheRelayLampsMovesNoButton)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->deviceType = 3320;
    h.w->show();
    h.C<qs::PageControl>("PageControl4")->setActivePage(h.C("TabSheet_3320"));
    auto readBack = [&](std::uint8_t main, std::uint8_t additional) {
        h.meter->status.uQVOptOut2 = main;
        h.meter->status.uQVOptOut1 = additional;
        h.tick();
        h.C<QPushButton>("Button_GyariSzamToEdits")->click();
        KorvelHarness::pump();
    };
    const char* controls[] = {
        "Button_QV3320_QVAIN",        "Button_QV3320_QVTMP",      "Button_QV3320_QVAO_Fo",
        "Button_QV3320_QVSER_Fo",     "Button_QV3320_QVRO_Fo",    "Button_QV3320_QVAO_Tovabbi",
        "Button_QV3320_QVRO_Tovabbi", "Shape_DigitalOut1_QV3320", "Shape_DigitalOut2_QV3320"};
    auto places = [&] {
        std::vector<QRect> r;
        for (const char* c : controls)
            r.push_back(InWindow(h.C(c)));
        return r;
    };
    readBack(3, 3);  // analogue outputs in both slots: both lamps hidden
    ASSERT_TRUE(h.C("Shape_DigitalOut1_QV3320")->isHidden());
    ASSERT_TRUE(h.C("Shape_DigitalOut2_QV3320")->isHidden());
    const std::vector<QRect> hidden = places();
    readBack(5, 5);  // relays in both slots: both lamps shown
    ASSERT_TRUE(h.C("Shape_DigitalOut1_QV3320")->isVisible());
    ASSERT_TRUE(h.C("Shape_DigitalOut2_QV3320")->isVisible());
    EXPECT_EQ(places(), hidden);
    readBack(5, 0);  // the additional lamp hidden again
    ASSERT_TRUE(h.C("Shape_DigitalOut2_QV3320")->isHidden());
    EXPECT_EQ(places(), hidden);
    const int left = InWindow(h.C("Button_QV3320_QVAIN")).x();
    EXPECT_EQ(InWindow(h.C("Button_QV3320_QVAO_Fo")).x(), left);
    EXPECT_EQ(InWindow(h.C("Button_QV3320_QVAO_Tovabbi")).x(), left);
}

// The header's history of fifteen three-digit commands is wider than the "USB" group: the
// oldest entries are left out whole, and the entries shown are the newest, the newest last,
// each whole, within the label's width.
TEST_F(ShownWindow, LayoutHeaderHistoryShowsWholeEntriesTheNewestLast)
{
    const std::vector<std::uint8_t> codes = {131, 132, 110, 116, 129, 123, 201, 203,
                                             205, 207, 209, 214, 217, 220, 223};
    QStringList all;
    for (const std::uint8_t code : codes)
        all << QString::number(code);
    SendRefused(h, codes);
    KorvelHarness::pump();
    auto* history = h.C<qs::EntriesLabel>("Label_MBU_Commands");
    EXPECT_EQ(history->text(), QLatin1Char(' ') + all.join(QLatin1Char(' ')));
    const QString shown = history->ShownText();
    ASSERT_TRUE(shown.startsWith(QStringLiteral("… "))) << shown.toStdString();
    const QStringList entries = shown.mid(2).split(QLatin1Char(' '));
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries, all.mid(all.size() - entries.size()));
    EXPECT_EQ(entries.back(), QStringLiteral("223"));
    EXPECT_LE(history->fontMetrics().horizontalAdvance(shown), history->contentsRect().width());
    // One more entry would not have fitted.
    const QString more =
        QStringLiteral("… ") + all.mid(all.size() - entries.size() - 1).join(QLatin1Char(' '));
    EXPECT_GT(history->fontMetrics().horizontalAdvance(more), history->contentsRect().width());
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
    pollLongestNumbers();
    ASSERT_EQ(h.C<QLabel>("Label_KeszulekTipus")->text().toStdString(),
              "Ismeretlen készülék. Azonosítója: 65535");
    ASSERT_EQ(h.C<QLabel>("Label_RAM1_iCalLow1")->text().toStdString(), "-2 147 483 648");
    ASSERT_EQ(h.C<QLabel>("Label_iCalPt0ohm4W")->text().toStdString(), "-2 147 483 648");
    ASSERT_EQ(h.C<QLabel>("Label_PWM4mA")->text().toStdString(), "65 535");
    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
    auto* view = h.C<QScrollArea>("ScrollBox_Pages");
    for (QWidget* model :
         {h.C("TabSheet_3310"), h.C("TabSheet_3320"), h.C("TabSheet_5510"), h.C("TabSheet_5530"),
          h.C("TabSheet_TooOld"), h.C("TabSheet_TooNew"), h.C("TabSheet_Quorin")})
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

// A stored block of the simulated meter, changed.
template <class Block, class Change>
void ChangeStored(ModuleStore& modules, std::uint8_t read, Change change)
{
    ModuleStore::Bytes& bytes = modules.Stored(read);
    ByteReader r(bytes);
    Block block = Block::Decode(r);
    change(block);
    ByteWriter w(bytes);
    block.Encode(w);
}

// Every module dialog and the password dialog as its opener shows it, filled with the
// longest values its module can send (the most negative numbers with four decimals, the
// largest counts) and every optional group shown; the number editor and the replacement
// notice: no control past its parent's edge, no text cut (the relay dialog's "A érték vagy
// delta érték:" and its hold check box among them), every edit as wide as its design.
TEST(LayoutDialogs, EveryDialogFitsItsControls)
{
    DialogHarness h;
    constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
    ChangeStored<QvainBlock>(h.modules, 201, [&](QvainBlock& b) {
        b.uDecimalPointSettings = 4;
        b.iScaleLowSettings = b.iScaleHighSettings = kLeast;
    });
    ChangeStored<QvaoBlock>(
        h.modules, 203, [&](QvaoBlock& b) { b.iScaleLowSettings = b.iScaleHighSettings = kLeast; });
    ChangeStored<QvroBlock>(h.modules, 207, [&](QvroBlock& b) {
        b.iSettingsA = b.iSettingsB = b.iSettingsHysteresis = kLeast;
        b.uSec = 65535;
        b.uPulseSec = 255;
    });
    ChangeStored<QvtmpBlock>(h.modules, 223, [&](QvtmpBlock& b) {
        b.uMode = 2;   // "Potenciométer": its group shows
        b.uWires = 2;  // 2 wires: the lead resistance's group shows
        b.uDecimals = 4;
        b.iScaleLow = b.iScaleHigh = kLeast;
        b.leadResistanceBits = b.calPot0Bits = b.calPot100Bits =
            std::bit_cast<std::uint32_t>(-9999.99f);
    });
    h.pollDecimals(4);
    struct Opened {
        const char* opener;
        QWidget* dialog;
    };
    for (const Opened& o :
         {Opened{"Button_QV3320_QVAIN", h.qvain}, Opened{"Button_QV3320_QVAO_Fo", h.qvao},
          Opened{"Button_QV3320_QVRO_Fo", h.qvro}, Opened{"Button_QV3320_QVSER_Fo", h.qvser},
          Opened{"Button_QV5510_QVTMP", h.qvtmp}, Opened{"Button1", h.password}}) {
        SCOPED_TRACE(o.dialog->objectName().toStdString());
        h.button(o.opener)->setEnabled(true);
        EXPECT_TRUE(h.whileOpen(h.button(o.opener), static_cast<DialogBase*>(o.dialog), [&] {
            h.tick();
            KorvelHarness::pump();
            EXPECT_EQ(Joined(LayoutFaults(o.dialog)), "");
        }));
    }
    ASSERT_TRUE(findcontrol::Find<QGroupBox>(h.qvtmp, "GroupBox_Pot")->isVisibleTo(h.qvtmp));
    ASSERT_TRUE(findcontrol::Find<QGroupBox>(h.qvtmp, "GroupBox_QVTMP_R2W")->isVisibleTo(h.qvtmp));
    EXPECT_EQ(findcontrol::Find<QLabel>(h.qvro, "Label_iSettingsA")->text().toStdString(),
              "-214748.3648");
    for (QWidget* d : std::initializer_list<QWidget*>{h.editor, h.forms->Form_Keszulekcsere}) {
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

// On a laptop's 1366 x 768 screen (run on that screen) the page area scrolls as far as the
// page it shows reaches, not as far as the tallest page: the three lines of a program too old
// for its device leave nothing to scroll, the calibration page scrolls, and a factory page
// shorter than the view scrolls no more once the calibration page was shown.
TEST(LayoutSmallScreen, ThePageAreaScrollsAsFarAsThePageShown)
{
    if (QGuiApplication::primaryScreen()->availableGeometry().size() != QSize(1366, 768))
        GTEST_SKIP() << "runs on a 1366 x 768 screen";
    {
        KorvelHarness h;
        h.w->show();
        h.meter->failNextReplies(3);
        h.tick();
        KorvelHarness::pump();
        ASSERT_EQ(h.C<qs::PageControl>("PageControl4")->activePage(), h.C("TabSheet_TooOld"));
        EXPECT_EQ(h.C<QScrollArea>("ScrollBox_Pages")->verticalScrollBar()->maximum(), 0);
    }
    KorvelHarness h({"/VORKAL"});
    h.w->show();
    KorvelHarness::pump();
    QScrollBar* bar = h.C<QScrollArea>("ScrollBox_Pages")->verticalScrollBar();
    const int view = h.C<QScrollArea>("ScrollBox_Pages")->viewport()->height();
    auto show = [&](const char* model, const char* factory) {
        h.C<qs::PageControl>("PageControl4")->setActivePage(h.C(model));
        if (factory)
            h.C<qs::PageControl>("PageControl1")->setActivePage(h.C(factory));
        KorvelHarness::pump();
        return bar->maximum();
    };
    const int calibration = show("TabSheet_Quorin", "TabSheet1");
    EXPECT_GT(calibration, 0);
    EXPECT_EQ(calibration, h.C("PageControl4")->minimumSizeHint().height() - view);
    EXPECT_EQ(show("TabSheet_Quorin", "TabSheet9"), 0);
    EXPECT_EQ(show("TabSheet_3320", nullptr), 0);
    EXPECT_EQ(show("TabSheet_Quorin", "TabSheet1"), calibration);
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
