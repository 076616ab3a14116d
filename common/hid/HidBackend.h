#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace qs {

namespace hid {

// A device handle as the programs see it. 0 is "no device"; handles are never reused,
// so an unplugged event can still be told apart from a later plug of the same meter.
using Handle = std::uint32_t;

constexpr int kReportSize = 64;        // data bytes of one HID report
constexpr int kReportBufferSize = 65;  // report-id byte + data bytes, as Read and Write take it
constexpr int kNameBufferSize = 256;

using Report = std::array<std::uint8_t, kReportSize>;

struct DeviceIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string vendorName;
    std::string productName;
};

// The device side of the HID layer: finds devices and moves reports. The real one talks to
// hidapi; tests put a simulated meter here. Every Sink call must be made on the GUI thread.
class Backend {
public:
    class Sink {
    public:
        virtual void deviceArrived(Handle handle, const DeviceIdentity& identity) = 0;
        virtual void deviceLeft(Handle handle) = 0;
        virtual void reportArrived(Handle handle, const Report& report) = 0;

    protected:
        ~Sink() = default;
    };

    virtual ~Backend() = default;

    // Starts finding devices; devices already attached arrive as if just plugged in.
    virtual void start(Sink& sink) = 0;
    // Sends one output report (64 data bytes; the backend adds the report id 0).
    virtual bool write(Handle handle, const Report& report) = 0;
    // Whether every Sink call comes straight from the event loop (a callback of the
    // backend's own) and never from inside one of its calls: the layer may then hand each
    // event to the program at once instead of posting it for a later pass of the loop.
    virtual bool callsSinkFromEventLoop() const { return false; }
};

}  // namespace hid

}  // namespace qs
