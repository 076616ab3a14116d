#pragma once
// What every harness of the session and window tests starts from: the simulated meter behind
// the HID layer (which owns it), and the event loop through which its replies arrive.
#include "EventLoop.h"
#include "tests/sim/SimulatedMeter.h"
#include "common/hid/UsbHid.h"

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
};
