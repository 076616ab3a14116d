#include "SimulatedMeter.h"

#include <QTimer>

#include <algorithm>
#include <utility>

using namespace qs;
using namespace korvel;
using namespace ombrik;

using namespace mbu3;

SimulatedMeter::SimulatedMeter(QObject* parent) : QObject(parent) {}

SimulatedMeter::~SimulatedMeter() = default;

void SimulatedMeter::start(Sink& sink)
{
    sink_ = &sink;
    plug();
}

void SimulatedMeter::plug()
{
    if (!sink_ || handle_ != 0)
        return;
    handle_ = nextHandle_++;
    ++generation_;
    sink_->deviceArrived(handle_, {vendorId, productId, "Quorin Kft.", "Quorin panel meter"});
}

void SimulatedMeter::unplug()
{
    if (!sink_ || handle_ == 0)
        return;
    const hid::Handle gone = handle_;
    handle_ = 0;
    ++generation_;
    resetLink();
    sink_->deviceLeft(gone);
}

void SimulatedMeter::clearLog()
{
    MeterCore::clearLog();
    replies_.clear();
}

bool SimulatedMeter::write(hid::Handle handle, const hid::Report& report)
{
    if (handle == 0 || handle != handle_)
        return false;
    Frame frame;
    std::copy(report.begin(), report.end(), frame.begin());
    if (onFrameWritten)
        onFrameWritten(frame);
    receiveFrame(frame);
    return true;
}

void SimulatedMeter::sendFrame(const Frame& reply)
{
    const std::uint64_t generation = generation_;
    const int delay = latencyMs + std::exchange(extraDelayMs_, 0);
    QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, reply, generation] {
        if (generation != generation_ || !sink_ || handle_ == 0)
            return;
        replies_.push_back(reply);
        hid::Report report;
        std::copy(reply.begin(), reply.end(), report.begin());
        sink_->reportArrived(handle_, report);
        if (onReplyDelivered)
            onReplyDelivered();
    });
}

void SimulatedMeter::injectReport(const Frame& frame)
{
    const std::uint64_t generation = generation_;
    QTimer::singleShot(0, this, [this, frame, generation] {
        if (generation != generation_ || !sink_ || handle_ == 0)
            return;
        hid::Report report;
        std::copy(frame.begin(), frame.end(), report.begin());
        sink_->reportArrived(handle_, report);
    });
}
