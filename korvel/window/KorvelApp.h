#pragma once
#include "common/hid/UsbHid.h"

#include <QStringList>

#include <vector>

class QWidget;

namespace korvel {

class MainWindow;
class DeviceReplacedNotice;
class QvainDialog;
class NumberEditor;
class QvaoDialog;
class QvroDialog;
class QvserDialog;
class PasswordDialog;
class QvtmpDialog;

// Korvel's nine forms, created in the program's order under their instance names: the main
// window first, then the device-replacement notice and the dialogs. They live until the
// program ends. Building them puts the keyboard and wheel rules of both programs in place
// (qs::InstallInputRules).
struct KorvelForms {
    MainWindow* Form1 = nullptr;
    DeviceReplacedNotice* Form_Keszulekcsere = nullptr;
    QvainDialog* Form_QVAIN = nullptr;
    NumberEditor* Form_IncDec = nullptr;
    QvaoDialog* Form_QVAO = nullptr;
    QvroDialog* Form_QVRO = nullptr;
    QvserDialog* Form_QVSER = nullptr;
    PasswordDialog* Form_Password = nullptr;
    QvtmpDialog* Form_QVTMP = nullptr;

    std::vector<QWidget*> creationOrder;

    KorvelForms(qs::hid::UsbHid& usb, const QStringList& arguments);
    ~KorvelForms();
    KorvelForms(const KorvelForms&) = delete;
    KorvelForms& operator=(const KorvelForms&) = delete;
};

}  // namespace korvel
