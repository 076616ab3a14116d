#pragma once
// The real hidapi backend on the fake hidapi: one fixture for every test of it. The test's
// own thread is the GUI thread; the fake counts any hidapi call made on it as a fault.
#include "tests/fakes/FakeHidapi.h"
#include "common/hid/HidapiBackend.h"
#include "tests/EventLoop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Records what the backend hands to the GUI thread and checks its order on the way: per
// handle an arrival first, then reports, then at most one departure, and nothing after it.
struct RecordingSink final : qs::hid::Backend::Sink {
    struct Entry {
        enum Kind { Arrived, Input, Left } kind;
        qs::hid::Handle handle;
        qs::hid::Report report{};
    };
    std::vector<Entry> entries;
    std::vector<std::string> orderFaults;

    void deviceArrived(qs::hid::Handle handle, const qs::hid::DeviceIdentity& identity) override
    {
        if (state(handle) != None)
            orderFaults.push_back("second arrival of " + std::to_string(handle));
        if (identity.vendorId != 0x04D8 || identity.productName != "Quorin panel meter")
            orderFaults.push_back("wrong identity of " + std::to_string(handle));
        entries.push_back({Entry::Arrived, handle});
    }
    void deviceLeft(qs::hid::Handle handle) override
    {
        if (state(handle) != Attached)
            orderFaults.push_back("departure of " + std::to_string(handle) + " not attached");
        entries.push_back({Entry::Left, handle});
    }
    void reportArrived(qs::hid::Handle handle, const qs::hid::Report& report) override
    {
        if (state(handle) != Attached)
            orderFaults.push_back("report of " + std::to_string(handle) + " not attached");
        entries.push_back({Entry::Input, handle, report});
    }

    int count(Entry::Kind kind, qs::hid::Handle handle = 0) const
    {
        int n = 0;
        for (const Entry& e : entries)
            n += e.kind == kind && (handle == 0 || e.handle == handle);
        return n;
    }
    std::vector<qs::hid::Report> reports(qs::hid::Handle handle) const
    {
        std::vector<qs::hid::Report> out;
        for (const Entry& e : entries)
            if (e.kind == Entry::Input && e.handle == handle)
                out.push_back(e.report);
        return out;
    }
    qs::hid::Handle lastArrived() const
    {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if (it->kind == Entry::Arrived)
                return it->handle;
        return 0;
    }

private:
    enum State { None, Attached, Gone };
    State state(qs::hid::Handle handle) const
    {
        State s = None;
        for (const Entry& e : entries)
            if (e.handle == handle)
                s = e.kind == Entry::Left ? Gone : Attached;
        return s;
    }
};

class HidapiFake : public ::testing::Test {
protected:
    static constexpr std::uint16_t kVendor = 0x04D8;
    static constexpr std::uint16_t kProduct = 0x003F;

    void SetUp() override
    {
        fakehid::reset();
        fakehid::forbidThread(std::this_thread::get_id());
    }

    void TearDown() override
    {
        const bool started = backend != nullptr;
        backend.reset();
        // Every handle closed and hidapi left as found, even after a write stuck in a device.
        EXPECT_TRUE(fakehid::waitUntilIdle(std::chrono::seconds(3)));
        if (started) {
            EXPECT_EQ(fakehid::counts().initCalls, 1);
            EXPECT_EQ(fakehid::counts().exitCalls, 1);
        }
        EXPECT_THAT(fakehid::faults(), ::testing::IsEmpty());
        EXPECT_THAT(sink.orderFaults, ::testing::IsEmpty());
        fakehid::reset();
    }

    void startBackend()
    {
        backend = std::make_unique<qs::hid::HidapiBackend>(kVendor, kProduct);
        backend->start(sink);
    }

    // Runs the event loop until pred holds or timeoutMs passes; answers pred().
    static bool waitFor(const std::function<bool()>& pred, int timeoutMs = 3000)
    {
        return eventloop::WaitFor(pred, timeoutMs);
    }

    static void runFor(int ms) { eventloop::WaitMs(ms); }

    // Waits for a device to arrive under a handle newer than `after`; answers its handle
    // (0 when none came).
    qs::hid::Handle waitForArrival(qs::hid::Handle after = 0)
    {
        if (!waitFor([&] { return sink.lastArrived() > after; }))
            return 0;
        return sink.lastArrived();
    }

    RecordingSink sink;
    std::unique_ptr<qs::hid::HidapiBackend> backend;
};

// A report whose every byte depends on its number, so a torn or mixed-up report shows.
inline qs::hid::Report NumberedReport(int n)
{
    qs::hid::Report r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(n * 31 + i * 7 + (n >> 8));
    r[0] = static_cast<std::uint8_t>(n);
    r[1] = static_cast<std::uint8_t>(n >> 8);
    return r;
}
