// The keyboard and wheel on Ombrik's window as it is built: the wheel over the settings page's
// brightness and baud rate, Enter on its buttons.
#include "tests/WheelEvent.h"
#include "OmbrikHarness.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace qs;

namespace {

// The window smaller than its design, so that its content scrolls, and active.
void ShowSmall(OmbrikHarness& h)
{
    h.w->resize(700, 400);
    h.w->show();
    QApplication::setActiveWindow(h.w.get());
    h.pump();
}

}  // namespace

TEST(OmbrikInputRules, TheWheelScrollsPastAnUnfocusedTrackBarOrListAndChangesAFocusedOne)
{
    OmbrikHarness h;
    ShowSmall(h);
    QScrollBar* page = h.find<QScrollArea>("ScrollBox_Form")->verticalScrollBar();
    ASSERT_GT(page->maximum(), 0);
    auto* brightness = h.find<QSlider>("TrackBar_DisplayBrightness");
    auto* baud = h.find<QComboBox>("ComboBox_MODBUSBaudRate");
    const std::pair<QWidget*, std::function<int()>> controls[] = {
        {brightness, [&] { return brightness->value(); }},
        {baud, [&] { return baud->currentIndex(); }},
    };
    for (const auto& [control, value] : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        page->setValue(0);
        h.edit("Edit_DisplayTagname")->setFocus();
        const int before = value();
        wheel::Down(control);
        EXPECT_EQ(value(), before);
        EXPECT_GT(page->value(), 0);

        const int scrolled = page->value();
        control->setFocus();
        wheel::Down(control);
        EXPECT_NE(value(), before);
        EXPECT_EQ(page->value(), scrolled);
    }
}

// Return and the keypad's Enter each press a focused request button (a second press would
// withdraw it) and a focused step button once.
TEST(OmbrikInputRules, EnterPressesAFocusedButtonOnce)
{
    OmbrikHarness h;
    ShowSmall(h);
    SpeedButton* read = h.button("SpeedButton_ReadSettings");
    read->setFocus();
    QTest::keyClick(read, Qt::Key_Return);
    EXPECT_TRUE(read->IsDown());
    h.tick();
    EXPECT_EQ(h.sent(), (std::vector<std::uint8_t>{107}));
    QTest::keyClick(read, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(read->IsDown()) << "pressed again: withdrawn";

    h.enter("Quorin beállítások");
    h.button("SpeedButton_PWMForce")->click();
    auto* plus = h.find<QPushButton>("Button_PWMP");
    plus->setFocus();
    h.output().PWMValue = 100;
    QTest::keyClick(plus, Qt::Key_Return);
    EXPECT_EQ(h.output().PWMValue, 101);
    QTest::keyClick(plus, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(h.output().PWMValue, 102);
    EXPECT_EQ(h.label("Label_PWM")->text().toStdString(), "102");
}
