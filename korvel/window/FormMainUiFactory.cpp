// The factory pages: calibration and identity, base-unit settings, limit outputs and tests.
#include "FormMain.h"
#include "UiBuild.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace uibuild;

namespace {
QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QLatin1String(name));
    return r;
}

// The settings trio at the top of a settings page; answers the page's own layout.
QVBoxLayout* SettingsTrio(QWidget* page, const char* read, const char* defaults, const char* write,
                          SpeedButton*& r, SpeedButton*& d, SpeedButton*& w)
{
    auto* v = new QVBoxLayout(page);
    auto* bar = new QHBoxLayout;
    const RequestTrio t = Trio(page, bar, read, defaults, write, "Gyári alapbeállítások megjelenítése");
    r = t.read;
    d = t.defaults;
    w = t.write;
    bar->addStretch(1);
    v->addLayout(bar);
    return v;
}
}  // namespace

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

    CreateCalibrationPage();
    CreateSettingsPages();
    CreateTestsPage();
}

void TForm1::CreateCalibrationPage()
{
    auto* grid = new QGridLayout(TabSheet1);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);

    // Left column: options and output calibration.
    auto* left = new QVBoxLayout;
    GroupBox_Opciok = Group(TabSheet1, "GroupBox_Opciok", "Opciók");
    GroupBox_Opciok->setMinimumHeight(40);
    left->addWidget(GroupBox_Opciok);

    // "Kimenet kalibrálás": the read-back, the direct drive and its checks share one group;
    // the calibration points sit in the inner group.
    auto* outputCalibration = Group(TabSheet1, "GroupBox_OutputCalibration", "Kimenet kalibrálás");
    auto* oc = new QGridLayout(outputCalibration);
    auto* selector = Group(outputCalibration, "GroupBox_QVAOValaszto", "QVAO választó");
    auto* sv = new QVBoxLayout(selector);
    RadioButton_QVAOModul1 = Radio(selector, "RadioButton_QVAOModul1", "#1: További");
    RadioButton_QVAOModul2 = Radio(selector, "RadioButton_QVAOModul2", "#2: Fő modul");
    sv->addWidget(RadioButton_QVAOModul1);
    sv->addWidget(RadioButton_QVAOModul2);
    oc->addWidget(selector, 0, 0);

    auto* readBack = Group(outputCalibration, "GroupBox_PWMValues", "Kiolvasott PWM értékek:");
    auto* rg = new QGridLayout(readBack);
    const std::pair<const char*, QString> pwmLabels[] = {
        {"Label_PWM4mA", "4 mA ="}, {"Label_PWM20mA", "20 mA ="}, {"Label_PWM10V", "10 V ="}, {"Label_PWM2V", "2 V ="}};
    QLabel** targets[] = {&Label_PWM4mA, &Label_PWM20mA, &Label_PWM10V, &Label_PWM2V};
    for (int i = 0; i < 4; ++i) {
        rg->addWidget(new QLabel(pwmLabels[i].second), i, 0);
        *targets[i] = Label(readBack, pwmLabels[i].first, "?");
        rg->addWidget(*targets[i], i, 1);
    }
    oc->addWidget(readBack, 0, 1);
    SpeedButton_ReadPWMCal = Speed(outputCalibration, "SpeedButton_ReadPWMCal", "Kiolvasás a készülékből");
    oc->addWidget(SpeedButton_ReadPWMCal, 1, 0, 1, 2);
    SpeedButton_PWMForce =
        Speed(outputCalibration, "SpeedButton_PWMForce", "Kimeneti PWM közvetlen vezérlése a kalibráláshoz", 2);
    oc->addWidget(SpeedButton_PWMForce, 2, 0, 1, 2);
    SpeedButton_CheckCurrent = Speed(outputCalibration, "SpeedButton_CheckCurrent", "Ellenőrzés: 12 mA");
    SpeedButton_CheckVoltage = Speed(outputCalibration, "SpeedButton_CheckVoltage", "Ellenőrzés: 5 V");
    SpeedButton_CheckCurrent->setVisible(false);
    SpeedButton_CheckVoltage->setVisible(false);
    oc->addWidget(SpeedButton_CheckCurrent, 3, 0);
    oc->addWidget(SpeedButton_CheckVoltage, 3, 1);

    GroupBox_OutputCal = Group(outputCalibration, "GroupBox_OutputCal", "Kimenet kalibrálás");
    auto* inner = new QGridLayout(GroupBox_OutputCal);
    RadioGroup_KimenetTipusa = new RadioGroup("Kimenet típusa", {"Áram", "Feszültség"}, GroupBox_OutputCal);
    RadioGroup_KimenetTipusa->setObjectName("RadioGroup_KimenetTipusa");
    RadioGroup_KimenetTipusa->setItemIndex(0);
    inner->addWidget(RadioGroup_KimenetTipusa, 0, 0, 1, 2);
    MBarGraph_PWM = new TMBarGraph(GroupBox_OutputCal);
    MBarGraph_PWM->setObjectName("MBarGraph_PWM");
    MBarGraph_PWM->SetMBGValue(0.5);
    MBarGraph_PWM->SetMBGValueFrom(0.25);
    MBarGraph_PWM->SetMBGValueTo(0.75);
    MBarGraph_PWM->setFixedSize(297, 17);
    inner->addWidget(MBarGraph_PWM, 1, 0, 1, 2);
    SpeedButton_CalPWML = Speed(GroupBox_OutputCal, "SpeedButton_CalPWML", "Kalibrálás 4 mA");
    SpeedButton_CalPWMH = Speed(GroupBox_OutputCal, "SpeedButton_CalPWMH", "Kalibrálás 20 mA");
    inner->addWidget(SpeedButton_CalPWML, 2, 0);
    inner->addWidget(SpeedButton_CalPWMH, 2, 1);
    oc->addWidget(GroupBox_OutputCal, 4, 0, 1, 2);
    oc->setRowStretch(5, 1);
    left->addWidget(outputCalibration, 1);
    grid->addLayout(left, 0, 0, 2, 1);

    // Middle: input calibration pages and the live values.
    PageControl2 = new PageControl(TabSheet1);
    PageControl2->setObjectName("PageControl2");
    TabSheet7 = PageControl2->addPage("TabSheet7", "QVAIN");
    TabSheet8 = PageControl2->addPage("TabSheet8", "QVTM");
    PageControl2->setActivePage(TabSheet7);
    grid->addWidget(PageControl2, 0, 1);

    GroupBox_InputCalQVAIN = Group(TabSheet7, "GroupBox_InputCalQVAIN", "Bemenet kalibrálás");
    (new QVBoxLayout(TabSheet7))->addWidget(GroupBox_InputCalQVAIN);
    auto* ic = new QGridLayout(GroupBox_InputCalQVAIN);
    SpeedButton_Cal0mA = Speed(GroupBox_InputCalQVAIN, "SpeedButton_Cal0mA", "Kalibrálás 0 mA");
    SpeedButton_Cal20mA = Speed(GroupBox_InputCalQVAIN, "SpeedButton_Cal20mA", "Kalibrálás 20 mA");
    SpeedButton_Cal0V = Speed(GroupBox_InputCalQVAIN, "SpeedButton_Cal0V", "Kalibrálás 0 V");
    SpeedButton_Cal10V = Speed(GroupBox_InputCalQVAIN, "SpeedButton_Cal10V", "Kalibrálás 10 V");
    SpeedButton_ReadCalIn = Speed(GroupBox_InputCalQVAIN, "SpeedButton_ReadCalIn", "Kiolvasás a készülékből");
    ic->addWidget(SpeedButton_Cal0mA, 0, 0);
    ic->addWidget(SpeedButton_Cal20mA, 0, 1);
    ic->addWidget(SpeedButton_Cal0V, 1, 0);
    ic->addWidget(SpeedButton_Cal10V, 1, 1);
    ic->addWidget(SpeedButton_ReadCalIn, 2, 0, 1, 2);
    ic->setRowStretch(3, 1);

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
    pt->addWidget(SpeedButton_ReadCalPt, 4, 0, 1, 2);
    CheckBox_bPt1000 = CheckBox(TabSheet8, "CheckBox_bPt1000", "Pt 1000 (nem Pt 100)");
    SpeedButton_bPt1000 = Speed(TabSheet8, "SpeedButton_bPt1000", "Készülékbe írás");
    pt->addWidget(CheckBox_bPt1000, 5, 0);
    pt->addWidget(SpeedButton_bPt1000, 5, 1);
    pt->setRowStretch(6, 1);

    GroupBox_SzamitottErtekek = Group(TabSheet1, "GroupBox_SzamitottErtekek", "Számított értékek:");
    auto* live = new QGridLayout(GroupBox_SzamitottErtekek);
    int r = 0;
    auto bar = [&](const QString& caption, TMBarGraph*& target, const char* name) {
        live->addWidget(new QLabel(caption), r, 0);
        target = new TMBarGraph(GroupBox_SzamitottErtekek);
        target->setObjectName(name);
        target->SetMBGValue(0.5);
        target->SetMBGPlusColorAt1(0xFFFF00u);  // aqua
        target->SetMBGValueFrom(0.25);
        target->SetMBGValueTo(0.75);
        target->setFixedSize(180, 17);
        live->addWidget(target, r++, 1);
    };
    bar("AD nyers:", MBarGraph_IRow, "MBarGraph_IRow");
    bar("AD szűrt:", MBarGraph_IAveraged, "MBarGraph_IAveraged");
    auto value = [&](const QString& caption, QLabel*& target, const char* name) {
        live->addWidget(new QLabel(caption), r, 0);
        target = Label(GroupBox_SzamitottErtekek, name, "");
        live->addWidget(target, r++, 1);
    };
    value("Fizikai érték: ", Label_fFizikaiMennyiseg, "Label_fFizikaiMennyiseg");
    value("", Label_fResistanceOfWires, "Label_fResistanceOfWires");
    value("Kimenet százalék:", Label_fKimenetSzazalek, "Label_fKimenetSzazalek");
    value("Kijelzett érték:", Label_iSkalazottKijezesiErtek, "Label_iSkalazottKijezesiErtek");
    value("Bement:", Label_uInputType, "Label_uInputType");
    value("Indításkori jó CRC1:", Label_uCRCOKbits, "Label_uCRCOKbits");
    value("Sikeres mentés1:", Label_uAfterWriteOKbits, "Label_uAfterWriteOKbits");
    value("Indításkori jó CRC2:", Label_uCRCOKbits2, "Label_uCRCOKbits2");
    value("Sikeres mentés2:", Label_uAfterWriteOKbits2, "Label_uAfterWriteOKbits2");
    value("ADC SpS:", Label_uSPS, "Label_uSPS");
    value("FRAM méret:", Label_recFRAMCommon_uSizeKB, "Label_recFRAMCommon_uSizeKB");
    value("Főhurok frekv.:", Label_uMainLoopFrequency, "Label_uMainLoopFrequency");
    live->setRowStretch(r, 1);
    live->setColumnStretch(1, 1);
    grid->addWidget(GroupBox_SzamitottErtekek, 1, 1);

    CreateIdentityGroup();
    grid->addWidget(GroupBox1, 0, 2, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
}

