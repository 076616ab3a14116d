#pragma once
#include "HidBackend.h"

#include <memory>
#include <string>

namespace hid {

// The real backend on hidapi: finds the meter by polling the device list, reads each open
// device on a helper thread and hands every report to the GUI thread.
//
// Threads: construct, start, write and destroy on the GUI thread. Each open device has one
// reader thread, the only place hid_read_timeout is called; every other hidapi call stays on
// the GUI thread, and a device is closed only after its reader has been joined.
class HidapiBackend final : public Backend {
public:
    HidapiBackend(std::uint16_t vendorId, std::uint16_t productId);
    ~HidapiBackend() override;

    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    void start(Sink& sink) override;
    bool write(Handle handle, const Report& report) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

namespace detail {
// hidapi gives device names as wide strings; the layer hands out UTF-8. nullptr gives "".
std::string wideToUtf8(const wchar_t* text);
// The one line printed when a listed meter cannot be opened: names the path, the reason
// (may be empty) and how to grant access.
std::string openFailureMessage(const std::string& path, const std::string& reason);
}  // namespace detail

}  // namespace hid
