// A meter swapped while Korvel works: the replacement notice over an open dialog, and the
// writes left pending for the old meter, which never reach the new one.
#include "DialogHarness.h"

#include "common/ui/ScreenFit.h"
#include "korvel/window/dialogs/DeviceReplacedNotice.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include <algorithm>

using namespace qs;
using namespace korvel;

namespace {

// Another meter in place of the one served: a new factory number, and with `type` another model
// that refuses requests for any other type.
void Swap(SimulatedMeter& meter, std::uint16_t type)
{
    meter.deviceId += 1000;
    meter.deviceType = type;
    meter.checkRequestedType = true;
}

// A click on a control as the window system delivers it: a window that a modal one blocks
// never gets it.
void ClickAsUser(QWidget* control)
{
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
}

// A key pressed on the keyboard: it goes to the window that has the focus.
void PressKeyAsUser(Qt::Key key)
{
    ASSERT_NE(QGuiApplication::focusWindow(), nullptr);
    QTest::keyClick(QGuiApplication::focusWindow(), key);
}

}  // namespace

// The notice raised while the QVAIN dialog runs its modal loop, or raised before and still shown
// when the dialog opens, takes the mouse and the keyboard: its Ok and the Esc key hide it and
// leave the dialog open; then a further swap is compared and raises it again. The number
// editor's modal loop within the dialog gives way to it the same way.
TEST(DeviceSwapNotice, OverAnOpenDialogItClosesByOkAndByEscAndTheDialogStaysOpen)
{
    DialogHarness h;
    h.tick();  // the first meter is adopted silently
    DeviceReplacedNotice* notice = h.forms->Form_Keszulekcsere;
    auto* ok = findcontrol::Find<QPushButton>(notice, "Button_Ok");
    enum class Raised { BeforeTheDialog, InTheDialog, InTheNumberEditor };
    struct Case {
        const char* name;
        Raised raised;
        bool byEsc;
    };
    const Case cases[] = {
        {"Ok in the dialog", Raised::InTheDialog, false},
        {"Esc in the dialog", Raised::InTheDialog, true},
        {"Esc before the dialog", Raised::BeforeTheDialog, true},
        {"Ok before the dialog", Raised::BeforeTheDialog, false},
        {"Esc in the number editor", Raised::InTheNumberEditor, true},
    };
    auto raise = [&] {
        Swap(*h.meter, h.meter->deviceType);
        h.tick();
        KorvelHarness::pump();
        return notice->isVisible();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dismissAndSwapAgain = [&](QDialog* below) {
            // The notice has the keyboard.
            ASSERT_TRUE(KorvelHarness::waitFor(
                [&] { return QGuiApplication::focusWindow() == notice->windowHandle(); }, 1000));
            if (c.byEsc)
                PressKeyAsUser(Qt::Key_Escape);
            else
                ClickAsUser(ok);
            KorvelHarness::pump();
            EXPECT_FALSE(notice->isVisible());
            EXPECT_TRUE(below->isVisible());
            EXPECT_TRUE(KorvelHarness::waitFor(
                [&] { return QGuiApplication::focusWindow() == below->windowHandle(); }, 1000));
            // Compared again: the next swap raises the notice with the new factory number.
            ASSERT_TRUE(raise());
            EXPECT_EQ(findcontrol::Find<QLabel>(notice, "Label_uDeviceID")->text().toUInt(),
                      h.meter->deviceId);
            ClickAsUser(ok);
            KorvelHarness::pump();
            EXPECT_FALSE(notice->isVisible());
            EXPECT_TRUE(below->isVisible());
        };
        if (c.raised == Raised::BeforeTheDialog) {
            ASSERT_TRUE(raise());
        }
        EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVAIN"), h.qvain, [&] {
            KorvelHarness::pump();
            if (c.raised == Raised::InTheNumberEditor) {
                EXPECT_TRUE(h.withEditor(
                    findcontrol::Find<QPushButton>(h.qvain, "Button_ScaleLowSettings"), false, [&] {
                        ASSERT_TRUE(raise());
                        dismissAndSwapAgain(h.editor);
                    }));
                return;
            }
            if (c.raised == Raised::InTheDialog) {
                ASSERT_TRUE(raise());
            }
            dismissAndSwapAgain(h.qvain);
        }));
    }
}

