#include "HidapiBackend.h"

#include <hidapi/hidapi.h>

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <thread>
#include <vector>

namespace hid {

namespace {
// hidapi 0.13 has no hotplug notification, so plug and unplug are found by listing the
// devices this often.
constexpr int kPollIntervalMs = 200;
// How long a reader waits in one hid_read_timeout call; bounds how long stopping a reader
// (and so unplug handling and shutdown) can block the GUI thread.
constexpr int kReadTimeoutMs = 50;
// A listed device that fails to open this many polls in a row gets the access hint. One
// failure alone may be an unplug racing the device list, which needs no hint.
constexpr int kOpenFailuresBeforeHint = 2;

constexpr const char* kRulesFile = "packaging/70-quorin-meter.rules";
}  // namespace

namespace detail {

std::string wideToUtf8(const wchar_t* text)
{
    if (!text)
        return {};
    return QString::fromWCharArray(text).toStdString();
}

std::string openFailureMessage(const std::string& path, const std::string& reason)
{
    std::string line = "USB meter at " + path + " cannot be opened";
    if (!reason.empty())
        line += " (" + reason + ")";
    line += ". To allow access, install ";
    line += kRulesFile;
    line += " into /etc/udev/rules.d/ and run "
            "'udevadm control --reload-rules && udevadm trigger' as root, or replug the meter.";
    return line;
}

}  // namespace detail

struct HidapiBackend::Impl {
    struct Device {
        std::string path;
        DeviceIdentity identity;
        hid_device* dev = nullptr;
        std::atomic<bool> stop{false};
        std::thread reader;
    };

    struct Listed {
        std::string path;
        DeviceIdentity identity;
    };

    Impl(std::uint16_t vendor, std::uint16_t product) : vendorId(vendor), productId(product) {}

    void start(Sink& s);
    void poll();
    void startReader(Handle handle, Device& device);
    void closeDevice(Handle handle);
    void shutdown();
    // GUI-thread ends of what a reader posts.
    void deliver(Handle handle, const Report& report);
    void readerFailed(Handle handle);

    const std::uint16_t vendorId;
    const std::uint16_t productId;
    Sink* sink = nullptr;
    bool started = false;
    bool initialised = false;
    // Lives on the GUI thread; readers post to it, and deleting it drops whatever they
    // posted that has not run yet.
    std::unique_ptr<QObject> context;
    QTimer* timer = nullptr;  // owned by context
    std::map<Handle, std::unique_ptr<Device>> devices;
    // Listed paths that failed to open: consecutive failures, and whether the hint was shown.
    std::map<std::string, std::pair<int, bool>> openFailures;
    Handle lastHandle = 0;
};

void HidapiBackend::Impl::start(Sink& s)
{
    sink = &s;
    if (started)
        return;
    started = true;
    if (hid_init() == 0) {
        initialised = true;
    } else {
        const wchar_t* reason = hid_error(nullptr);
        std::fprintf(stderr, "hidapi could not be initialised%s%s\n", reason ? ": " : "",
                     detail::wideToUtf8(reason).c_str());
    }
    context = std::make_unique<QObject>();
    timer = new QTimer(context.get());
    timer->setInterval(kPollIntervalMs);
    QObject::connect(timer, &QTimer::timeout, context.get(), [this] { poll(); });
    timer->start();
    // A meter that is already attached counts as plugged in now.
    poll();
}

void HidapiBackend::Impl::poll()
{
    if (!sink)
        return;

    std::vector<Listed> listed;
    std::set<std::string> listedPaths;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* info = list; info; info = info->next) {
        if (!info->path || !listedPaths.insert(info->path).second)
            continue;
        DeviceIdentity identity;
        identity.vendorId = info->vendor_id;
        identity.productId = info->product_id;
        identity.vendorName = detail::wideToUtf8(info->manufacturer_string);
        identity.productName = detail::wideToUtf8(info->product_string);
        listed.push_back({info->path, std::move(identity)});
    }
    hid_free_enumeration(list);

    // Devices whose path is no longer listed have gone.
    std::vector<Handle> gone;
    std::set<std::string> openPaths;
    for (const auto& [handle, device] : devices) {
        if (listedPaths.count(device->path))
            openPaths.insert(device->path);
        else
            gone.push_back(handle);
    }
    // A path that left the list starts afresh: a later failure there gets its own hint.
    std::erase_if(openFailures, [&](const auto& entry) { return !listedPaths.count(entry.first); });

