#pragma once
// Ombrik's link session on the simulated meter in MBU mode, without a window. The 30 ms and
// one-second timers are stopped so a test drives the scheduler one tick at a time; every
// report of the session is recorded.
#include "ombrik/session/MbuSession.h"
#include "tests/MeterHarness.h"

#include <map>
#include <memory>
#include <vector>

struct MbuSessionHarness : MeterHarness {
    // The records a test gives its commands (none at start).
    ombrik::MbuSession::Bindings bindings;
    std::unique_ptr<ombrik::MbuSession> s;

    std::vector<std::uint8_t> statuses;  // every linkError, in order
    std::vector<std::pair<ombrik::mbu::Command, std::vector<std::uint8_t>>>
        completed;            // with 8 data bytes
    std::vector<bool> built;  // requestBuilt
    int timeOuts = 0;
    // Called while a reply is applied (a test may end its chain here).
    std::function<void(ombrik::mbu::Command)> onCompleted;

    MbuSessionHarness()
        : MeterHarness(Protocol::Mbu), s(std::make_unique<ombrik::MbuSession>(*usb, bindings))
    {
        holdTimers(*s);
        QObject::connect(s.get(), &ombrik::MbuSession::linkError,
                         [this](std::uint8_t c) { statuses.push_back(c); });
        QObject::connect(s.get(), &ombrik::MbuSession::commandCompleted,
                         [this](ombrik::mbu::Command c, qs::ByteReader r) {
                             std::vector<std::uint8_t> bytes(8);
                             r.GetBytes(bytes);
                             completed.emplace_back(c, bytes);
                             if (onCompleted)
                                 onCompleted(c);
                         });
        QObject::connect(s.get(), &ombrik::MbuSession::requestBuilt,
                         [this](bool full) { built.push_back(full); });
        QObject::connect(s.get(), &ombrik::MbuSession::timedOut, [this] { ++timeOuts; });
        pump();  // plug and change events
    }

    // One scheduler tick, then the event loop until the exchange it started has ended.
    void tick()
    {
        step(*s, [this] { return !s->Busy(); });
    }
    void press(ombrik::mbu::RequestKey key) { s->SetPending(key, true); }
    bool pending(ombrik::mbu::RequestKey key) const { return s->IsPending(key); }
    void clear()
    {
        meter->clearLog();
        statuses.clear();
        completed.clear();
        built.clear();
    }
    // The command of every frame the meter got, in order.
    std::vector<std::uint8_t> sent() const
    {
        std::vector<std::uint8_t> codes;
        for (const auto& f : meter->framesReceived())
            codes.push_back(f[ombrik::mbu::off::Command]);
        return codes;
    }
};
