#pragma once
#include "HidBackend.h"

#include <QObject>

#include <deque>
#include <functional>
#include <map>
#include <memory>

namespace qs {

namespace hid {

// USB event codes, delivered with the notification message.
enum Event : int { Plugged = 1, Unplugged = 2, Changed = 3, ReportReady = 4 };

// The notification message through which the layer reports an event to the window's hook.
constexpr unsigned kNotifyMessage = 0x80C8;

// The HID access layer the programs talk to: the operations Connect, GetHandle, GetVendorID,
// GetProductID, GetVendorName, GetProductName, SetReadNotify, Read and Write, and the four
// events, each handed to the hook on the GUI thread from the event loop, in the order they
// happened (never from inside one of these calls or of the hook, so a hook never runs
// nested in another). A backend that reports from the event loop has its events handed on
// at once; another's, and any that come while the hook runs, are posted for the next pass.
class UsbHid : public QObject {
    Q_OBJECT
public:
    // message, event code (wParam), device handle (lParam); returns whether it was handled.
    using Hook = std::function<bool(unsigned message, int event, Handle handle)>;

    explicit UsbHid(std::unique_ptr<Backend> backend, QObject* parent = nullptr);
    ~UsbHid() override;

    // Starts the backend; from then on every event goes to the hook.
    bool Connect(Hook hook);
    // The handle of an attached device with this identity, 0 when there is none.
    Handle GetHandle(std::uint16_t vendorId, std::uint16_t productId) const;
    // Ids of a device; a departed device's ids stay known until its unplugged event has been
    // handled, so the hook can check it. Then the layer forgets the device.
    std::uint16_t GetVendorID(Handle handle) const;
    std::uint16_t GetProductID(Handle handle) const;
    // Copies the name, NUL-terminated and cut to the buffer, into buffer (size bytes).
    void GetVendorName(Handle handle, char* buffer, int size) const;
    void GetProductName(Handle handle, char* buffer, int size) const;
    // From now on every input report of the device raises a report-ready event.
    bool SetReadNotify(Handle handle, bool enable);
    // Copies the oldest unread input report behind a report-id byte 0 into buffer (65 bytes).
    // With no device or no report waiting it copies nothing and answers false.
    bool Read(Handle handle, std::uint8_t* buffer);
    // Sends the 64 data bytes behind the report-id byte of buffer (65 bytes). With no such
    // device it sends nothing and answers false.
    bool Write(Handle handle, const std::uint8_t* buffer);

    Backend& backend() { return *backend_; }
    // Devices the layer knows: attached ones, and departed ones whose unplugged event has not
    // been handled yet.
    std::size_t DevicesKnown() const { return devices_.size(); }

private:
    class SinkImpl;
    struct Device {
        DeviceIdentity identity;
        bool attached = true;
        bool readNotify = false;
        std::deque<Report> pending;
    };

    // An event the backend reported: handed on at once or queued.
    void post(int event, Handle handle);
    // An event for the next pass of the event loop.
    void queue(int event, Handle handle);
    // Hands the queued events to the hook, oldest first.
    void drain();
    void dispatch(int event, Handle handle);
    void deviceArrived(Handle handle, const DeviceIdentity& identity);
    void deviceLeft(Handle handle);
    void reportArrived(Handle handle, const Report& report);
    void forget(Handle handle);
    const Device* find(Handle handle) const;

    std::unique_ptr<Backend> backend_;
    std::unique_ptr<SinkImpl> sink_;
    Hook hook_;
    std::map<Handle, Device> devices_;
    bool connected_ = false;
    // Events waiting for a pass of the event loop, and whether that pass has been posted.
    std::deque<std::pair<int, Handle>> queued_;
    bool drainPosted_ = false;
    int hookDepth_ = 0;  // hooks running now (more than one only in a nested event loop)
};

}  // namespace hid

}  // namespace qs
