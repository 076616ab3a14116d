#include "OmbrikWindowFactory.h"

#include "ombrik/window/OmbrikWindow.h"

using namespace qs;
using namespace ombrik;

std::unique_ptr<QWidget> MakeOmbrikWindow(hid::UsbHid& usb, const QString& iniPath)
{
    return std::make_unique<ombrik::OmbrikWindow>(usb, iniPath);
}
