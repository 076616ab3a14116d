#include "KorvelApp.h"

#include "MainWindow.h"
#include "korvel/window/dialogs/DeviceReplacedNotice.h"
#include "korvel/window/dialogs/ModuleDialogs.h"
#include "korvel/window/dialogs/NumberEditor.h"
#include "korvel/window/dialogs/PasswordDialog.h"

#include "common/ui/InputRules.h"

namespace korvel {

using namespace qs;

KorvelForms::KorvelForms(hid::UsbHid& usb, const QStringList& arguments)
{
    InstallInputRules();
    Form1 = new MainWindow(usb, arguments);
    Form_Keszulekcsere = new DeviceReplacedNotice(Form1);
    Form_QVAIN = new QvainDialog(Form1);
    Form_IncDec = new NumberEditor(Form1);
    Form_QVAO = new QvaoDialog(Form1);
    Form_QVRO = new QvroDialog(Form1);
    Form_QVSER = new QvserDialog(Form1);
    Form_Password = new PasswordDialog(Form1);
    Form_QVTMP = new QvtmpDialog(Form1);
    creationOrder = {Form1,     Form_Keszulekcsere, Form_QVAIN,    Form_IncDec, Form_QVAO,
                     Form_QVRO, Form_QVSER,         Form_Password, Form_QVTMP};
    Form1->AttachDialogs({Form_Keszulekcsere, Form_QVAIN, Form_IncDec, Form_QVAO, Form_QVRO,
                          Form_QVSER, Form_Password, Form_QVTMP});
}

KorvelForms::~KorvelForms()
{
    delete Form1;  // the dialogs are its children
}

}  // namespace korvel
