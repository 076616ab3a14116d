#include "OmbrikWindowFactory.h"

#include "ombrik/window/OmbrikWindow.h"

std::unique_ptr<QWidget> MakeOmbrikWindow(hid::UsbHid& usb, const QString& iniPath)
{
    return std::make_unique<ombrik::OmbrikWindow>(usb, iniPath);
}
