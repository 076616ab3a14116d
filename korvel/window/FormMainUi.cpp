// The main window's page tree: header, model pages, factory pages and the frame monitor.
#include "FormMain.h"
#include "UiBuild.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace uibuild;

namespace {

// Adds "caption value" as one row of a grid.
void row(QGridLayout* grid, int r, const QString& caption, QWidget* value)
{
    grid->addWidget(new QLabel(caption), r, 0);
    grid->addWidget(value, r, 1);
}

}  // namespace

void TForm1::CreateControls()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);

    // ---------------- header ----------------
    PageControl5 = new PageControl(this);
    PageControl5->setObjectName("PageControl5");
    PageControl5->setFixedHeight(150);
    TabSheet_Header = PageControl5->addPage("TabSheet_Header", "Header");
    TabSheet_NoComm = PageControl5->addPage("TabSheet_NoComm", "NoComm");
    PageControl5->setTabVisible(TabSheet_Header, false);
    PageControl5->setTabVisible(TabSheet_NoComm, false);
    outer->addWidget(PageControl5);

    {
        auto* h = new QHBoxLayout(TabSheet_Header);
        auto* idBox = new QWidget(TabSheet_Header);
        auto* grid = new QGridLayout(idBox);
        SpeedButton_Reset = Speed(TabSheet_Header, "SpeedButton_Reset", "RESET");
        grid->addWidget(SpeedButton_Reset, 0, 0);
        Label_KeszulekTipus = Label(idBox, "Label_KeszulekTipus", "Ismeretlen készülék");
        Label_KeszulekGyariSzam = Label(idBox, "Label_KeszulekGyariSzam", "Ismeretlen gyári szám");
        Label_Firmware = Label(idBox, "Label_Firmware", "Ismeretlen firmware");
        Label_uSecondsOfOperation = Label(idBox, "Label_uSecondsOfOperation", "");
        row(grid, 1, "Készülék:", Label_KeszulekTipus);
        row(grid, 2, "Gyári szám:", Label_KeszulekGyariSzam);
        row(grid, 3, "Firmware:", Label_Firmware);
        row(grid, 4, "Üzemidő:", Label_uSecondsOfOperation);
        h->addWidget(idBox);

        auto* usb = Group(TabSheet_Header, "GroupBox_USB", "USB");
        auto* ug = new QGridLayout(usb);
        Label_USBOnline = Label(usb, "Label_USBOnline", "Online");
        SetWidgetColors(Label_USBOnline, clLime, clWindowText);
        Label_USBOnline->setVisible(false);
        Label_USBData = Label(usb, "Label_USBData", "Com");
        SetWidgetColors(Label_USBData, clYellow, clWindowText);
        Label_USBData->setVisible(false);
        Label_FPS2 = Label(usb, "Label_FPS2", "0");
        Label_MBURxError2 = Label(usb, "Label_MBURxError2", "Error");
        SetFontColor(Label_MBURxError2, clRed);
        Label_MBURxError2->setVisible(false);
        Label_MBU_Commands = Label(usb, "Label_MBU_Commands", "");
        ug->addWidget(Label_USBOnline, 0, 0);
        ug->addWidget(Label_USBData, 0, 1);
        ug->addWidget(new QLabel("FpS"), 1, 0);
        ug->addWidget(Label_FPS2, 1, 1);
        ug->addWidget(Label_MBURxError2, 2, 0, 1, 2);
        ug->addWidget(Label_MBU_Commands, 3, 0, 1, 2);
        usb->setMinimumWidth(150);
        h->addWidget(usb);

        auto* errors = Group(TabSheet_Header, "GroupBox_Errors", "Hibajelzések");
        auto* eg = new QGridLayout(errors);
        const char* const names[] = {"Label_cErrorUncalibratedInput", "Label_cErrorUncalibratedOutput",
                                     "Label_cErrorOutputRange",       "Label_cErrorFRAM",
                                     "Label_cErrorInputRange",        "Label_cErrorInputModul",
                                     nullptr,                         nullptr,
                                     "Label_cErrorRSTimeOut"};
        const QString captions[] = {"Kalibrálatlan bemenet", "Kalibrálatlan kimenet", "Analóg kimenet tartomány",
                                    "Sérült beállítások",    "Bemenet túlvezérlés ",  "Hibás bemeneti modul",
                                    "Szakadt mérőkör",       "Kalibrálatlan poteciométer", "Nincs RS-485 lekérdezés"};
        for (int i = 0; i < 9; ++i) {
            QLabel* l = names[i] ? Label(errors, names[i], captions[i]) : Caption(errors, captions[i]);
            SetWidgetColors(l, clBtnFace, clWindowText);
            eg->addWidget(l, i % 5, i / 5);
        }
        h->addWidget(errors);

        auto* measured = Group(TabSheet_Header, "GroupBox_MertErtek", "Mért érték");
        auto* mv = new QVBoxLayout(measured);
        Label_iSkalazottKijezesiErtek2 = Label(measured, "Label_iSkalazottKijezesiErtek2", "");
        QFont big = Label_iSkalazottKijezesiErtek2->font();
        big.setPixelSize(24);
        big.setBold(true);
        Label_iSkalazottKijezesiErtek2->setFont(big);
        mv->addWidget(Label_iSkalazottKijezesiErtek2);
        measured->setMinimumWidth(160);
        h->addWidget(measured);
        h->addStretch(1);

        Button_RefreshForm = Button(TabSheet_Header, "Button_RefreshForm", "Kép frissítés");
        h->addWidget(Button_RefreshForm, 0, Qt::AlignTop);
    }
    {
        auto* v = new QVBoxLayout(TabSheet_NoComm);
        auto* line = Caption(TabSheet_NoComm,
                             "Nincs kapcsolat a készülékkel. Ellenőrizze a készülék tápellátását és az USB "
                             "kábel csatlakoztatottságát.");
        SetFontColor(line, clBlue);
        v->addWidget(line);
        v->addStretch(1);
    }

    // ---------------- main pages ----------------
    PageControl4 = new PageControl(this);
    PageControl4->setObjectName("PageControl4");
    outer->addWidget(PageControl4, 1);
    TabSheet_3310 = PageControl4->addPage("TabSheet_3310", "QV3310");
    TabSheet_3320 = PageControl4->addPage("TabSheet_3320", "QV3320");
    TabSheet_3330 = PageControl4->addPage("TabSheet_3330", "QV3330");
    TabSheet_3340 = PageControl4->addPage("TabSheet_3340", "QV3340");
    TabSheet_5510 = PageControl4->addPage("TabSheet_5510", "QV5510 és QV5520 IP");
    TabSheet_5530 = PageControl4->addPage("TabSheet_5530", "QV5530");
    TabSheet_Quorin = PageControl4->addPage("TabSheet_Quorin", "Quorin");
    TabSheet_TooOld = PageControl4->addPage("TabSheet_TooOld", "Ez a program túl régi");
    TabSheet_TooNew = PageControl4->addPage("TabSheet_TooNew", "Ez a program túl új");
    PageControl4->setTabVisible(TabSheet_TooOld, false);
    PageControl4->setTabVisible(TabSheet_TooNew, false);
    PageControl4->setActivePage(TabSheet_Quorin);

    auto versionPage = [](QWidget* page, const QString& l1, const QString& l2, const char* button,
                          QPushButton*& target) {
        auto* v = new QVBoxLayout(page);
        v->addWidget(new QLabel(l1, page));
        v->addWidget(new QLabel(l2, page));
        target = Button(page, button, "Kilépés a programból");
        v->addWidget(target, 0, Qt::AlignLeft);
        v->addStretch(1);
    };
    versionPage(TabSheet_TooOld,
                "Ez a beállító program túl régi, ezért nem alkalmas a csatlakoztatott készülék beállítására.",
                "Használja a beállító program újabb verzióját!", "Button_ExitFromApplication",
                Button_ExitFromApplication);
    versionPage(TabSheet_TooNew,
                "Ez a beállító program újabb, mint a csatlakoztatott készülék, ezért nem alkalmas a beállításra.",
                "Használja a beállító programnak a készülékhez kapott, korábbi verzióját!",
                "Button_ExitFromApplication2", Button_ExitFromApplication2);

    CreateModelPages();
    CreateFactoryPages();
    CreateMonitorPage();
}

