#pragma once
// Korvel's link session on the simulated meter, without a window. The 30 ms and one-second
// timers are stopped so a test drives the scheduler one tick at a time; every report of the
// session is recorded.
#include "korvel/session/LinkSession.h"
#include "tests/MeterHarness.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

struct SessionHarness : MeterHarness {
    // Every command of the table encodes from requestData and records its reply.
    korvel::LinkSession::Bindings bindings;
    std::unique_ptr<korvel::LinkSession> s;

    // What the session reported.
    std::vector<std::uint8_t> errors;  // every linkError code, in order
    std::vector<std::pair<korvel::Command, std::vector<std::uint8_t>>> completed;
    std::vector<std::pair<korvel::RequestKey, bool>> pendingChanges;
    std::vector<std::uint16_t> lengths;               // replyLength
    std::vector<std::pair<std::size_t, bool>> built;  // requestBuilt
    int timeOuts = 0;
    // Request data by command; a completed reply is read whole (at most this many bytes).
    std::map<korvel::Command, std::function<void(qs::ByteWriter&)>> requestData;
    std::size_t readLimit = 20000;

    SessionHarness() : s(std::make_unique<korvel::LinkSession>(*usb, bindings))
    {
        holdTimers(*s);
        for (const korvel::CommandInfo& row : korvel::CommandTable()) {
            const korvel::Command c = row.code;
            bindings.SetEncoder(c, [this, c](qs::ByteWriter& w) {
                if (requestData.contains(c))
                    requestData.at(c)(w);
            });
            bindings.SetDecoder(c, [this, c](qs::ByteReader& r) {
                std::vector<std::uint8_t> bytes(std::min(r.Size() + 4, readLimit));
                r.GetBytes(bytes);
                completed.emplace_back(c, bytes);
            });
        }
        QObject::connect(s.get(), &korvel::LinkSession::linkError,
                         [this](std::uint8_t c) { errors.push_back(c); });
        QObject::connect(
            s.get(), &korvel::LinkSession::pendingChanged,
            [this](korvel::RequestKey k, bool p) { pendingChanges.emplace_back(k, p); });
        QObject::connect(s.get(), &korvel::LinkSession::replyLength,
                         [this](std::uint16_t n) { lengths.push_back(n); });
        QObject::connect(s.get(), &korvel::LinkSession::requestBuilt,
                         [this](std::size_t n, bool full) { built.emplace_back(n, full); });
        QObject::connect(s.get(), &korvel::LinkSession::timedOut, [this] { ++timeOuts; });
        pump();  // plug and change events
    }

    bool idle() const
    {
        return !s->Busy() && s->Transfer().TransferState == korvel::SegmentedTransfer::Idle;
    }

    // One scheduler tick, then the event loop until the transfer it started has ended.
    void tick()
    {
        step(*s, [this] { return idle(); });
    }

    void press(korvel::RequestKey key) { s->SetPending(key, true); }
    bool pending(korvel::RequestKey key) const { return s->IsPending(key); }
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
