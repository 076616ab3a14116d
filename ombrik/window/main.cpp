#include "OmbrikWindow.h"
#include "UsbHook.h"
#include "hid/HidapiBackend.h"

#include "ui/DesignFonts.h"
#include "ui/SignalClose.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    designfonts::Install();
    hid::UsbHid usb(std::make_unique<hid::HidapiBackend>(UsbHook::kVendorId, UsbHook::kProductId));
    ombrik::OmbrikWindow window(usb);
    window.show();
    CloseOnTerminationSignals(&window);
    return QApplication::exec();
}