void TForm1::CreateIdentityGroup()
{
    GroupBox1 = Group(TabSheet1, "GroupBox1",
                      "Gyári szám és gyártás év, hónap megadása (uDeviceType, uGyariSzam, uGyariSzamEv, uGyariSzamHonap)");
    auto* v = new QVBoxLayout(GroupBox1);

    auto* edits = new QGridLayout;
    auto edit = [&](int row, const QString& caption, QLineEdit*& target, const char* name, const QString& text) {
        edits->addWidget(new QLabel(caption), row, 0);
        target = new QLineEdit(text, GroupBox1);
        target->setObjectName(QLatin1String(name));
        target->setMaximumWidth(80);
        edits->addWidget(target, row, 1);
    };
    edit(0, "Év:", Edit_GyariSzamEv, "Edit_GyariSzamEv", "12");
    edit(1, "Hónap:", Edit_GyariSzamHonap, "Edit_GyariSzamHonap", "12");
    edit(2, "Gyári szám:", Edit_GyariSzam, "Edit_GyariSzam", "123456");
    Button_GyariSzamPlusz1 = Button(GroupBox1, "Button_GyariSzamPlusz1", "+1");
    Button_GyariSzamMinusz1 = Button(GroupBox1, "Button_GyariSzamMinusz1", "-1");
    edits->addWidget(Button_GyariSzamPlusz1, 2, 2);
    edits->addWidget(Button_GyariSzamMinusz1, 2, 3);
    edits->setColumnStretch(4, 1);
    v->addLayout(edits);

    auto* buttons = new QHBoxLayout;
    Button_GyariSzamToEdits = Button(GroupBox1, "Button_GyariSzamToEdits", "Kiolvasás a készülékből");
    SpeedButton_GyariSzamAKeszulekbe = Speed(GroupBox1, "SpeedButton_GyariSzamAKeszulekbe", "Beírás a készülékbe");
    buttons->addWidget(Button_GyariSzamToEdits);
    buttons->addWidget(SpeedButton_GyariSzamAKeszulekbe);
    v->addLayout(buttons);

    v->addWidget(new QLabel("Készülék választás"));
    ListBox_uDeviceType = new QListWidget(GroupBox1);
    ListBox_uDeviceType->setObjectName("ListBox_uDeviceType");
    ListBox_uDeviceType->addItems({"QV3310", "QV3320", "QV3330", "QV3340", "QV5510", "QV5520 IP", "QV5530", "Teszt"});
    ListBox_uDeviceType->setFixedHeight(ListBox_uDeviceType->sizeHintForRow(0) * 8 + 6);
    v->addWidget(ListBox_uDeviceType);

    auto slot = [&](QGroupBox*& group, const char* name, const QString& caption,
                    std::initializer_list<std::tuple<QRadioButton**, const char*, const char*>> items) {
        group = Group(GroupBox1, name, caption);
        auto* gl = new QVBoxLayout(group);
        gl->setSpacing(1);
        for (const auto& [target, objectName, text] : items) {
            *target = Radio(group, objectName, QString::fromUtf8(text));
            gl->addWidget(*target);
        }
        v->addWidget(group);
    };
    slot(GroupBox_InputModul, "GroupBox_InputModul", "Bemeneti modul (uQVOptIn)",
         {{&RadioButton_InputModulNone, "RadioButton_InputModulNone", "Nincs"},
          {&RadioButton_InputModulQVAIN, "RadioButton_InputModulQVAIN", "QVAIN (analóg bemenet)"},
          {&RadioButton_InputModulQVTMP, "RadioButton_InputModulQVTMP", "QVTMP (hőmérséklet mérő)"},
          {&RadioButton_InputModulQVSER, "RadioButton_InputModulQVSER", "QVSER (RS-485)"}});
    slot(GroupBox_OutputModul2, "GroupBox_OutputModul2", "Kimeneti modul 2 (fő) (uQVOptOut2)",
         {{&RadioButton_OutputModul2None, "RadioButton_OutputModul2None", "Nincs"},
          {&RadioButton_OutputModul2QVAO, "RadioButton_OutputModul2QVAO", "QVAO (analóg kimenet)"},
          {&RadioButton_OutputModul2QVSER, "RadioButton_OutputModul2QVSER", "QVSER (RS-485)"},
          {&RadioButton_OutputModul2QVRO, "RadioButton_OutputModul2QVRO", "QVRO (1 relé)"}});
    slot(GroupBox_OutputModul1, "GroupBox_OutputModul1", "Kimeneti modul 1 (további) (uQVOptOut1)",
         {{&RadioButton_OutputModul1None, "RadioButton_OutputModul1None", "Nincs"},
          {&RadioButton_OutputModul1QVAO, "RadioButton_OutputModul1QVAO", "QVAO (analóg kimenet)"},
          {&RadioButton_OutputModul1QVSER, "RadioButton_OutputModul1QVSER", "QVSER (RS-485)"},
          {&RadioButton_OutputModul1QVRO, "RadioButton_OutputModul1QVRO", "QVRO (1 relé)"}});
    v->addStretch(1);
}

