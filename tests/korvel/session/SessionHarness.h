#pragma once
// Korvel's link session on the simulated meter, without a window. The 30 ms and one-second
// timers are stopped so a test drives the scheduler one tick at a time; every report of the
// session is recorded.
#include "korvel/session/LinkSession.h"
#include "tests/MeterHarness.h"

#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

struct SessionHarness : MeterHarness {
    std::unique_ptr<LinkSession> s;

    // What the session reported.
    std::vector<std::uint8_t> errors;  // every linkError code, in order
    std::vector<std::pair<Command, std::vector<std::uint8_t>>> completed;
    std::vector<std::pair<RequestKey, bool>> pendingChanges;
    std::vector<std::uint16_t> lengths;  // replyLength
    std::vector<std::pair<std::size_t, bool>> built;  // requestBuilt
    int timeOuts = 0;
    // Request data by command; a completed reply is read whole (at most this many bytes).
    std::map<Command, std::function<void(ByteWriter&)>> requestData;
    std::size_t readLimit = 20000;

    SessionHarness() : s(std::make_unique<LinkSession>(*usb))
    {
        s->Clock().StopTicks();
        s->SecondTimer()->stop();
        s->SetRequestData([this](Command c, ByteWriter& w) {
            if (requestData.contains(c))
                requestData.at(c)(w);
        });
        QObject::connect(s.get(), &LinkSession::linkError, [this](std::uint8_t c) { errors.push_back(c); });
        QObject::connect(s.get(), &LinkSession::commandCompleted, [this](Command c, ByteReader r) {
            std::vector<std::uint8_t> bytes(std::min(r.Size() + 4, readLimit));
            r.GetBytes(bytes);
            completed.emplace_back(c, bytes);
        });
        QObject::connect(s.get(), &LinkSession::pendingChanged,
                         [this](RequestKey k, bool p) { pendingChanges.emplace_back(k, p); });
        QObject::connect(s.get(), &LinkSession::replyLength, [this](std::uint16_t n) { lengths.push_back(n); });
        QObject::connect(s.get(), &LinkSession::requestBuilt,
                         [this](std::size_t n, bool full) { built.emplace_back(n, full); });
        QObject::connect(s.get(), &LinkSession::timedOut, [this] { ++timeOuts; });
        pump();  // plug and change events
    }

    bool idle() const { return !s->Busy() && s->Transfer().TransferState == SegmentedTransfer::Idle; }

    // One scheduler tick, then the event loop until the transfer it started has ended.
    void tick()
    {
        s->Tick();
        waitFor([this] { return idle(); }, 1000);
    }

    void press(RequestKey key) { s->SetPending(key, true); }
    bool pending(RequestKey key) const { return s->IsPending(key); }
    void clear()
    {
        meter->clearLog();
        errors.clear();
        completed.clear();
        pendingChanges.clear();
        lengths.clear();
        built.clear();
    }
};
