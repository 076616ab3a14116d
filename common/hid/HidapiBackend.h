#pragma once
#include "HidBackend.h"

#include <cstddef>
#include <memory>
#include <string>

namespace qs {

namespace hid {

// The real backend on hidapi: finds the meter by polling the device list and moves its
// reports on threads of its own, so the GUI thread never waits on hidapi.
//
// Threads. Construct, start, write and destroy on the GUI thread; every Sink call is made
// there too, from the event loop. Every hid_device has exactly one owner thread, which
// makes every call on it (hidapi keeps one unlocked error string per device, so two threads
// must never call on the same one):
//  - a finder thread lists the devices every 200 ms and opens new paths. It opens each path
//    twice: a read handle and a write handle. A path it cannot open is named once on stderr
//    with the access hint and tried again at most every 2 s; a replug (a new path) at once.
//  - per device, a reader thread owns the read handle: it reads, queues each report for the
//    GUI thread, and closes the handle when it stops.
//  - per device, a writer thread owns the write handle: it waits on the device's queue of
//    output reports, writes them in order, and closes the handle when it stops.
// write() only queues the report and returns. Events reach the Sink in the order they
// happened: a device's arrival, then its reports, then its departure (exactly once).
//
// hidapi's library-wide calls (init, exit, listing, opening) run one at a time; hid_init
// runs before the first of them and hid_exit after the last handle is closed.
class HidapiBackend final : public Backend {
public:
    HidapiBackend(std::uint16_t vendorId, std::uint16_t productId);
    // Stops every thread, waiting at most one read time-out (50 ms) for them to close their
    // handles. A writer stuck in the device is not waited for: it closes its handle on its
    // own once the write returns, and the last thread out ends hidapi.
    ~HidapiBackend() override;

    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    void start(Sink& sink) override;
    // Queues the report for the device's writer; false when the device is not attached (or
    // its departure is on its way to the Sink) or 64 reports are already waiting.
    bool write(Handle handle, const Report& report) override;
    // Every Sink call comes from the notifier of its event queue.
    bool callsSinkFromEventLoop() const override;

    // Devices the backend still holds: attached ones, and departed ones whose departure has
    // not reached the Sink yet.
    std::size_t devicesHeld() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

namespace detail {
// hidapi gives device names as wide strings; the layer hands out UTF-8. nullptr gives "".
std::string wideToUtf8(const wchar_t* text);
// The udev rule that grants a logged-in user access to the meter, by its file name (it
// ships in the source tree's packaging folder), and the README section that installs it.
inline constexpr const char* kUdevRuleFile = "70-quorin-meter.rules";
inline constexpr const char* kUdevReadmeSection = "USB access";
// The one line printed when a listed meter cannot be opened: names the path, the reason
// (may be empty), the rule and its README section, and the commands that install it.
std::string openFailureMessage(const std::string& path, const std::string& reason);
}  // namespace detail

}  // namespace hid

}  // namespace qs