void TForm1::CreateSettingsPages()
{
    // "Beállítások": the trio above the settings groups.
    {
        QVBoxLayout* v = SettingsTrio(TabSheet_Settings, "SpeedButton_ReadSettings", "SpeedButton_ReadDefaultSettings",
                                      "SpeedButton_WriteSettings", SpeedButton_ReadSettings,
                                      SpeedButton_ReadDefaultSettings, SpeedButton_WriteSettings);

        auto* grid = new QGridLayout;
        PageControl_Input = new PageControl(TabSheet_Settings);
        PageControl_Input->setObjectName("PageControl_Input");
        QWidget* ui = PageControl_Input->addPage("TabSheet_InputUI", "UI");
        QWidget* qvtm = PageControl_Input->addPage("TabSheet_InputQVTM", "QVTM");
        PageControl_Input->setActivePage(ui);
        GroupBox_InputTypeAndScale = Group(ui, "GroupBox_InputTypeAndScale", "Bemenet típusa és a bemenet skálázása");
        (new QVBoxLayout(ui))->addWidget(GroupBox_InputTypeAndScale);
        new QGridLayout(GroupBox_InputTypeAndScale);
        GroupBox_PtSensor = Group(qvtm, "GroupBox_PtSensor", "Pt mérőérzékelő");
        (new QVBoxLayout(qvtm))->addWidget(GroupBox_PtSensor);
        new QGridLayout(GroupBox_PtSensor);
        grid->addWidget(PageControl_Input, 0, 0, 2, 1);

        PageControl_Output = new PageControl(TabSheet_Settings);
        PageControl_Output->setObjectName("PageControl_Output");
        QWidget* qvao = PageControl_Output->addPage("TabSheet_OutputQVAO", "QVAO");
        PageControl_Output->setActivePage(qvao);
        GroupBox_AnalogOutput = Group(qvao, "GroupBox_AnalogOutput", "Analóg kimenet");
        (new QVBoxLayout(qvao))->addWidget(GroupBox_AnalogOutput);
        new QGridLayout(GroupBox_AnalogOutput);
        grid->addWidget(PageControl_Output, 0, 1);

        GroupBox_LimitDisplayMode = Group(TabSheet_Settings, "GroupBox_LimitDisplayMode", "Határérték kijelzési mód");
        new QVBoxLayout(GroupBox_LimitDisplayMode);
        grid->addWidget(GroupBox_LimitDisplayMode, 1, 1);

        GroupBox_Display = Group(TabSheet_Settings, "GroupBox_Display", "Kijelző");
        auto* dv = new QGridLayout(GroupBox_Display);
        GroupBox_Bargraph = Group(GroupBox_Display, "GroupBox_Bargraph", "Bargraph");
        new QGridLayout(GroupBox_Bargraph);
        dv->addWidget(GroupBox_Bargraph, 0, 0, 1, 2);
        GroupBox_Decimals = Group(GroupBox_Display, "GroupBox_Decimals", "Tizedesjegyek");
        new QVBoxLayout(GroupBox_Decimals);
        dv->addWidget(GroupBox_Decimals, 1, 0);
        GroupBox_Rounding = Group(GroupBox_Display, "GroupBox_Rounding", "Kerekítés");
        new QVBoxLayout(GroupBox_Rounding);
        dv->addWidget(GroupBox_Rounding, 1, 1);
        grid->addWidget(GroupBox_Display, 0, 2, 2, 1);
        grid->setRowStretch(2, 1);
        v->addLayout(grid, 1);
    }

    // "Határérték kimenetek": the second trio, four limit outputs and their direct control.
    {
        QVBoxLayout* v = SettingsTrio(TabSheet5, "SpeedButton_ReadSettings2", "SpeedButton_ReadDefaultSettings2",
                                      "SpeedButton_WriteSettings2", SpeedButton_ReadSettings2,
                                      SpeedButton_ReadDefaultSettings2, SpeedButton_WriteSettings2);

        auto* limits = new QHBoxLayout;
        QGroupBox** groups[] = {&GroupBox_Limit1, &GroupBox_Limit2, &GroupBox_Limit3, &GroupBox_Limit4};
        for (int i = 0; i < 4; ++i) {
            const QByteArray name = "GroupBox_Limit" + QByteArray::number(i + 1);
            *groups[i] = Group(TabSheet5, name.constData(), QString("%1. határérték kimenet").arg(i + 1));
            new QGridLayout(*groups[i]);
            limits->addWidget(*groups[i]);
        }
        v->addLayout(limits, 1);

        auto* force = Group(TabSheet5, "GroupBox_DigitalOutForce", "Közvetlen vezérlés");
        auto* fg = new QGridLayout(force);
        SpeedButton_DigitalOutForceEng = Speed(force, "SpeedButton_DigitalOutForceEng", "Közvetlen vezérlés", 20);
        fg->addWidget(SpeedButton_DigitalOutForceEng, 0, 0);
        SpeedButton* forceButtons[4];
        QLabel* onLabels[4];
        for (int i = 0; i < 4; ++i) {
            const QByteArray bname = "SpeedButton_DigitalOut" + QByteArray::number(i + 1) + "Force";
            forceButtons[i] = Speed(force, bname.constData(), QString("%1. határérték kimenet").arg(i + 1), 21 + i);
            const QByteArray lname = "Label_DigitalOut" + QByteArray::number(i + 1);
            onLabels[i] = Label(force, lname.constData(), QString("%1. Bekapcsolva").arg(i + 1));
            SetWidgetColors(onLabels[i], clLime, clWindowText);
            onLabels[i]->setVisible(false);
            fg->addWidget(forceButtons[i], 0, 1 + i);
            fg->addWidget(onLabels[i], 1, 1 + i);
        }
        SpeedButton_DigitalOut1Force = forceButtons[0];
        SpeedButton_DigitalOut2Force = forceButtons[1];
        SpeedButton_DigitalOut3Force = forceButtons[2];
        SpeedButton_DigitalOut4Force = forceButtons[3];
        Label_DigitalOut1 = onLabels[0];
        Label_DigitalOut2 = onLabels[1];
        Label_DigitalOut3 = onLabels[2];
        Label_DigitalOut4 = onLabels[3];
        fg->setColumnStretch(5, 1);
        v->addWidget(force);
    }
}

