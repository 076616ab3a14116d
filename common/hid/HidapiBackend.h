#pragma once
#include "HidBackend.h"

#include <memory>

namespace hid {

// The real backend on hidapi: finds the meter by polling the device list, reads each open
// device on a helper thread and hands every report to the GUI thread.
class HidapiBackend final : public Backend {
public:
    HidapiBackend(std::uint16_t vendorId, std::uint16_t productId);
    ~HidapiBackend() override;

    void start(Sink& sink) override;
    bool write(Handle handle, const Report& report) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace hid
