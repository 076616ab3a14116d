#include "FormMain.h"
#include "KorvelApp.h"
#include "hid/HidapiBackend.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    hid::UsbHid usb(std::make_unique<hid::HidapiBackend>(0x04D8, 0x003F));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    KorvelForms forms(usb, arguments);
    forms.Form1->show();
    return QApplication::exec();
}
