#include "OmbrikWindowFactory.h"

#include "OmbrikWindow.h"

std::unique_ptr<QWidget> MakeOmbrikWindow(hid::UsbHid& usb, const QString& iniPath)
{
    return std::make_unique<ombrik::OmbrikWindow>(usb, iniPath);
}
