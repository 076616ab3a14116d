#pragma once
#include "common/hid/UsbHid.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

namespace qs {

// A program's side of the USB notifications: decodes the layer's message, tests the event's
// device against the program's vendor and product id, and reports plug, unplug and reply
// frames. Every report-ready event beeps, whatever the device. Installed on construction,
// removed on destruction.
class UsbHook : public QObject {
    Q_OBJECT
public:
    static constexpr std::uint16_t kVendorId = 0x04D8;
    static constexpr std::uint16_t kProductId = 0x003F;

    struct DeviceInfo {
        QString vendorName;
        QString productName;
        QString vendorIdText;   // "$04D8 = 1240"
        QString productIdText;  // "$003F = 63"
    };

    explicit UsbHook(hid::UsbHid& usb, QObject* parent = nullptr);
    ~UsbHook() override;

    // The hook itself: answers whether the message was one of the layer's four events.
    bool HandleMessage(unsigned message, int event, hid::Handle handle);

    // The handle the layer gives for the program's device now (0: none).
    hid::Handle DeviceHandle() const;
    bool Write(const std::uint8_t* report65);
    DeviceInfo CurrentDeviceInfo() const;
    // "$" + four upper-case hex digits + " = " + decimal.
    static QString IdText(std::uint16_t id);

    int BeepCount() const { return beeps_; }
    // Whether the program's device is plugged: set by its plug event, cleared by its unplug
    // event (not by the unplug itself, which the layer reports later).
    bool Online() const { return online_; }

signals:
    void plugged();
    void unplugged();
    // With each plug and unplug event of the program's device.
    void onlineChanged(bool online);
    // One 64-byte frame behind the report-id byte, as read.
    void frameArrived(const std::array<std::uint8_t, 64>& frame);
    void beep();

private:
    bool Ours(hid::Handle handle) const;

    hid::UsbHid& usb_;
    int beeps_ = 0;
    bool online_ = false;
};

}  // namespace qs