void TForm1::CreateTestsPage()
{
    auto* v = new QVBoxLayout(TabSheet6);
    SpeedButton_EraseFRAM1 = Speed(TabSheet6, "SpeedButton_EraseFRAM1", "Erase FRAM");
    v->addWidget(SpeedButton_EraseFRAM1, 0, Qt::AlignLeft);

    GroupBox_KijelzoTeszt = Group(TabSheet6, "GroupBox_KijelzoTeszt", "Kijelző teszt");
    auto* tg = new QGridLayout(GroupBox_KijelzoTeszt);
    const std::tuple<SpeedButton**, const char*, const char*> tests[] = {
        {&SpeedButton_TestASCII5x7, "SpeedButton_TestASCII5x7", "ASCII-kódok 5x7"},
        {&SpeedButton_TestWhite, "SpeedButton_TestWhite", "Teli fehér"},
        {&SpeedButton_TestFrame, "SpeedButton_TestFrame", "Keret a kijelzőn"},
        {&SpeedButton_TestPattern, "SpeedButton_TestPattern", "Minta"},
        {&SpeedButton_TimeAfterReset, "SpeedButton_TimeAfterReset", "Reset óta eltelt idő"},
        {&SpeedButton_IntADC, "SpeedButton_IntADC", "Belső ADC olvasás"},
    };
    int i = 0;
    for (const auto& [target, name, caption] : tests) {
        *target = Speed(GroupBox_KijelzoTeszt, name, QString::fromUtf8(caption));
        tg->addWidget(*target, i / 3, i % 3);
        ++i;
    }
    tg->addWidget(new QLabel("recTX.uTestForce := 5"), 2, 0, 1, 3);
    v->addWidget(GroupBox_KijelzoTeszt);

    GroupBox_KepernyoKep = Group(TabSheet6, "GroupBox_KepernyoKep", "Képernyő kép");
    auto* ig = new QGridLayout(GroupBox_KepernyoKep);
    SpeedButton_ReadDisplay = Speed(GroupBox_KepernyoKep, "SpeedButton_ReadDisplay", "Kiolvasás a készülékből");
    ig->addWidget(SpeedButton_ReadDisplay, 0, 0, Qt::AlignLeft);
    Image_OLEDNormalSize = Label(GroupBox_KepernyoKep, "Image_OLEDNormalSize", "");
    Image_OLEDNormalSize->setFixedSize(128, 64);
    Image_OLED = Label(GroupBox_KepernyoKep, "Image_OLED", "");
    Image_OLED->setFixedSize(512, 256);
    for (QLabel* image : {Image_OLEDNormalSize, Image_OLED}) {
        image->setFrameShape(QFrame::Box);
        SetWidgetColors(image, clWhite, clBlack);
    }
    ig->addWidget(Image_OLEDNormalSize, 1, 0, Qt::AlignTop);
    ig->addWidget(Image_OLED, 1, 1);
    ig->setColumnStretch(2, 1);
    v->addWidget(GroupBox_KepernyoKep);
    v->addStretch(1);
}
