#include "KorvelApp.h"
#include "MainWindow.h"
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
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    korvel::KorvelForms forms(usb, arguments);
    forms.Form1->show();
    qs::CloseOnTerminationSignals(forms.Form1);
    return QApplication::exec();
}
