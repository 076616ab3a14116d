#include "CalibrationPage.h"

#include "common/calibration/CalibrationBinding.h"
#include "common/status/LiveValues.h"
#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/ui/TColor.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"
#include "common/numbers/StatusTexts.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

CalibrationPage::CalibrationPage(QWidget* sheet) : QObject(sheet)
{
    grid_ = new QGridLayout(sheet);
    QGridLayout* grid = grid_;
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);

    // Left column: options and output calibration.
    auto* left = new QVBoxLayout;
    GroupBox_Opciok = Group(sheet, "GroupBox_Opciok", "Opciók");
    GroupBox_Opciok->setMinimumHeight(40);
    GroupBox_Opciok->setFixedWidth(kLeftWidth);
    left->addWidget(GroupBox_Opciok);

    // "Kimenet kalibrálás": the read-back, the direct drive and its checks share one group;
    // the calibration points sit in the inner group.
    auto* outputCalibration = Group(sheet, "GroupBox_OutputCalibration", "Kimenet kalibrálás");
    auto* oc = new QGridLayout(outputCalibration);
    oc->setContentsMargins(4, 4, 4, 4);
    auto* selector = Group(outputCalibration, "GroupBox_QVAOValaszto", "QVAO választó");
    auto* sv = new QVBoxLayout(selector);
    RadioButton_QVAOModul1 = Radio(selector, "RadioButton_QVAOModul1", "#1: További");
    RadioButton_QVAOModul2 = Radio(selector, "RadioButton_QVAOModul2", "#2: Fő modul");
    sv->addWidget(RadioButton_QVAOModul1);
    sv->addWidget(RadioButton_QVAOModul2);
    oc->addWidget(selector, 0, 0);

    auto* readBack = Group(outputCalibration, "GroupBox_PWMValues", "Kiolvasott PWM értékek:");
    auto* rg = new QGridLayout(readBack);
    const std::pair<const char*, QString> pwmLabels[] = {{"Label_PWM4mA", "4 mA ="},
                                                         {"Label_PWM20mA", "20 mA ="},
                                                         {"Label_PWM10V", "10 V ="},
                                                         {"Label_PWM2V", "2 V ="}};
    QLabel** targets[] = {&Label_PWM4mA, &Label_PWM20mA, &Label_PWM10V, &Label_PWM2V};
    for (int i = 0; i < 4; ++i) {
        rg->addWidget(new QLabel(pwmLabels[i].second), i, 0);
        *targets[i] = Label(readBack, pwmLabels[i].first, "?");
        rg->addWidget(*targets[i], i, 1);
    }
    Values.ShowOutputIn({Label_PWM4mA, Label_PWM20mA, Label_PWM2V, Label_PWM10V});  // point order
    oc->addWidget(readBack, 0, 1);
    SpeedButton_ReadPWMCal =
        Speed(outputCalibration, "SpeedButton_ReadPWMCal", "Kiolvasás a készülékből");
    oc->addWidget(SpeedButton_ReadPWMCal, 1, 0, 1, 2);
    // Direct drive, its checks (one group with the read button) and the calibration group.
    Output = new OutputCalibrationGroup(outputCalibration, kStripWidth);
    const OutputCalibrationGroup::Placement output = Output->Controls();
    oc->addWidget(output.force, 2, 0, 1, 2);
    oc->addWidget(output.checkCurrent, 3, 0);
    oc->addWidget(output.checkVoltage, 3, 1);
    oc->addWidget(output.group, 4, 0, 1, 2);
    oc->setRowStretch(5, 1);
    // The step buttons wide enough for "++++" in either font family.
    Output->SetStepButtonWidth(kStepButtonWidth);
    outputCalibration->setFixedWidth(kLeftWidth);
    left->addWidget(outputCalibration, 1);
    grid->addLayout(left, 0, 0, 2, 1);

    // Middle: input calibration pages and the live values.
    PageControl2 = new PageControl(sheet);
    PageControl2->setObjectName("PageControl2");
    TabSheet7 = PageControl2->addPage("TabSheet7", "QVAIN");
    TabSheet8 = PageControl2->addPage("TabSheet8", "QVTM");
    PageControl2->setActivePage(TabSheet7);
    PageControl2->setFixedWidth(kMiddleWidth);
    grid->addWidget(PageControl2, 0, 1);

    // Input and Pt calibration: the read spans both columns, the labels take the spare width.
    const CalibrationGroupLayout layout{
        .readAcrossLabels = true, .stretchColumn = 1, .labelMinimumWidth = 0};
    Input = new InputCalibrationGroup(TabSheet7, "Bemenet kalibrálás", layout);
    Values.ShowInputIn(Input->PointLabels());
    Pt = new PtCalibrationGroup(TabSheet8, layout);
    Values.ShowPtIn(Pt->PointLabels());

    GroupBox_SzamitottErtekek = Group(sheet, "GroupBox_SzamitottErtekek", "Számított értékek:");
    auto* live = new QGridLayout(GroupBox_SzamitottErtekek);
    live->setContentsMargins(6, 6, 6, 6);
    int r = 0;
    auto bar = [&](const QString& caption, TMBarGraph*& target, const char* name) {
        live->addWidget(new QLabel(caption), r, 0);
        target = new TMBarGraph(GroupBox_SzamitottErtekek);
        target->setObjectName(name);
        target->SetFormValues();
        target->SetMBGPlusColorAt1(0xFFFF00u);  // aqua
        target->setFixedSize(180, 17);
        live->addWidget(target, r++, 1);
    };
    bar("AD nyers:", MBarGraph_IRow, "MBarGraph_IRow");
    bar("AD szűrt:", MBarGraph_IAveraged, "MBarGraph_IAveraged");
    auto value = [&](const QString& caption, QLabel*& target, const char* name) {
        live->addWidget(new QLabel(caption), r, 0);
        target = Label(GroupBox_SzamitottErtekek, name, "");
        target->setMinimumWidth(1);  // a long value is cut at the group's edge
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
    GroupBox_SzamitottErtekek->setFixedWidth(kMiddleWidth);
    grid->addWidget(GroupBox_SzamitottErtekek, 1, 1);

    // The left and middle columns have fixed widths, so nothing shown or hidden in them (the
    // direct drive's group, say) moves a column; the identity group takes the rest.
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
}