// The notice has the windows' 11 px face, and 634 x 280 is its outer size with the usual frame,
// as the module dialogs' design size is theirs.
TEST(DeviceSwapNotice, HasTheWindowsFontAndItsDesignSizeIsTheOuterOne)
{
    DialogHarness h;
    DeviceReplacedNotice* notice = h.forms->Form_Keszulekcsere;
    EXPECT_EQ(notice->size().grownBy(screenfit::kUsualFrame), QSize(634, 280));
    for (const char* name : {"Label_uDevice", "Label_uLastDeviceID"})
        EXPECT_EQ(QFontInfo(findcontrol::Find<QLabel>(notice, name)->font()).pixelSize(),
                  QFontInfo(h.qvain->font()).pixelSize())
            << name;
    EXPECT_EQ(QFontInfo(notice->font()).pixelSize(), 11);
}

// Writes left pending for one meter, swapped for one of another model before they went out:
// the first try still carries the old model's type. The new meter either refuses it (error 2)
// or, for a write of several frames, acknowledges its first frame; either reply shows the swap,
// the new meter is adopted, and every pending write is withdrawn (its buttons Up, nothing more
// of it sent, the transfer of the several frames abandoned), while the reads pending at the
// same swap complete from the new meter.
TEST(DeviceSwapWrites, WritesPendingAtASwapNeverReachTheNewMeterAndReadsDo)
{
    struct Case {
        const char* name;
        bool settingsWrite;  // the settings write (four frames) is pending and goes first
        std::uint8_t firstCommand;
        std::uint8_t firstReplyError;
    };
    for (const Case& c : {Case{"module block write first", false, 202, mbu3::ErrDevice},
                          Case{"settings write first", true, 109, 0}}) {
        SCOPED_TRACE(c.name);
        DialogHarness h;
        h.tick();
        const std::uint16_t oldType = h.meter->deviceType;

        // The meter is unplugged; the user leaves requests pending meanwhile.
        h.meter->unplug();
        KorvelHarness::pump();
        EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVAIN"), h.qvain, [&] {
            h.trioButton(h.qvain, "SpeedButton_WriteToDevice")->click();
        }));
        EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVAO_Tovabbi"), h.qvao, [] {}));
        EXPECT_TRUE(h.whileOpen(h.button("Button_QV5510_QVTMP"), h.qvtmp, [] {}));
        if (c.settingsWrite)
            h.C<SpeedButton>("SpeedButton_WriteSettings")->click();

        Swap(*h.meter, 3320);
        h.meter->clearLog();
        h.meter->plug();
        KorvelHarness::pump();
        for (int i = 0; i < 5; ++i)
            h.tick();

        const auto& frames = h.meter->framesReceived();
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames[0][mbu3::off::Command], c.firstCommand);
        EXPECT_EQ(mbu3::Get16(frames[0], mbu3::off::DeviceType), oldType);
        ASSERT_FALSE(h.meter->repliesSent().empty());
        EXPECT_EQ(h.meter->repliesSent()[0][mbu3::off::ErrorCode], c.firstReplyError);
        EXPECT_TRUE(h.forms->Form_Keszulekcsere->isVisible());
        // Nothing of either write after the new meter's first reply.
        std::vector<std::uint8_t> later;
        for (std::size_t i = 1; i < frames.size(); ++i)
            later.push_back(frames[i][mbu3::off::Command]);
        EXPECT_EQ(std::count(later.begin(), later.end(), 202), 0);
        EXPECT_EQ(std::count(later.begin(), later.end(), 109), 0);
        EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{205, 223}));
        for (const MeterCore::Request& r : h.meter->requests())
            EXPECT_EQ(r.requestedType, 3320) << int{r.command};
        EXPECT_EQ(h.session().Transfer().TransferState, 0);
        for (SpeedButton* b : {h.trioButton(h.qvain, "SpeedButton_WriteToDevice"),
                               h.C<SpeedButton>("SpeedButton_WriteSettings"),
                               h.C<SpeedButton>("SpeedButton_WriteSettings2"),
                               h.trioButton(h.qvao, "SpeedButton_ReadFromDevice"),
                               h.trioButton(h.qvtmp, "SpeedButton_ReadFromDevice")})
            EXPECT_FALSE(b->IsDown()) << b->objectName().toStdString();
    }
}
