#include "UsbHook.h"

#include <cstring>

namespace qs {

UsbHook::UsbHook(hid::UsbHid& usb, QObject* parent) : QObject(parent), usb_(usb)
{
    usb_.Connect([this](unsigned message, int event, hid::Handle handle) {
        return HandleMessage(message, event, handle);
    });
}

UsbHook::~UsbHook()
{
    usb_.Connect({});
}

hid::Handle UsbHook::DeviceHandle() const
{
    return usb_.GetHandle(kVendorId, kProductId);
}

bool UsbHook::Ours(hid::Handle handle) const
{
    return usb_.GetVendorID(handle) == kVendorId && usb_.GetProductID(handle) == kProductId;
}

bool UsbHook::Write(const std::uint8_t* report65)
{
    return usb_.Write(DeviceHandle(), report65);
}

bool UsbHook::HandleMessage(unsigned message, int event, hid::Handle handle)
{
    if (message != hid::kNotifyMessage || event < hid::Plugged || event > hid::ReportReady)
        return false;
    switch (event) {
    case hid::Plugged:
    case hid::Unplugged:
        if (Ours(handle)) {
            online_ = event == hid::Plugged;
            emit onlineChanged(online_);
            if (online_)
                emit plugged();
            else
                emit unplugged();
        }
        break;
    case hid::Changed:
        usb_.SetReadNotify(DeviceHandle(), true);
        break;
    case hid::ReportReady: {
        ++beeps_;
        emit beep();
        std::array<std::uint8_t, hid::kReportBufferSize> report{};
        if (Ours(handle) && usb_.Read(handle, report.data())) {
            std::array<std::uint8_t, 64> frame{};
            std::memcpy(frame.data(), report.data() + 1, frame.size());
            emit frameArrived(frame);
        }
        break;
    }
    default:
        break;
    }
    return true;
}

QString UsbHook::IdText(std::uint16_t id)
{
    return QString("$%1 = %2").arg(id, 4, 16, QChar('0')).toUpper().arg(id);
}

UsbHook::DeviceInfo UsbHook::CurrentDeviceInfo() const
{
    const hid::Handle handle = DeviceHandle();
    char name[hid::kNameBufferSize];
    DeviceInfo info;
    usb_.GetVendorName(handle, name, sizeof name);
    info.vendorName = QString::fromUtf8(name);
    usb_.GetProductName(handle, name, sizeof name);
    info.productName = QString::fromUtf8(name);
    info.vendorIdText = IdText(usb_.GetVendorID(handle));
    info.productIdText = IdText(usb_.GetProductID(handle));
    return info;
}

}  // namespace qs
