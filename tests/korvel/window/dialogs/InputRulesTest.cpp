// The keyboard and wheel on Korvel's forms as the program builds them: the wheel over the
// settings page's brightness and the RS-485 dialog's baud rate, Enter on the main window's
// and the number editor's buttons.
#include "tests/WheelEvent.h"
#include "DialogHarness.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace qs;
using namespace korvel;

namespace {

void Activate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    KorvelHarness::pump();
}

}  // namespace

// The brightness on a settings page that scrolls, and the baud rate in a dialog that does
// not: unfocused, the wheel leaves them (and scrolls the page, or nothing); focused, it
// changes them.
TEST(KorvelInputRules, TheWheelScrollsPastAnUnfocusedTrackBarOrListAndChangesAFocusedOne)
{
    DialogHarness h({"/VORKAL"});
    h.w->resize(900, 500);
    Activate(h.w);
    ASSERT_TRUE(ClickPageTab(h.C<qs::PageControl>("PageControl1"), "Beállítások"));
    QScrollBar* page = h.C<QScrollArea>("ScrollBox_Pages")->verticalScrollBar();
    ASSERT_GT(page->maximum(), 0);
    auto* brightness = h.C<QSlider>("TrackBar_Brightness");
    h.C<QLineEdit>("Edit_DisplayTagname")->setFocus();
    const int level = brightness->value();
    wheel::Down(brightness);
    EXPECT_EQ(brightness->value(), level);
    EXPECT_GT(page->value(), 0);
    const int scrolled = page->value();
    brightness->setFocus();
    wheel::Down(brightness);
    EXPECT_NE(brightness->value(), level);
    EXPECT_EQ(page->value(), scrolled);

    Activate(h.qvser);
    auto* baud = findcontrol::Find<QComboBox>(h.qvser, "ComboBox_MODBUSBaudRate");
    baud->setCurrentIndex(2);
    findcontrol::Find<QPushButton>(h.qvser, "Button_Esc")->setFocus();
    wheel::Down(baud);
    EXPECT_EQ(baud->currentIndex(), 2);
    baud->setFocus();
    wheel::Down(baud);
    EXPECT_EQ(baud->currentIndex(), 3);
    h.qvser->hide();
}

// Return and the keypad's Enter each press a focused button once: the identity group's "+1",
// a request button (a second press would withdraw it), and in the modal number editor a digit
// button and OK.
TEST(KorvelInputRules, EnterPressesAFocusedButtonOnce)
{
    DialogHarness h({"/VORKAL"});
    Activate(h.w);
    auto* plus1 = h.C<QPushButton>("Button_GyariSzamPlusz1");
    plus1->setFocus();
    QTest::keyClick(plus1, Qt::Key_Return);
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "123457");
    QTest::keyClick(plus1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "123458");

    auto* read = h.C<SpeedButton>("SpeedButton_ReadCalIn");
    read->SetDown(false);
    read->setFocus();
    QTest::keyClick(read, Qt::Key_Return);
    EXPECT_TRUE(read->IsDown());
    QTest::keyClick(read, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(read->IsDown());

    h.qvain->iScaleLowSettings = 0;
    EXPECT_TRUE(h.whileOpen(
        findcontrol::Find<QPushButton>(h.qvain, "Button_ScaleLowSettings"), h.editor, [&] {
            QApplication::setActiveWindow(h.editor);
            auto* units = findcontrol::Find<QPushButton>(h.editor, "Button_PlusDigit5");
            units->setFocus();
            QTest::keyClick(units, Qt::Key_Return);
            EXPECT_EQ(h.editor->IncDecValue, 1);
            QTest::keyClick(units, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(h.editor->IncDecValue, 2);
            auto* ok = findcontrol::Find<QPushButton>(h.editor, "Button_OK");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
            EXPECT_FALSE(h.editor->isVisible());
        }));
    EXPECT_EQ(h.qvain->iScaleLowSettings, 2);
}