void CalibrationPage::PlaceIdentityGroup(QWidget* group)
{
    // The rest of the page's width, whatever its title needs.
    group->setSizePolicy(QSizePolicy::Ignored, group->sizePolicy().verticalPolicy());
    grid_->addWidget(group, 0, 2, 2, 1);
}

void CalibrationPage::PressEntryReads()
{
    Input->PressRead();
    SpeedButton_ReadPWMCal->SetDown(true);
    Pt->PressRead();
}

void CalibrationPage::BindCalibration(qs::CommandBindings<Command>& bindings,
                                      std::function<bool()> lastPt1000)
{
    qs::BindCalibration(bindings, Values, *Output, *Pt, std::move(lastPt1000));
}

void CalibrationPage::BindRequests(RequestButtons& requests)
{
    Input->BindRequests(requests,
                        {KeyCalIn0mA, KeyCalIn20mA, KeyCalIn0V, KeyCalIn10V, KeyInputCalRead});
    Output->BindRequests(requests, {KeyCalPwmLow, KeyCalPwmHigh});
    requests.Bind(KeyPwmCalRead, SpeedButton_ReadPWMCal);
    Pt->BindRequests(requests, {KeyCalPt0Ohm4W, KeyCalPtXOhm4W, KeyCalPt0Ohm3W, KeyCalPtXOhm3W,
                                KeyPtCalRead, KeyPt1000Write});
}

void CalibrationPage::FillStatusRequest(StatusRequestInputs& in) const
{
    Output->FillDrive(in);
    in.qvaoModule1Selected = RadioButton_QVAOModul1->isChecked();
}

void CalibrationPage::ApplyStatusButtons(const StatusRequestButtons& buttons)
{
    Output->SetChecks(buttons.checkCurrentDown, buttons.checkVoltageDown);
}

void CalibrationPage::ShowStatus(const StatusRecord& r, const QString& shown)
{
    const std::string sep = LocaleDecimalSeparator();
    // Converter readings, input description, physical value, output level, displayed value.
    const LiveValueControls live{MBarGraph_IRow,         MBarGraph_IAveraged,
                                 Label_uInputType,       Label_fFizikaiMennyiseg,
                                 Label_fKimenetSzazalek, Label_iSkalazottKijezesiErtek};
    const std::string unit =
        live.Show(r, r.uQVOptIn, {"Pt1000 PIC modul", "Pt100 PIC modul"}, shown).unit;
    // Memory states, converter rate, memory size; each text made only when it changes.
    const auto bits = [](QLabel* label, std::uint8_t value) {
        labeltext::Set(
            label, [&] { return Utf8(MemoryOkBitsText(value)); }, value);
    };
    bits(Label_uCRCOKbits, r.uCRCOKbits);
    bits(Label_uAfterWriteOKbits, r.uAfterWriteOKbits);
    labeltext::Set(
        Label_uSPS, [&] { return QString::number(r.uSPS); }, r.uSPS);
    labeltext::Set(
        Label_recFRAMCommon_uSizeKB, [&] { return QString::number(r.uFRAMSizeKB) + " kB"; },
        r.uFRAMSizeKB);
    bits(Label_uCRCOKbits2, r.uCRCOKbits2);
    bits(Label_uAfterWriteOKbits2, r.uAfterWriteOKbits2);
    // Lead resistance.
    labeltext::Set(
        Label_fResistanceOfWires,
        [&] {
            if (r.bPt1000)
                return Utf8(FormatFloat(r.fResistanceOfWires, "#0.00", sep));
            return Utf8("Rvez = " + FormatFloat(r.fResistanceOfWires, "#0.000", sep) + " " + unit);
        },
        r.bPt1000, r.fResistanceOfWires, sep, unit);
    labeltext::Set(
        Label_uMainLoopFrequency,
        [&] { return Utf8(FormatInteger(r.uMainLoopFrequency, "# ### ##0", sep)); },
        r.uMainLoopFrequency);
}

}  // namespace korvel