void TForm1::CreateModelPages()
{
    // The QV5510 display block trio lives on its model tab.
    auto* v = new QVBoxLayout(TabSheet_5510);
    auto* block = Group(TabSheet_5510, "GroupBox_QV5510", "Modulfüggetlen beállítások és tesztek");
    auto* bh = new QHBoxLayout(block);
    SpeedButton_ReadFromDevice_QV5510 = Speed(block, "SpeedButton_ReadFromDevice_QV5510", "Kiolvasás a készülékből");
    SpeedButton_ReadDefault_QV5510 = Speed(block, "SpeedButton_ReadDefault_QV5510", "Gyári alapértékek megjelenítése");
    SpeedButton_WriteToDevice_QV5510 = Speed(block, "SpeedButton_WriteToDevice_QV5510", "Beírás a készülékbe");
    bh->addWidget(SpeedButton_ReadFromDevice_QV5510);
    bh->addWidget(SpeedButton_ReadDefault_QV5510);
    bh->addWidget(SpeedButton_WriteToDevice_QV5510);
    bh->addStretch(1);
    v->addWidget(block);
    v->addStretch(1);
}

void TForm1::CreateFactoryPages()
{
    auto* v = new QVBoxLayout(TabSheet_Quorin);
    v->setContentsMargins(2, 2, 2, 2);
    PageControl1 = new PageControl(TabSheet_Quorin);
    PageControl1->setObjectName("PageControl1");
    v->addWidget(PageControl1);
    TabSheet1 = PageControl1->addPage("TabSheet1", "Quorin beállítások");
    TabSheet_Settings = PageControl1->addPage("TabSheet_Settings", "Beállítások");
    TabSheet5 = PageControl1->addPage("TabSheet5", "Határérték kimenetek");
    TabSheet6 = PageControl1->addPage("TabSheet6", "Tesztek");
    TabSheet9 = PageControl1->addPage("TabSheet9", "MBU");
    PageControl1->setActivePage(TabSheet1);

    // "Quorin beállítások": calibration and identity.
    {
        auto* grid = new QGridLayout(TabSheet1);
        auto* outputCal = Group(TabSheet1, "GroupBox_OutputCal", "Kimenet kalibrálás");
        auto* oc = new QVBoxLayout(outputCal);
        SpeedButton_ReadPWMCal = Speed(outputCal, "SpeedButton_ReadPWMCal", "Kiolvasás a készülékből");
        SpeedButton_CalPWML = Speed(outputCal, "SpeedButton_CalPWML", "Kalibrálás 4 mA");
        SpeedButton_CalPWMH = Speed(outputCal, "SpeedButton_CalPWMH", "Kalibrálás 20 mA");
        oc->addWidget(SpeedButton_ReadPWMCal);
        oc->addWidget(SpeedButton_CalPWML);
        oc->addWidget(SpeedButton_CalPWMH);
        oc->addStretch(1);
        grid->addWidget(outputCal, 0, 0);

        PageControl2 = new PageControl(TabSheet1);
        PageControl2->setObjectName("PageControl2");
        TabSheet7 = PageControl2->addPage("TabSheet7", "QVAIN");
        TabSheet8 = PageControl2->addPage("TabSheet8", "QVTM");
        PageControl2->setActivePage(TabSheet7);
        grid->addWidget(PageControl2, 0, 1);

        auto* inputCal = Group(TabSheet7, "GroupBox_InputCalQVAIN", "Bemenet kalibrálás");
        (new QVBoxLayout(TabSheet7))->addWidget(inputCal);
        auto* ic = new QVBoxLayout(inputCal);
        SpeedButton_Cal0mA = Speed(inputCal, "SpeedButton_Cal0mA", "Kalibrálás 0 mA");
        SpeedButton_Cal20mA = Speed(inputCal, "SpeedButton_Cal20mA", "Kalibrálás 20 mA");
        SpeedButton_Cal0V = Speed(inputCal, "SpeedButton_Cal0V", "Kalibrálás 0 V");
        SpeedButton_Cal10V = Speed(inputCal, "SpeedButton_Cal10V", "Kalibrálás 10 V");
        SpeedButton_ReadCalIn = Speed(inputCal, "SpeedButton_ReadCalIn", "Kiolvasás a készülékből");
        for (QWidget* b : {static_cast<QWidget*>(SpeedButton_Cal0mA), static_cast<QWidget*>(SpeedButton_Cal20mA),
                           static_cast<QWidget*>(SpeedButton_Cal0V), static_cast<QWidget*>(SpeedButton_Cal10V),
                           static_cast<QWidget*>(SpeedButton_ReadCalIn)})
            ic->addWidget(b);
        ic->addStretch(1);

        auto* pt = new QGridLayout(TabSheet8);
        pt->addWidget(new QLabel("4 vezetékkel kell bekötni a kalibrátort!"), 0, 0, 1, 2);
        SpeedButton_iCalPt0ohm4W = Speed(TabSheet8, "SpeedButton_iCalPt0ohm4W", "Kalibrálás 0 ohm");
        SpeedButton_iCalPtXohm4W = Speed(TabSheet8, "SpeedButton_iCalPtXohm4W", "Kalibrálás 300 ohm");
        pt->addWidget(SpeedButton_iCalPt0ohm4W, 1, 0);
        pt->addWidget(SpeedButton_iCalPtXohm4W, 1, 1);
        pt->addWidget(new QLabel("3 vezetékkel kell bekötni a kalibrátort!"), 2, 0, 1, 2);
        SpeedButton_iCalPt0ohm3W = Speed(TabSheet8, "SpeedButton_iCalPt0ohm3W", "Kalibrálás 0 ohm");
        SpeedButton_iCalPtXohm3W = Speed(TabSheet8, "SpeedButton_iCalPtXohm3W", "Kalibrálás 300 ohm");
        pt->addWidget(SpeedButton_iCalPt0ohm3W, 3, 0);
        pt->addWidget(SpeedButton_iCalPtXohm3W, 3, 1);
        SpeedButton_ReadCalPt = Speed(TabSheet8, "SpeedButton_ReadCalPt", "Kiolvasás a készülékből");
        pt->addWidget(SpeedButton_ReadCalPt, 4, 0);
        CheckBox_bPt1000 = CheckBox(TabSheet8, "CheckBox_bPt1000", "Pt 1000 (nem Pt 100)");
        SpeedButton_bPt1000 = Speed(TabSheet8, "SpeedButton_bPt1000", "Készülékbe írás");
        pt->addWidget(CheckBox_bPt1000, 5, 0);
        pt->addWidget(SpeedButton_bPt1000, 5, 1);
        pt->setRowStretch(6, 1);

        auto* identity = Group(TabSheet1, "GroupBox_GyariSzam", "Gyári adatok");
        auto* idl = new QVBoxLayout(identity);
        SpeedButton_GyariSzamAKeszulekbe = Speed(identity, "SpeedButton_GyariSzamAKeszulekbe", "Beírás a készülékbe");
        idl->addWidget(SpeedButton_GyariSzamAKeszulekbe);
        idl->addStretch(1);
        grid->addWidget(identity, 0, 2);
        grid->setRowStretch(1, 1);
    }

    // "Beállítások" and "Határérték kimenetek": the two settings trios.
    auto trio = [](QWidget* page, const char* read, const char* defaults, const char* write, SpeedButton*& r,
                   SpeedButton*& d, SpeedButton*& w) {
        auto* bar = new QWidget(page);
        auto* h = new QHBoxLayout(bar);
        r = Speed(page, read, "Kiolvasás a készülékből");
        d = Speed(page, defaults, "Gyári alapbeállítások megjelenítése");
        w = Speed(page, write, "Beírás a készülékbe");
        h->addWidget(r);
        h->addWidget(d);
        h->addWidget(w);
        h->addStretch(1);
        auto* v = new QVBoxLayout(page);
        v->addWidget(bar);
        v->addStretch(1);
    };
    trio(TabSheet_Settings, "SpeedButton_ReadSettings", "SpeedButton_ReadDefaultSettings", "SpeedButton_WriteSettings",
         SpeedButton_ReadSettings, SpeedButton_ReadDefaultSettings, SpeedButton_WriteSettings);
    trio(TabSheet5, "SpeedButton_ReadSettings2", "SpeedButton_ReadDefaultSettings2", "SpeedButton_WriteSettings2",
         SpeedButton_ReadSettings2, SpeedButton_ReadDefaultSettings2, SpeedButton_WriteSettings2);

    // "Tesztek".
    {
        auto* v = new QVBoxLayout(TabSheet6);
        SpeedButton_EraseFRAM1 = Speed(TabSheet6, "SpeedButton_EraseFRAM1", "Erase FRAM");
        v->addWidget(SpeedButton_EraseFRAM1, 0, Qt::AlignLeft);
        auto* image = Group(TabSheet6, "GroupBox_KepernyoKep", "Képernyő kép");
        auto* iv = new QVBoxLayout(image);
        SpeedButton_ReadDisplay = Speed(image, "SpeedButton_ReadDisplay", "Kiolvasás a készülékből");
        iv->addWidget(SpeedButton_ReadDisplay, 0, Qt::AlignLeft);
        v->addWidget(image);
        v->addStretch(1);
    }
}
