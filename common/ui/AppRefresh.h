#pragma once
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace qs {

// "Kép frissítés": repaints every visible top-level window at once, as minimising the
// application and restoring it does.
void RefreshAllWindows();

// Repaints one window only (the device-replacement notice refreshes just itself).
void RefreshWindow(QWidget* window);

// Whether the shift state is exactly Alt: no Shift, Ctrl or Meta, and no mouse button held
// (keypad and group-switch flags do not count).
bool IsExactlyAlt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// Key preview for one window: an application event filter that sees every key press meant for
// a control of `window` before the control does. A key pressed while the shift state is
// exactly Alt calls `handler` once per key press (a press that propagates up the parents is
// still one press); the key is not consumed, and every other key passes on untouched.
// The filter belongs to the window and goes away with it.
class AltKeyFilter : public QObject {
    Q_OBJECT
public:
    AltKeyFilter(QWidget* window, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void()> handler_;
    // The press last seen and where it was last delivered, to tell its propagation to the
    // parents from a new press.
    const QEvent* lastEvent_ = nullptr;
    QPointer<QObject> lastReceiver_;
};

// Leaves the program without the main window's close handling: sets the flag its close
// handler checks (so nothing is written) and ends every event loop with exit code 0.
void ExitWithoutCloseHandling(bool& skipCloseHandling);

}  // namespace qs
