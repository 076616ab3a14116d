#pragma once
#include "hid/UsbHid.h"

#include <QStringList>

#include <memory>
#include <vector>

class QWidget;
class TForm1;
class TForm_Keszulekcsere;
class TForm_QVAIN;
class TForm_IncDec;
class TForm_QVAO;
class TForm_QVRO;
class TForm_QVSER;
class TForm_Password;
class TForm_QVTMP;

// Korvel's nine forms, created in the program's order: the main window first, then the
// device-replacement notice and the dialogs. They live until the program ends.
struct KorvelForms {
    TForm1* Form1 = nullptr;
    TForm_Keszulekcsere* Form_Keszulekcsere = nullptr;
    TForm_QVAIN* Form_QVAIN = nullptr;
    TForm_IncDec* Form_IncDec = nullptr;
    TForm_QVAO* Form_QVAO = nullptr;
    TForm_QVRO* Form_QVRO = nullptr;
    TForm_QVSER* Form_QVSER = nullptr;
    TForm_Password* Form_Password = nullptr;
    TForm_QVTMP* Form_QVTMP = nullptr;

    std::vector<QWidget*> creationOrder;

    KorvelForms(hid::UsbHid& usb, const QStringList& arguments);
    ~KorvelForms();
    KorvelForms(const KorvelForms&) = delete;
    KorvelForms& operator=(const KorvelForms&) = delete;
};
