#pragma once
// What every harness of the session and window tests starts from: the simulated meter behind
// the HID layer (which owns it), the event loop through which its replies arrive, and the
// stepping of a link one scheduler tick at a time.
#include "EventLoop.h"
#include "tests/sim/SimulatedMeter.h"
#include "common/hid/UsbHid.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

struct MeterHarness {
    enum class Protocol { Mbu3, Mbu };

    SimulatedMeter* meter;
    std::unique_ptr<qs::hid::UsbHid> usb;

    explicit MeterHarness(Protocol protocol = Protocol::Mbu3)
        : meter(new SimulatedMeter),
          usb(std::make_unique<qs::hid::UsbHid>(std::unique_ptr<qs::hid::Backend>(meter)))
    {
        if (protocol == Protocol::Mbu)
            meter->useMbuProtocol();
    }
    // A harness destroys what it built on the HID layer (its session or window) before the
    // layer goes: members of the derived harness go first.
    ~MeterHarness() { usb.reset(); }

    static void pump(int rounds = 3) { eventloop::Pump(rounds); }
    static bool waitFor(const std::function<bool()>& pred, int timeoutMs = 2000)
    {
        return eventloop::WaitFor(pred, timeoutMs);
    }
    static void waitMs(int ms) { eventloop::WaitMs(ms); }

    // Stops the timers that act on their own, so that the test steps them: the link's 30 ms
    // tick and its one-second timer and, given the window, the window's receive lamp timer
    // (the lamp then stays as it is until the next reply or eventloop::RunOut).
    template <class Session>
    static void holdTimers(Session& session, QObject* window = nullptr)
    {
        session.Clock().StopTicks();
        session.SecondTimer()->stop();
        if (window)
            lampTimerOf(window)->stop();
    }
    // A window's receive lamp timer: the lamp goes dark when it runs out.
    static QTimer* lampTimerOf(QObject* window)
    {
        return window->findChild<QTimer*>("Timer_RxLED");
    }

    // A reply counted 250, a silent second, then a reply counted 4 (`tick` sends one request):
    // the session's last second saw ten frames go by, across the counter's wrap.
    template <class Session>
    void countTenFramesAcrossTheWrap(Session& session, const std::function<void()>& tick)
    {
        meter->setFrameCounter(250);
        tick();
        session.SecondTick();
        session.SecondTick();
        meter->setFrameCounter(4);
        tick();
        session.SecondTick();
    }

    // One scheduler tick of the link, then the event loop until `idle` holds again: the
    // exchange that the tick started has ended (or a second has passed).
    template <class Session>
    static void step(Session& session, const std::function<bool()>& idle)
    {
        session.Tick();
        waitFor(idle, 1000);
    }
};
