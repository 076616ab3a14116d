#include "FakeHidapi.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <deque>
#include <mutex>

// One hid_open_path result. Closed handles are kept (marked closed) until reset(), so a call
// on a closed handle is recorded as a fault instead of touching freed memory.
struct hid_device_ {
    fakehid::DevicePtr device;
    std::deque<fakehid::Report> unread;
    bool closed = false;
    bool broken = false;  // reads fail with EIO
    std::atomic<int> busy{0};
    std::thread::id owner;  // the thread of the first call after opening
    std::wstring error;
};

namespace fakehid {

namespace {

// hidraw keeps this many unread input reports per open.
constexpr std::size_t kUnreadPerOpen = 64;

struct State {
    std::mutex m;
    std::condition_variable changed;
    std::vector<DevicePtr> devices;  // plugged, newest last
    std::vector<std::unique_ptr<hid_device_>> handles;
    Counts counts;
    int initDepth = 0;
    std::vector<std::string> faults;
    std::thread::id forbidden;
    std::wstring globalError;
    std::function<void()> reportRead;
    std::function<void(const Report&)> writeEntered;
};

State& state()
{
    // Never destroyed: threads that outlive main may still call in while the process ends.
    static State* s = new State;
    return *s;
}

// Checks made on entry to every hidapi function; the caller holds the lock.
void checkCall(State& s, const char* function)
{
    if (s.initDepth == 0 && std::strcmp(function, "hid_init") != 0)
        s.faults.push_back(std::string(function) + " called outside hid_init .. hid_exit");
    if (s.forbidden != std::thread::id{} && std::this_thread::get_id() == s.forbidden)
        s.faults.push_back(std::string(function) + " called on the forbidden thread");
}

// Marks a call on dev as running; the destructor ends it. Records overlapping calls, calls
// from a second thread and calls on a closed handle.
class DeviceCall {
public:
    DeviceCall(State& s, hid_device* dev, const char* function) : dev_(dev)
    {
        checkCall(s, function);
        const std::string where =
            std::string(function) + " on " + (dev->device ? dev->device->info().path : "?");
        if (dev->closed)
            s.faults.push_back(where + ": handle already closed");
        if (dev->busy.fetch_add(1) != 0)
            s.faults.push_back(where + ": overlaps another call on the same handle");
        const std::thread::id self = std::this_thread::get_id();
        if (dev->owner == std::thread::id{})
            dev->owner = self;
        else if (dev->owner != self)
            s.faults.push_back(where + ": from a second thread");
    }
    ~DeviceCall() { dev_->busy.fetch_sub(1); }
    DeviceCall(const DeviceCall&) = delete;
    DeviceCall& operator=(const DeviceCall&) = delete;

private:
    hid_device* dev_;
};

wchar_t* copyWide(const std::wstring& text)
{
    auto* out = static_cast<wchar_t*>(std::calloc(text.size() + 1, sizeof(wchar_t)));
    std::wmemcpy(out, text.c_str(), text.size());
    return out;
}

}  // namespace

struct Access {
    static Device::Fields& of(Device& d) { return d.f_; }
    static Device::Fields& of(const DevicePtr& d) { return d->f_; }
};

Device::Device(DeviceInfo info) : info_(std::move(info)) {}

void Device::inject(const Report& report)
{
    State& s = state();
    std::lock_guard lock(s.m);
    for (auto& h : s.handles)
        if (!h->closed && h->device.get() == this && h->unread.size() < kUnreadPerOpen)
            h->unread.push_back(report);
    s.changed.notify_all();
}

void Device::setResponder(std::function<void(const Report&)> responder)
{
    std::lock_guard lock(state().m);
    f_.responder = std::move(responder);
}

void Device::stallWrites(std::chrono::milliseconds hold, int n)
{
    std::lock_guard lock(state().m);
    f_.hold = hold;
    f_.stalls = n;
}

void Device::setOpenFails(bool fail)
{
    std::lock_guard lock(state().m);
    f_.openFails = fail;
}

void Device::refuseSecondOpen(bool refuse)
{
    std::lock_guard lock(state().m);
    f_.refuseSecondOpen = refuse;
}

void Device::interruptReads(int n, int error)
{
    std::lock_guard lock(state().m);
    f_.interrupts += n;
    f_.interruptError = error;
}

void Device::interruptWrites(int n, int error)
{
    std::lock_guard lock(state().m);
    f_.writeInterrupts += n;
    f_.writeInterruptError = error;
}

void Device::breakOpenReads()
{
    State& s = state();
    std::lock_guard lock(s.m);
    for (auto& h : s.handles)
        if (!h->closed && h->device.get() == this)
            h->broken = true;
    s.changed.notify_all();
}

std::vector<Report> Device::written() const
{
    std::lock_guard lock(state().m);
    return f_.written;
}

int Device::writesHeld() const
{
    std::lock_guard lock(state().m);
    return f_.held;
}

int Device::readsWaiting() const
{
    std::lock_guard lock(state().m);
    return f_.waiting;
}

int Device::openHandles() const
{
    std::lock_guard lock(state().m);
    return f_.open;
}

int Device::openAttempts() const
{
    std::lock_guard lock(state().m);
    return f_.attempts;
}

std::vector<int> Device::openAttemptListings() const
{
    std::lock_guard lock(state().m);
    return f_.attemptListings;
}

DevicePtr plug(DeviceInfo info)
{
    auto device = std::make_shared<Device>(std::move(info));
    State& s = state();
    std::lock_guard lock(s.m);
    s.devices.push_back(device);
    return device;
}

void unplug(const DevicePtr& device)
{
    State& s = state();
    std::lock_guard lock(s.m);
    Access::of(device).listed = false;
    std::erase(s.devices, device);
    s.changed.notify_all();
}

Counts counts()
{
    std::lock_guard lock(state().m);
    return state().counts;
}

std::vector<std::string> faults()
{
    std::lock_guard lock(state().m);
    return state().faults;
}

void reset()
{
    State& s = state();
    std::lock_guard lock(s.m);
    for (const DevicePtr& d : s.devices)
        Access::of(d).listed = false;
    s.devices.clear();
    // Handles still open belong to threads that outlived their test; they stay valid.
    std::erase_if(s.handles, [](const auto& h) { return h->closed && h->busy == 0; });
    s.counts = {};
    s.counts.openHandles = static_cast<int>(s.handles.size());
    s.initDepth = 0;
    s.faults.clear();
    s.forbidden = {};
    s.reportRead = {};
    s.writeEntered = {};
    s.changed.notify_all();
}

void forbidThread(std::thread::id id)
{
    std::lock_guard lock(state().m);
    state().forbidden = id;
}

bool waitUntilIdle(std::chrono::milliseconds timeout)
{
    State& s = state();
    std::unique_lock lock(s.m);
    return s.changed.wait_for(lock, timeout,
                              [&] { return s.counts.openHandles == 0 && s.initDepth == 0; });
}

void setHooks(std::function<void()> reportRead, std::function<void(const Report&)> writeEntered)
{
    std::lock_guard lock(state().m);
    state().reportRead = std::move(reportRead);
    state().writeEntered = std::move(writeEntered);
}

}  // namespace fakehid

