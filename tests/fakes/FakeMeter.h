#pragma once
#include "FakeHidapi.h"
#include "tests/sim/MeterCore.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

// A panel meter behind the fake hidapi: a fake device whose every written report goes to a
// MeterCore, and whose reply frames come back as input reports at once. The core runs on
// whichever thread writes to the device; tests reach it through withCore(), under the same
// lock.
class FakeMeter {
public:
    explicit FakeMeter(fakehid::DeviceInfo info = {});
    ~FakeMeter();
    FakeMeter(const FakeMeter&) = delete;
    FakeMeter& operator=(const FakeMeter&) = delete;

    // Puts the meter in the device list, a fresh fake device each time. Handlers, faults and
    // the frame counter stay; a transfer in progress is forgotten.
    void plug();
    void unplug();
    const fakehid::DevicePtr& device() const { return device_; }
    // How long the meter takes before it answers a report (on the writing thread); none at
    // first.
    void setLatency(std::chrono::microseconds latency) { link_->latency = latency; }

    template <class F>
    decltype(auto) withCore(F&& f)
    {
        std::lock_guard lock(link_->mutex);
        return std::forward<F>(f)(static_cast<MeterCore&>(link_->core));
    }

private:
    class Core final : public MeterCore {
    public:
        fakehid::DevicePtr device;

    private:
        void sendFrame(const korvel::mbu3::Frame& reply) override;
    };
    // Shared with the device's responder, so a writer still inside it keeps it alive.
    struct Link {
        std::atomic<std::chrono::microseconds> latency{std::chrono::microseconds(0)};
        std::mutex mutex;
        Core core;
        void take(const fakehid::Report& report);
    };

    const fakehid::DeviceInfo info_;
    std::shared_ptr<Link> link_ = std::make_shared<Link>();
    fakehid::DevicePtr device_;
};
