#include "OmbrikWindow.h"
#include "common/session/UsbHook.h"
#include "common/hid/HidapiBackend.h"

#include "common/ui/DesignFonts.h"
#include "common/ui/SignalClose.h"

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
