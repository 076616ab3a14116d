#include "OmbrikWindow.h"
#include "common/session/UsbHook.h"
#include "common/hid/HidapiBackend.h"

#include "common/ui/DesignFonts.h"
#include "common/ui/SignalClose.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qs::designfonts::Install();
    qs::hid::UsbHid usb(
        std::make_unique<qs::hid::HidapiBackend>(qs::UsbHook::kVendorId, qs::UsbHook::kProductId));
    ombrik::OmbrikWindow window(usb);
    window.show();
    qs::CloseOnTerminationSignals(&window);
    return QApplication::exec();
}
