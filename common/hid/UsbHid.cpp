#include "UsbHid.h"

#include <QMetaObject>

#include <algorithm>
#include <cstring>

namespace qs {

namespace hid {

namespace {
// Reports nobody reads are kept only up to this many per device; the oldest go first.
constexpr std::size_t kMaxPendingReports = 64;

void copyName(const std::string& name, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    const auto n = std::min<std::size_t>(name.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
}
}  // namespace

class UsbHid::SinkImpl final : public Backend::Sink {
public:
    explicit SinkImpl(UsbHid& owner) : owner_(owner) {}
    void deviceArrived(Handle handle, const DeviceIdentity& identity) override
    {
        owner_.deviceArrived(handle, identity);
    }
    void deviceLeft(Handle handle) override { owner_.deviceLeft(handle); }
    void reportArrived(Handle handle, const Report& report) override
    {
        owner_.reportArrived(handle, report);
    }

private:
    UsbHid& owner_;
};

UsbHid::UsbHid(std::unique_ptr<Backend> backend, QObject* parent)
    : QObject(parent), backend_(std::move(backend)), sink_(std::make_unique<SinkImpl>(*this))
{
}

UsbHid::~UsbHid() = default;

bool UsbHid::Connect(Hook hook)
{
    hook_ = std::move(hook);
    if (!connected_) {
        connected_ = true;
        backend_->start(*sink_);
    }
    return true;
}

void UsbHid::post(int event, Handle handle)
{
    // At once when the backend calls from the event loop, no hook is running and nothing
    // is waiting before it; otherwise queued, so the hook always runs from the event loop,
    // as a window message would, and events keep their order.
    if (backend_->callsSinkFromEventLoop() && hookDepth_ == 0 && queued_.empty()) {
        dispatch(event, handle);
        return;
    }
    queue(event, handle);
}

void UsbHid::queue(int event, Handle handle)
{
    queued_.emplace_back(event, handle);
    if (!drainPosted_) {
        drainPosted_ = true;
        QMetaObject::invokeMethod(
            this, [this] { drain(); }, Qt::QueuedConnection);
    }
}

void UsbHid::drain()
{
    drainPosted_ = false;
    while (!queued_.empty()) {
        const auto [event, handle] = queued_.front();
        queued_.pop_front();
        dispatch(event, handle);
    }
}

void UsbHid::dispatch(int event, Handle handle)
{
    ++hookDepth_;
    if (hook_)
        hook_(kNotifyMessage, event, handle);
    --hookDepth_;
    // The hook has checked the departed device's ids: nothing asks for them again.
    if (event == Unplugged)
        forget(handle);
}

void UsbHid::deviceArrived(Handle handle, const DeviceIdentity& identity)
{
    Device& device = devices_[handle];
    device.identity = identity;
    device.attached = true;
    device.readNotify = false;
    device.pending.clear();
    post(Plugged, handle);
    post(Changed, handle);
}

void UsbHid::deviceLeft(Handle handle)
{
    auto it = devices_.find(handle);
    if (it == devices_.end() || !it->second.attached)
        return;
    it->second.attached = false;
    it->second.readNotify = false;
    it->second.pending.clear();
    post(Unplugged, handle);
    post(Changed, handle);
}

void UsbHid::reportArrived(Handle handle, const Report& report)
{
    auto it = devices_.find(handle);
    if (it == devices_.end() || !it->second.attached)
        return;
    Device& device = it->second;
    if (device.pending.size() >= kMaxPendingReports)
        device.pending.pop_front();
    device.pending.push_back(report);
    if (device.readNotify)
        post(ReportReady, handle);
}

void UsbHid::forget(Handle handle)
{
    const auto it = devices_.find(handle);
    if (it != devices_.end() && !it->second.attached)
        devices_.erase(it);
}

const UsbHid::Device* UsbHid::find(Handle handle) const
{
    auto it = devices_.find(handle);
    return it == devices_.end() ? nullptr : &it->second;
}

Handle UsbHid::GetHandle(std::uint16_t vendorId, std::uint16_t productId) const
{
    // The newest attached device with that identity.
    for (auto it = devices_.rbegin(); it != devices_.rend(); ++it) {
        const Device& d = it->second;
        if (d.attached && d.identity.vendorId == vendorId && d.identity.productId == productId)
            return it->first;
    }
    return 0;
}

std::uint16_t UsbHid::GetVendorID(Handle handle) const
{
    const Device* d = find(handle);
    return d ? d->identity.vendorId : 0;
}

std::uint16_t UsbHid::GetProductID(Handle handle) const
{
    const Device* d = find(handle);
    return d ? d->identity.productId : 0;
}

void UsbHid::GetVendorName(Handle handle, char* buffer, int size) const
{
    const Device* d = find(handle);
    copyName(d && d->attached ? d->identity.vendorName : std::string(), buffer, size);
}

void UsbHid::GetProductName(Handle handle, char* buffer, int size) const
{
    const Device* d = find(handle);
    copyName(d && d->attached ? d->identity.productName : std::string(), buffer, size);
}

bool UsbHid::SetReadNotify(Handle handle, bool enable)
{
    auto it = devices_.find(handle);
    if (it == devices_.end() || !it->second.attached)
        return false;
    Device& device = it->second;
    const bool wasOn = device.readNotify;
    device.readNotify = enable;
    // Reports that came before notification was asked for are announced now.
    if (enable && !wasOn)
        for (std::size_t i = 0; i < device.pending.size(); ++i)
            queue(ReportReady, handle);
    return true;
}

bool UsbHid::Read(Handle handle, std::uint8_t* buffer)
{
    auto it = devices_.find(handle);
    if (!buffer || it == devices_.end() || !it->second.attached || it->second.pending.empty())
        return false;
    const Report report = it->second.pending.front();
    it->second.pending.pop_front();
    buffer[0] = 0;
    std::memcpy(buffer + 1, report.data(), report.size());
    return true;
}

bool UsbHid::Write(Handle handle, const std::uint8_t* buffer)
{
    const Device* d = find(handle);
    if (!buffer || !d || !d->attached)
        return false;
    Report report;
    std::memcpy(report.data(), buffer + 1, report.size());
    return backend_->write(handle, report);
}

}  // namespace hid

}  // namespace qs
