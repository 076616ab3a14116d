#include "common/ui/AppRefresh.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace qs;

namespace {

class PaintCounter : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// Counts the key presses it gets and leaves them unhandled, so they travel on to the parent.
class KeyCounter : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ++presses;
        event->ignore();
    }
};

void Press(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(to, &event);
}

struct AltWindow {
    KeyCounter window;
    KeyCounter* panel = new KeyCounter(&window);
    KeyCounter* control = new KeyCounter(panel);
    int refreshes = 0;
    AltWindow()
    {
        new AltKeyFilter(&window, [this] { ++refreshes; });
    }
};

}  // namespace

TEST(AltKeyFilter, AltWithAnyKeyCallsTheHandlerOncePerPress)
{
    AltWindow w;
    Press(w.control, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(w.refreshes, 1);
    // The press was not consumed: the control saw it, and it travelled up to the window.
    EXPECT_EQ(w.control->presses, 1);
    EXPECT_EQ(w.panel->presses, 1);
    EXPECT_EQ(w.window.presses, 1);

    Press(w.control, Qt::Key_F5, Qt::AltModifier);
    Press(&w.window, Qt::Key_1, Qt::AltModifier | Qt::KeypadModifier);
    Press(&w.window, Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(w.refreshes, 4);
}

TEST(AltKeyFilter, OtherShiftStatesPassOn)
{
    AltWindow w;
    Press(w.control, Qt::Key_A, Qt::AltModifier | Qt::ShiftModifier);
    Press(w.control, Qt::Key_A, Qt::AltModifier | Qt::ControlModifier);
    Press(w.control, Qt::Key_A, Qt::AltModifier | Qt::MetaModifier);
    Press(w.control, Qt::Key_A, Qt::NoModifier);
    Press(w.control, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.refreshes, 0);
    EXPECT_EQ(w.control->presses, 5);

    EXPECT_TRUE(IsExactlyAlt(Qt::AltModifier, Qt::NoButton));
    EXPECT_FALSE(IsExactlyAlt(Qt::AltModifier, Qt::LeftButton));
    EXPECT_FALSE(IsExactlyAlt(Qt::AltModifier, Qt::RightButton));
    EXPECT_FALSE(IsExactlyAlt(Qt::NoModifier, Qt::NoButton));
}

TEST(AltKeyFilter, KeysOfOtherWindowsAreNotSeen)
{
    AltWindow w;
    KeyCounter other;
    auto* otherControl = new KeyCounter(&other);
    Press(otherControl, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(w.refreshes, 0);
    EXPECT_EQ(otherControl->presses, 1);
}

TEST(AltKeyFilter, GoesAwayWithItsWindow)
{
    int refreshes = 0;
    {
        QWidget window;
        new AltKeyFilter(&window, [&] { ++refreshes; });
    }
    KeyCounter other;
    Press(&other, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(refreshes, 0);
}

TEST(RefreshAllWindows, RepaintsEveryVisibleWindowWithItsControls)
{
    PaintCounter first, second, hidden;
    auto* control = new PaintCounter(&first);
    control->setGeometry(0, 0, 20, 20);
    first.resize(100, 100);
    second.resize(100, 100);
    first.show();
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    QApplication::processEvents();
    const int before[] = {first.paints, second.paints, control->paints, hidden.paints};

    RefreshAllWindows();
    EXPECT_GT(first.paints, before[0]);
    EXPECT_GT(second.paints, before[1]);
    EXPECT_GT(control->paints, before[2]);
    EXPECT_EQ(hidden.paints, before[3]);

    // One window alone.
    const int secondBefore = second.paints;
    const int firstBefore = first.paints;
    RefreshWindow(&second);
    EXPECT_GT(second.paints, secondBefore);
    EXPECT_EQ(first.paints, firstBefore);
    RefreshWindow(nullptr);
}

TEST(ExitWithoutCloseHandling, SetsTheFlagAndEndsEveryEventLoop)
{
    bool skipCloseHandling = false;
    bool innerEnded = false;
    QTimer::singleShot(0, [&] {
        // As from inside a modal dialog: a nested loop ends too.
        QEventLoop modal;
        QTimer::singleShot(0, [&] { ExitWithoutCloseHandling(skipCloseHandling); });
        modal.exec();
        innerEnded = true;
    });
    const int code = QApplication::exec();
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(innerEnded);
    EXPECT_TRUE(skipCloseHandling);
}
