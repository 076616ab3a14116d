#include "CalibrationPage.h"

#include "common/calibration/CalibrationBinding.h"
#include "PageSheet.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/RequestButtonBinder.h"
#include "ombrik/link/CommandTable.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include <algorithm>

namespace ombrik {

using namespace qs;

using namespace build;

CalibrationPage::CalibrationPage(QWidget* sheet) : QWidget(sheet)
{
    FillSheet(sheet, this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    CreateOptions(this);
    CreateOutputCalibration(this);
    CreateInputCalibration(this);
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
    RadioGroup_InputModul = Named<RadioGroup>(
        GroupBox4, "RadioGroup_InputModul", QStringLiteral("Bemeneti modul"),
        QStringList{"Nincs", "QVAIN (analóg bemenet)", "QVTM (hőmérséklet mérő)"});
    RadioGroup_OutputModul =
        Named<RadioGroup>(GroupBox4, "RadioGroup_OutputModul", QStringLiteral("Kimeneti modul"),
                          QStringList{"Nincs", "QVAO (analóg kimenet)", "QVSER (RS-485)"});
    g->addWidget(RadioGroup_InputModul, 0, 0);
    g->addWidget(RadioGroup_OutputModul, 0, 1);
    AddRequestButtons(
        GroupBox4, g, 1, 0, 2,
        {{&SpeedButton_OptionRead, "SpeedButton_OptionRead", "Kiolvasás a készülékből"},
         {&SpeedButton_OptionWrite, "SpeedButton_OptionWrite", "Beírás a készülékbe"}});
}

void CalibrationPage::CreateOutputCalibration(QWidget* sheet)
{
    GroupBox5 = Named<QGroupBox>(sheet, "GroupBox5", QStringLiteral("Kimenet kalibrálás"));
    auto* g = new QGridLayout(GroupBox5);
    // The checks exclude the read of the calibration points: one group in GroupBox5.
    Output = new OutputCalibrationGroup(GroupBox5, kStripWidth);
    // The two checks side by side and equally wide, together as wide as the direct-drive
    // button above them.
    const OutputCalibrationGroup::Placement output = Output->Controls();
    QWidget* force = output.force;
    QWidget* current = output.checkCurrent;
    QWidget* voltage = output.checkVoltage;
    const int gap = g->horizontalSpacing();
    const int checkWidth = std::max({current->sizeHint().width(), voltage->sizeHint().width(),
                                     (force->sizeHint().width() - gap + 1) / 2});
    force->setFixedWidth(2 * checkWidth + gap);
    g->addWidget(force, 0, 0, 1, 2, Qt::AlignLeft);
    auto* checks = new QHBoxLayout;
    checks->setSpacing(gap);
    for (QWidget* check : {current, voltage}) {
        check->setFixedWidth(checkWidth);
        checks->addWidget(check);
    }
    checks->addStretch(1);
    g->addLayout(checks, 1, 0, 1, 2);
    AddRequestButtons(
        GroupBox5, g, 2, 0, 1,
        {{&SpeedButton_ReadPWMCal, "SpeedButton_ReadPWMCal", "Kiolvasás a készülékből"}});

    GroupBox6 = Named<QGroupBox>(GroupBox5, "GroupBox6", QStringLiteral("Kiolvasott PWM értékek:"));
    auto* points = new QGridLayout(GroupBox6);
    AddValueRows(GroupBox6, points, 0, 0,
                 {{&Label_PWM4mA, "Label_PWM4mA", "4 mA =", "?"},
                  {&Label_PWM20mA, "Label_PWM20mA", "20 mA =", "?"},
                  {&Label_PWM10V, "Label_PWM10V", "10 V =", "?"},
                  {&Label_PWM2V, "Label_PWM2V", "2 V =", "?"}});
    values_.ShowOutputIn({Label_PWM4mA, Label_PWM20mA, Label_PWM2V, Label_PWM10V});  // point order
    points->setColumnStretch(1, 1);
    g->addWidget(GroupBox6, 2, 1, 2, 1);
    g->addWidget(output.group, 4, 0, 1, 2);
    g->setRowStretch(5, 1);
}

void CalibrationPage::CreateInputCalibration(QWidget* sheet)
{
    PageControl2 = Named<PageControl>(sheet, "PageControl2");
    TabSheet7 = PageControl2->addPage("TabSheet7", "QVAIN");
    TabSheet8 = PageControl2->addPage("TabSheet8", "QVTM");
    PageControl2->setActivePage(TabSheet8);

    // Input and Pt calibration: the read in the buttons' column, the labels at least 80
    // pixels wide; the QVAIN group's columns share the spare width, the Pt page's stay.
    Input = new InputCalibrationGroup(
        TabSheet7, QStringLiteral("Bemenet kalibrálás QVAIN"),
        {.readAcrossLabels = false, .stretchColumn = -1, .labelMinimumWidth = 80});
    values_.ShowInputIn(Input->PointLabels());
    Pt = new PtCalibrationGroup(
        TabSheet8, {.readAcrossLabels = false, .stretchColumn = 2, .labelMinimumWidth = 80});
    values_.ShowPtIn(Pt->PointLabels());
}

void CalibrationPage::BindRequests(RequestButtonBinder& requests) const
{
    using mbu::Command;
    Input->BindRequests(requests,
                        {Code(Command::CalIn0mA), Code(Command::CalIn20mA), Code(Command::CalIn0V),
                         Code(Command::CalIn10V), Code(Command::InputCalRead)});
    requests.Bind(Code(Command::OptionsRead), SpeedButton_OptionRead);
    requests.Bind(Code(Command::OptionsWrite), SpeedButton_OptionWrite);
    Output->BindRequests(requests, {Code(Command::CalPwmLow), Code(Command::CalPwmHigh)});
    requests.Bind(Code(Command::PwmCalRead), SpeedButton_ReadPWMCal);
    Pt->BindRequests(requests, {Code(Command::CalPt0Ohm4W), Code(Command::CalPtXOhm4W),
                                Code(Command::CalPt0Ohm3W), Code(Command::CalPtXOhm3W),
                                Code(Command::PtCalRead), Code(Command::Pt1000Write)});
}

void CalibrationPage::FillStatusRequest(MbuStatusRequestInputs& in) const
{
    Output->FillDrive(in);
}

void CalibrationPage::KeepChecks(bool current, bool voltage)
{
    Output->KeepChecks(current, voltage);
}

void CalibrationPage::ShowOptions(const OptionsRecord& options)
{
    RadioGroup_InputModul->setItemIndex(options.inputModuleKind);
    RadioGroup_OutputModul->setItemIndex(options.outputModuleKind);
}

OptionsRecord CalibrationPage::TakeOptions()
{
    for (RadioGroup* g : {RadioGroup_InputModul, RadioGroup_OutputModul})
        if (g->ItemIndex() < 0)
            g->setItemIndex(0);
    return OptionsRecord::FromSelection(RadioGroup_InputModul->ItemIndex(),
                                        RadioGroup_OutputModul->ItemIndex());
}

void CalibrationPage::BindCalibration(qs::CommandBindings<mbu::Command>& bindings,
                                      std::function<bool()> lastPt1000)
{
    qs::BindCalibration(bindings, values_, *Output, *Pt, std::move(lastPt1000));
}

void CalibrationPage::PressReads()
{
    // Each press releases the other buttons of its group: a pending input or Pt calibration,
    // the Pt1000 write, a check.
    SpeedButton_OptionRead->SetDown(true);
    Input->PressRead();
    SpeedButton_ReadPWMCal->SetDown(true);
    Pt->PressRead();
}

}  // namespace ombrik
