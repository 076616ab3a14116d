#include "FakeMeter.h"

#include <algorithm>
#include <thread>

using namespace qs;
using namespace korvel;
using namespace ombrik;

FakeMeter::FakeMeter(fakehid::DeviceInfo info) : info_(std::move(info))
{
    plug();
}

FakeMeter::~FakeMeter()
{
    unplug();
}

void FakeMeter::plug()
{
    unplug();
    fakehid::DevicePtr device = fakehid::plug(info_);
    device->setResponder([link = link_](const fakehid::Report& report) { link->take(report); });
    {
        std::lock_guard lock(link_->mutex);
        link_->core.device = device;
        link_->core.resetLink();
    }
    device_ = std::move(device);
}

void FakeMeter::unplug()
{
    if (!device_)
        return;
    fakehid::unplug(device_);
    // Drops the device's hold on the link and the link's on the device.
    device_->setResponder({});
    std::lock_guard lock(link_->mutex);
    link_->core.device.reset();
    device_.reset();
}

void FakeMeter::Link::take(const fakehid::Report& report)
{
    if (const auto wait = latency.load(); wait.count() > 0)
        std::this_thread::sleep_for(wait);
    std::lock_guard lock(mutex);
    mbu3::Frame frame;
    std::copy(report.begin(), report.end(), frame.begin());
    core.receiveFrame(frame);
}

void FakeMeter::Core::sendFrame(const mbu3::Frame& reply)
{
    if (!device)
        return;
    fakehid::Report report;
    std::copy(reply.begin(), reply.end(), report.begin());
    device->inject(report);
}
