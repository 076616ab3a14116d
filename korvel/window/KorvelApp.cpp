#include "KorvelApp.h"

#include "FormIncDec.h"
#include "FormMain.h"
#include "FormPassword.h"
#include "ModuleDialog.h"
#include "Unit2.h"

KorvelForms::KorvelForms(hid::UsbHid& usb, const QStringList& arguments)
{
    Form1 = new TForm1(usb, arguments);
    Form_Keszulekcsere = new TForm_Keszulekcsere(Form1);
    Form_QVAIN = new TForm_QVAIN(Form1);
    Form_IncDec = new TForm_IncDec(Form1);
    Form_QVAO = new TForm_QVAO(Form1);
    Form_QVRO = new TForm_QVRO(Form1);
    Form_QVSER = new TForm_QVSER(Form1);
    Form_Password = new TForm_Password(Form1);
    Form_QVTMP = new TForm_QVTMP(Form1);
    creationOrder = {Form1,      Form_Keszulekcsere, Form_QVAIN,    Form_IncDec, Form_QVAO,
                     Form_QVRO,  Form_QVSER,         Form_Password, Form_QVTMP};
    Form1->AttachForms({creationOrder.begin() + 1, creationOrder.end()});
}

KorvelForms::~KorvelForms()
{
    delete Form1;  // the dialogs are its children
}
