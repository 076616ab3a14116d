#include "CalibrationPage.h"

#include "Controls.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace ombrik {

namespace {

QLabel* PointLabel(QWidget* parent, const char* name)
{
    auto* label = Named<QLabel>(parent, name, QStringLiteral("?"));
    label->setMinimumWidth(80);
    return label;
}

}  // namespace

CalibrationPage::CalibrationPage(QWidget* sheet) : QObject(sheet)
{
    auto* grid = new QGridLayout(sheet);
    grid->setContentsMargins(4, 4, 4, 4);
    CreateOptions(sheet);
    CreateOutputCalibration(sheet);
    CreateInputCalibration(sheet);
    grid->addWidget(GroupBox4, 0, 0);
    grid->addWidget(GroupBox5, 1, 0);
    grid->addWidget(PageControl2, 0, 1, 2, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

void CalibrationPage::CreateOptions(QWidget* sheet)
{
    GroupBox4 = Named<QGroupBox>(sheet, "GroupBox4", QStringLiteral("Opciók"));
    auto* g = new QGridLayout(GroupBox4);
    RadioGroup_InputModul =
        Named<RadioGroup>(GroupBox4, "RadioGroup_InputModul", QStringLiteral("Bemeneti modul"),
                          QStringList{"Nincs", "QVAIN (analóg bemenet)", "QVTM (hőmérséklet mérő)"});
    RadioGroup_OutputModul = Named<RadioGroup>(GroupBox4, "RadioGroup_OutputModul", QStringLiteral("Kimeneti modul"),
                                               QStringList{"Nincs", "QVAO (analóg kimenet)", "QVSER (RS-485)"});
    g->addWidget(RadioGroup_InputModul, 0, 0);
    g->addWidget(RadioGroup_OutputModul, 0, 1);
    AddRequestButtons(GroupBox4, g, 1, 0, 2,
                      {{&SpeedButton_OptionRead, "SpeedButton_OptionRead", "Kiolvasás a készülékből"},
                       {&SpeedButton_OptionWrite, "SpeedButton_OptionWrite", "Beírás a készülékbe"}});
}

void CalibrationPage::CreateOutputCalibration(QWidget* sheet)
{
    GroupBox5 = Named<QGroupBox>(sheet, "GroupBox5", QStringLiteral("Kimenet kalibrálás"));
    auto* g = new QGridLayout(GroupBox5);
    // The checks exclude the read of the calibration points: one group in GroupBox5.
    Output = new OutputCalibrationGroup(GroupBox5, kStripWidth);
    g->addWidget(Output->SpeedButton_PWMForce, 0, 0, 1, 2);
    g->addWidget(Output->SpeedButton_CheckCurrent, 1, 0);
    g->addWidget(Output->SpeedButton_CheckVoltage, 1, 1);
    AddRequestButtons(GroupBox5, g, 2, 0, 1,
                      {{&SpeedButton_ReadPWMCal, "SpeedButton_ReadPWMCal", "Kiolvasás a készülékből"}});

    GroupBox6 = Named<QGroupBox>(GroupBox5, "GroupBox6", QStringLiteral("Kiolvasott PWM értékek:"));
    auto* points = new QGridLayout(GroupBox6);
    AddValueRows(GroupBox6, points, 0, 0,
                 {{&Label_PWM4mA, "Label_PWM4mA", "4 mA =", "?"},
                  {&Label_PWM20mA, "Label_PWM20mA", "20 mA =", "?"},
                  {&Label_PWM10V, "Label_PWM10V", "10 V =", "?"},
                  {&Label_PWM2V, "Label_PWM2V", "2 V =", "?"}});
    points->setColumnStretch(1, 1);
    g->addWidget(GroupBox6, 2, 1, 2, 1);
    g->addWidget(Output->GroupBox_OutputCal, 4, 0, 1, 2);
    g->setRowStretch(5, 1);
}

void CalibrationPage::CreateInputCalibration(QWidget* sheet)
{
    PageControl2 = Named<PageControl>(sheet, "PageControl2");
    TabSheet7 = PageControl2->addPage("TabSheet7", "QVAIN");
    TabSheet8 = PageControl2->addPage("TabSheet8", "QVTM");
    PageControl2->setActivePage(TabSheet8);

    GroupBox_InputCalQVAIN =
        Named<QGroupBox>(TabSheet7, "GroupBox_InputCalQVAIN", QStringLiteral("Bemenet kalibrálás QVAIN"));
    (new QVBoxLayout(TabSheet7))->addWidget(GroupBox_InputCalQVAIN);
    QWidget* qvain = GroupBox_InputCalQVAIN;
    auto* in = new QGridLayout(qvain);
    AddRequestButtons(qvain, in, 0, 0, 1,
                      {{&SpeedButton_Cal0mA, "SpeedButton_Cal0mA", "Kalibrálás 0 mA"},
                       {&SpeedButton_Cal20mA, "SpeedButton_Cal20mA", "Kalibrálás 20 mA"},
                       {&SpeedButton_Cal0V, "SpeedButton_Cal0V", "Kalibrálás 0 V"},
                       {&SpeedButton_Cal10V, "SpeedButton_Cal10V", "Kalibrálás 10 V"},
                       {&SpeedButton_ReadCalIn, "SpeedButton_ReadCalIn", "Kiolvasás a készülékből"}});
    int row = 0;
    for (auto [target, name] : {std::pair{&Label_RAM1_iCalLow1, "Label_RAM1_iCalLow1"},
                                {&Label_RAM1_iCalHigh1, "Label_RAM1_iCalHigh1"},
                                {&Label_RAM1_iCalLow2, "Label_RAM1_iCalLow2"},
                                {&Label_RAM1_iCalHigh2, "Label_RAM1_iCalHigh2"}}) {
        *target = PointLabel(qvain, name);
        in->addWidget(*target, row++, 1);
    }
    in->setRowStretch(5, 1);

    auto* pt = new QGridLayout(TabSheet8);
    pt->addWidget(new QLabel(QStringLiteral("4 vezetékkel kell bekötni a kalibrátort!"), TabSheet8), 0, 0, 1, 2);
    pt->addWidget(new QLabel(QStringLiteral("3 vezetékkel kell bekötni a kalibrátort!"), TabSheet8), 3, 0, 1, 2);
    AddRequestButtons(TabSheet8, pt, 1, 0, 1,
                      {{&SpeedButton_iCalPt0ohm4W, "SpeedButton_iCalPt0ohm4W", "Kalibrálás 0 ohm"},
                       {&SpeedButton_iCalPtXohm4W, "SpeedButton_iCalPtXohm4W", "Kalibrálás 300 ohm"}});
    AddRequestButtons(TabSheet8, pt, 4, 0, 1,
                      {{&SpeedButton_iCalPt0ohm3W, "SpeedButton_iCalPt0ohm3W", "Kalibrálás 0 ohm"},
                       {&SpeedButton_iCalPtXohm3W, "SpeedButton_iCalPtXohm3W", "Kalibrálás 300 ohm"},
                       {&SpeedButton_ReadCalPt, "SpeedButton_ReadCalPt", "Kiolvasás a készülékből"}});
    for (auto [target, name, row] : {std::tuple{&Label_iCalPt0ohm4W, "Label_iCalPt0ohm4W", 1},
                                     {&Label_iCalPtXohm4W, "Label_iCalPtXohm4W", 2},
                                     {&Label_iCalPt0ohm3W, "Label_iCalPt0ohm3W", 4},
                                     {&Label_iCalPtXohm3W, "Label_iCalPtXohm3W", 5}}) {
        *target = PointLabel(TabSheet8, name);
        pt->addWidget(*target, row, 1);
    }
    CheckBox_bPt1000 = Named<QCheckBox>(TabSheet8, "CheckBox_bPt1000", QStringLiteral("Pt 1000 (nem Pt 100)"));
    pt->addWidget(CheckBox_bPt1000, 7, 0);
    AddRequestButtons(TabSheet8, pt, 7, 1, 1, {{&SpeedButton_bPt1000, "SpeedButton_bPt1000", "Készülékbe írás"}});
    pt->setRowStretch(8, 1);
    pt->setColumnStretch(2, 1);
}

void CalibrationPage::FillOutputDrive(OutputDriveInputs& in) const
{
    in.pwmForceDown = Output->SpeedButton_PWMForce->IsDown();
    in.currentOutputSelected = Output->CurrentOutputSelected();
    in.checkCurrentDown = Output->SpeedButton_CheckCurrent->IsDown();
    in.checkVoltageDown = Output->SpeedButton_CheckVoltage->IsDown();
}

void CalibrationPage::PressReads()
{
    // Each press releases the other buttons of its group: a pending input or Pt calibration,
    // the Pt1000 write, a check.
    for (SpeedButton* read : {SpeedButton_OptionRead, SpeedButton_ReadCalIn, SpeedButton_ReadPWMCal, SpeedButton_ReadCalPt})
        read->SetDown(true);
}

}  // namespace ombrik
