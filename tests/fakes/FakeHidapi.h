#pragma once
// A stand-in for the hidapi library (hidraw flavour) with scripted devices, linked into test
// programs in place of libhidapi-hidraw. It implements the C functions the HID backend calls
// (hid_init, hid_exit, hid_enumerate, hid_free_enumeration, hid_open_path, hid_close,
// hid_read_timeout, hid_write, hid_error) against the system's <hidapi/hidapi.h>, and this
// C++ control API for the tests.
//
// Devices behave as hidraw ones do: every open of a device gets its own copy of the input
// reports and keeps at most 64 unread (later ones are dropped for that open); an unplugged
// device leaves the device list, its reads fail and its writes fail.
//
// The fake also watches how it is used and records every misuse as a line in faults():
// calls on one hid_device that overlap or come from a second thread, calls on a closed
// handle, any call before hid_init or after hid_exit, hid_exit with handles still open,
// and any call from the thread set with forbidThread() (the GUI thread).
//
// Everything here is thread-safe. Responders and hooks run without the fake's lock held.
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace fakehid {

using Report = std::array<std::uint8_t, 64>;  // data bytes, no report id

struct DeviceInfo {
    std::string path = "/dev/hidraw-fake0";
    std::uint16_t vendorId = 0x04D8;
    std::uint16_t productId = 0x003F;
    std::wstring manufacturer = L"Quorin Kft.";
    std::wstring product = L"Quorin panel meter";
};

// One scripted device, from plug() until it is unplugged. A replug is a new Device.
class Device {
public:
    explicit Device(DeviceInfo info);
    const DeviceInfo& info() const { return info_; }

    // An input report for every open handle of the device.
    void inject(const Report& report);
    // Called with each written report, on the writing thread, once hid_write has taken it.
    void setResponder(std::function<void(const Report&)> responder);
    // The next n writes are held this long inside hid_write before they are taken.
    void stallWrites(std::chrono::milliseconds hold, int n = 1);
    // While set, hid_open_path on this device fails with "Permission denied".
    void setOpenFails(bool fail);
    // While set, hid_open_path fails the same way whenever the device already has a handle
    // open: a first open (the backend's read handle) succeeds, a second (its write handle)
    // is refused.
    void refuseSecondOpen(bool refuse);
    // The next n reads on the device fail with this errno (EINTR: a read interrupted by a
    // signal; EAGAIN: nothing to read after all).
    void interruptReads(int n, int error);
    // The next n writes on the device fail with this errno before the report is taken
    // (EINTR: a write interrupted by a signal; EIO: the device refused it).
    void interruptWrites(int n, int error);
    // Every read of the handles open now fails with EIO, while the device stays listed: a
    // device that stopped answering. Handles opened later read normally.
    void breakOpenReads();

    std::vector<Report> written() const;
    int writesHeld() const;    // hid_write calls being held right now
    int readsWaiting() const;  // hid_read_timeout calls waiting right now
    int openHandles() const;
    int openAttempts() const;  // hid_open_path calls on its path, failed ones included
    // For each of those calls, the number of device listings (hid_enumerate calls) made so
    // far: the number of the listing that led to the attempt.
    std::vector<int> openAttemptListings() const;

    // The fake's bookkeeping of the device, guarded by its lock.
    struct Fields {
        bool listed = true;
        bool openFails = false;
        bool refuseSecondOpen = false;
        int interrupts = 0;
        int interruptError = 0;
        int writeInterrupts = 0;
        int writeInterruptError = 0;
        int stalls = 0;
        std::chrono::milliseconds hold{0};
        int held = 0;
        int waiting = 0;
        int open = 0;
        int attempts = 0;
        std::vector<int> attemptListings;
        std::vector<Report> written;
        std::function<void(const Report&)> responder;
    };

private:
    friend struct Access;
    const DeviceInfo info_;
    Fields f_;
};

using DevicePtr = std::shared_ptr<Device>;

// A device appears in the device list.
DevicePtr plug(DeviceInfo info = {});
// The device leaves the list; its open handles' reads and writes fail from now on.
void unplug(const DevicePtr& device);

struct Counts {
    int initCalls = 0;
    int exitCalls = 0;
    int openHandles = 0;  // over all devices
    int listings = 0;     // hid_enumerate calls
};
Counts counts();
std::vector<std::string> faults();

// Unplugs every device and forgets counts, faults, hooks and the forbidden thread.
void reset();
// Every hidapi call made on this thread is a fault.
void forbidThread(std::thread::id id);
// Waits until no handle is open and every hid_init has had its hid_exit.
bool waitUntilIdle(std::chrono::milliseconds timeout);

// Timing hooks: right before hid_read_timeout returns a report, and as hid_write is entered.
void setHooks(std::function<void()> reportRead, std::function<void(const Report&)> writeEntered);

}  // namespace fakehid