    std::vector<Handle> arrived;
    for (Listed& entry : listed) {
        if (openPaths.count(entry.path))
            continue;
        hid_device* dev = hid_open_path(entry.path.c_str());
        if (!dev) {
            auto& [failures, hinted] = openFailures[entry.path];
            if (++failures >= kOpenFailuresBeforeHint && !hinted) {
                hinted = true;
                const std::string line =
                    detail::openFailureMessage(entry.path, detail::wideToUtf8(hid_error(nullptr)));
                std::fprintf(stderr, "%s\n", line.c_str());
            }
            continue;
        }
        openFailures.erase(entry.path);
        auto device = std::make_unique<Device>();
        device->path = std::move(entry.path);
        device->identity = std::move(entry.identity);
        device->dev = dev;
        const Handle handle = ++lastHandle;
        devices.emplace(handle, std::move(device));
        arrived.push_back(handle);
    }

    for (Handle handle : gone) {
        closeDevice(handle);
        sink->deviceLeft(handle);
    }
    for (Handle handle : arrived) {
        auto it = devices.find(handle);
        if (it == devices.end())
            continue;
        sink->deviceArrived(handle, it->second->identity);
        // Started only now, so no report of this device can overtake its arrival.
        it = devices.find(handle);
        if (it != devices.end())
            startReader(handle, *it->second);
    }
}

void HidapiBackend::Impl::startReader(Handle handle, Device& device)
{
    QObject* target = context.get();
    hid_device* dev = device.dev;
    std::atomic<bool>* stop = &device.stop;
    device.reader = std::thread([this, target, dev, stop, handle] {
        unsigned char buffer[kReportSize];
        while (!stop->load()) {
            const int n = hid_read_timeout(dev, buffer, sizeof buffer, kReadTimeoutMs);
            if (n == 0)
                continue;
            if (n < 0) {
                // Unplugged, or the device no longer answers: it counts as gone.
                QMetaObject::invokeMethod(
                    target, [this, handle] { readerFailed(handle); }, Qt::QueuedConnection);
                return;
            }
            Report report{};
            std::memcpy(report.data(), buffer, std::min<std::size_t>(n, report.size()));
            QMetaObject::invokeMethod(
                target, [this, handle, report] { deliver(handle, report); },
                Qt::QueuedConnection);
        }
    });
}

void HidapiBackend::Impl::closeDevice(Handle handle)
{
    auto it = devices.find(handle);
    if (it == devices.end())
        return;
    std::unique_ptr<Device> device = std::move(it->second);
    devices.erase(it);
    // hid_close must never run while the reader may still be inside hid_read_timeout.
    device->stop = true;
    if (device->reader.joinable())
        device->reader.join();
    hid_close(device->dev);
}

void HidapiBackend::Impl::deliver(Handle handle, const Report& report)
{
    // Reports still queued from a device that has since been closed are dropped.
    if (sink && devices.count(handle))
        sink->reportArrived(handle, report);
}

void HidapiBackend::Impl::readerFailed(Handle handle)
{
    if (!devices.count(handle))
        return;
    closeDevice(handle);
    if (sink)
        sink->deviceLeft(handle);
}

void HidapiBackend::Impl::shutdown()
{
    if (timer)
        timer->stop();
    // Every reader is joined before the context goes, so none can post to a dead object.
    while (!devices.empty())
        closeDevice(devices.begin()->first);
    timer = nullptr;
    context.reset();
    if (initialised)
        hid_exit();
    initialised = false;
    sink = nullptr;
}

HidapiBackend::HidapiBackend(std::uint16_t vendorId, std::uint16_t productId)
    : impl_(std::make_unique<Impl>(vendorId, productId))
{
}

HidapiBackend::~HidapiBackend()
{
    impl_->shutdown();
}

void HidapiBackend::start(Sink& sink)
{
    impl_->start(sink);
}

bool HidapiBackend::write(Handle handle, const Report& report)
{
    auto it = impl_->devices.find(handle);
    if (it == impl_->devices.end())
        return false;
    unsigned char buffer[kReportBufferSize];
    buffer[0] = 0;  // report id: the meter uses none
    std::memcpy(buffer + 1, report.data(), report.size());
    return hid_write(it->second->dev, buffer, sizeof buffer) == kReportBufferSize;
}

}  // namespace hid
