#pragma once
// Running the event loop from a test: the HID layer's events, the simulated meter's replies
// and the timers all arrive through it. Every wait of the tests goes through WaitFor.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QTimer>

#include <functional>

namespace eventloop {

inline void Pump(int rounds = 3)
{
    for (int i = 0; i < rounds; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Runs the loop until pred holds or timeoutMs passes; answers pred().
inline bool WaitFor(const std::function<bool()>& pred, int timeoutMs = 2000)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    return pred();
}

inline void WaitMs(int ms)
{
    WaitFor([] { return false; }, ms);
}

// The timer runs out now, as it would when its interval has passed: what hangs on its
// timeout runs, whether the timer was running or held.
inline void RunOut(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

}  // namespace eventloop
