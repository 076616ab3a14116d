#include "KorvelApp.h"
#include "MainWindow.h"
#include "UsbHook.h"
#include "hid/HidapiBackend.h"

#include "ui/DesignFonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    designfonts::Install();
    hid::UsbHid usb(std::make_unique<hid::HidapiBackend>(UsbHook::kVendorId, UsbHook::kProductId));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    KorvelForms forms(usb, arguments);
    forms.Form1->show();
    return QApplication::exec();
}