using fakehid::Access;
using fakehid::Report;
using fakehid::state;

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    auto& s = state();
    std::lock_guard lock(s.m);
    fakehid::checkCall(s, "hid_init");
    ++s.counts.initCalls;
    if (++s.initDepth > 1)
        s.faults.push_back("hid_init called again before hid_exit");
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    auto& s = state();
    std::lock_guard lock(s.m);
    fakehid::checkCall(s, "hid_exit");
    ++s.counts.exitCalls;
    if (s.counts.openHandles != 0)
        s.faults.push_back("hid_exit called with handles open");
    s.initDepth = std::max(0, s.initDepth - 1);
    s.changed.notify_all();
    return 0;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id)
{
    auto& s = state();
    std::lock_guard lock(s.m);
    fakehid::checkCall(s, "hid_enumerate");
    ++s.counts.listings;
    hid_device_info* first = nullptr;
    hid_device_info** tail = &first;
    for (const auto& d : s.devices) {
        const fakehid::DeviceInfo& info = d->info();
        if ((vendor_id != 0 && vendor_id != info.vendorId) ||
            (product_id != 0 && product_id != info.productId))
            continue;
        auto* node = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
        node->path = strdup(info.path.c_str());
        node->vendor_id = info.vendorId;
        node->product_id = info.productId;
        node->serial_number = fakehid::copyWide(L"");
        node->manufacturer_string = fakehid::copyWide(info.manufacturer);
        node->product_string = fakehid::copyWide(info.product);
        node->bus_type = HID_API_BUS_USB;
        *tail = node;
        tail = &node->next;
    }
    return first;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs)
{
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

hid_device HID_API_EXPORT* HID_API_CALL hid_open_path(const char* path)
{
    auto& s = state();
    std::lock_guard lock(s.m);
    fakehid::checkCall(s, "hid_open_path");
    auto it = std::find_if(s.devices.begin(), s.devices.end(), [&](const fakehid::DevicePtr& d) {
        return path && d->info().path == path;
    });
    if (it == s.devices.end()) {
        s.globalError = L"No such device";
        return nullptr;
    }
    fakehid::Device::Fields& device = Access::of(*it);
    ++device.attempts;
    device.attemptListings.push_back(s.counts.listings);
    if (device.openFails || (device.refuseSecondOpen && device.open > 0)) {
        s.globalError = L"Permission denied";
        return nullptr;
    }
    s.globalError.clear();
    auto handle = std::make_unique<hid_device_>();
    handle->device = *it;
    hid_device* dev = handle.get();
    s.handles.push_back(std::move(handle));
    ++device.open;
    ++s.counts.openHandles;
    return dev;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev)
{
    if (!dev)
        return;
    auto& s = state();
    std::lock_guard lock(s.m);
    fakehid::DeviceCall call(s, dev, "hid_close");
    if (dev->closed)
        return;
    dev->closed = true;
    dev->unread.clear();
    --Access::of(dev->device).open;
    --s.counts.openHandles;
    s.changed.notify_all();
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char* data,
                                                 size_t length, int milliseconds)
{
    auto& s = state();
    std::unique_lock lock(s.m);
    fakehid::DeviceCall call(s, dev, "hid_read_timeout");
    fakehid::Device::Fields& device = Access::of(dev->device);
    if (device.interrupts > 0) {
        --device.interrupts;
        errno = device.interruptError;
        return -1;
    }
    auto ready = [&] {
        return dev->closed || dev->broken || !device.listed || !dev->unread.empty();
    };
    ++device.waiting;
    if (milliseconds < 0)
        s.changed.wait(lock, ready);
    else
        s.changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);
    --device.waiting;
    if (dev->closed || dev->broken || !device.listed) {
        errno = dev->broken ? EIO : ENODEV;
        dev->error = L"device gone";
        return -1;
    }
    if (dev->unread.empty())
        return 0;
    const Report report = dev->unread.front();
    dev->unread.pop_front();
    const std::size_t n = std::min(length, report.size());
    std::memcpy(data, report.data(), n);
    std::function<void()> hook = s.reportRead;
    lock.unlock();
    if (hook)
        hook();
    return static_cast<int>(n);
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    auto& s = state();
    std::unique_lock lock(s.m);
    fakehid::DeviceCall call(s, dev, "hid_write");
    fakehid::Device::Fields& device = Access::of(dev->device);
    if (device.writeInterrupts > 0) {
        --device.writeInterrupts;
        errno = device.writeInterruptError;
        return -1;
    }
    Report report{};
    if (length > 1)
        std::memcpy(report.data(), data + 1, std::min(length - 1, report.size()));
    if (auto hook = s.writeEntered) {
        lock.unlock();
        hook(report);
        lock.lock();
    }
    if (device.stalls > 0) {
        --device.stalls;
        const auto hold = device.hold;
        ++device.held;
        lock.unlock();
        // A stalled device holds the write in the kernel; nothing wakes it early.
        std::this_thread::sleep_for(hold);
        lock.lock();
        --device.held;
    }
    if (dev->closed || !device.listed) {
        errno = ENODEV;
        dev->error = L"device gone";
        return -1;
    }
    device.written.push_back(report);
    std::function<void(const Report&)> responder = device.responder;
    lock.unlock();
    if (responder)
        responder(report);
    return static_cast<int>(length);
}

const wchar_t* HID_API_EXPORT HID_API_CALL hid_error(hid_device* dev)
{
    auto& s = state();
    std::lock_guard lock(s.m);
    if (!dev) {
        fakehid::checkCall(s, "hid_error");
        return s.globalError.empty() ? nullptr : s.globalError.c_str();
    }
    fakehid::DeviceCall call(s, dev, "hid_error");
    return dev->error.empty() ? nullptr : dev->error.c_str();
}

}  // extern "C"
