// The status poll: the request built from the factory pages' test and force controls, and
// the reply applied to the header, the error flags, the live values and the indicators.
#include "FormMain.h"
#include "ModuleDialog.h"
#include "UiBuild.h"

#include "StatusRecord.h"
#include "numbers/LocaleSeparators.h"
#include "numbers/PictureFormat.h"
#include "numbers/Rounding.h"
#include "numbers/StatusTexts.h"

#include <QCheckBox>

using uibuild::Q;

void TForm1::BindStatusPoll()
{
    RequestEncoders[scheduler::kStatusPoll] = [this] { PutStatusRequestFromControls(); };
    ReplyDecoders[scheduler::kStatusPoll] = [this] { ApplyStatusRecord(); };
}

void TForm1::SetDecimalFormat(int decimals)
{
    Decimals.SetDecimalFormat(decimals);  // a count outside 0..4 keeps the format as it was
}

void TForm1::PutStatusRequestFromControls()
{
    auto* relay = qobject_cast<TForm_QVRO*>(FindForm("Form_QVRO"));
    StatusRequestInputs in;
    in.pwmForceDown = SpeedButton_PWMForce->IsDown();
    in.currentOutputSelected = RadioGroup_KimenetTipusa->ItemIndex() == 0;
    in.checkCurrentDown = SpeedButton_CheckCurrent->IsDown();
    in.checkVoltageDown = SpeedButton_CheckVoltage->IsDown();
    in.qvaoModule1Selected = RadioButton_QVAOModul1->isChecked();
    in.pwmValue = PWMValue;
    QWidget* page = PageControl4->activePage();
    in.activePage = page == TabSheet_5510   ? ActiveModelPage::QV5510
                    : page == TabSheet_5530 ? ActiveModelPage::QV5530
                                            : ActiveModelPage::Other;
    in.qv5510TestTicked = CheckBox_KijelzoTeszt_QV5510->isChecked();
    in.testPattern = TestPattern;
    const SpeedButton* tests[] = {SpeedButton_TestASCII5x7, SpeedButton_TestWhite,    SpeedButton_TestFrame,
                                  SpeedButton_TestPattern,  SpeedButton_TimeAfterReset, SpeedButton_IntADC};
    for (std::size_t i = 0; i < 6; ++i)
        in.displayTestDown[i] = tests[i]->IsDown();
    SpeedButton* force[] = {SpeedButton_DigitalOut1Force, SpeedButton_DigitalOut2Force, SpeedButton_DigitalOut3Force,
                            SpeedButton_DigitalOut4Force};
    in.digitalOutForceEngDown = SpeedButton_DigitalOutForceEng->IsDown();
    for (std::size_t i = 0; i < 4; ++i)
        in.digitalOutForceDown[i] = force[i]->IsDown();
    if (relay) {
        in.relayTestTicked = relay->CheckBox_DigitalOutForceEng->isChecked();
        in.relayForceDown = relay->SpeedButton_DigitalOut1Force->IsDown();
    }
    in.moduleSlot = ModuleSlot;
    in.lastErrorBits = LastStatus.uErrorBits;
    in.lastDigitalOutputs = LastStatus.uDigitalOutputs;

    const StatusRequestBuild built = BuildStatusRequest(in);
    SpeedButton_CheckCurrent->SetDown(built.buttons.checkCurrentDown);
    SpeedButton_CheckVoltage->SetDown(built.buttons.checkVoltageDown);
    for (std::size_t i = 0; i < 4; ++i)
        force[i]->SetDown(built.buttons.digitalOutForceDown[i]);
    if (relay)
        relay->SpeedButton_DigitalOut1Force->SetDown(built.buttons.relayForceDown);
    PutStatusRequest(Transfer, built.request);
}

void TForm1::ApplyStatusRecord()
{
    const StatusRecord r = ReadStatusRecord(Transfer);
    LastStatus = r;
    const std::string sep = LocaleDecimalSeparator();

    // 1. Serial number with the production year and month.
    Label_KeszulekGyariSzam->setText(Q(FormatInteger(DeviceID, "000000", sep) + "/" +
                                       FormatInteger(r.uGyariSzamEv, "00", sep) + "." +
                                       FormatInteger(r.uGyariSzamHonap, "00", sep)));
    // 2. Converter readings.
    MBarGraph_IRow->SetMBGValue(r.iADRaw / 8388607.0);
    MBarGraph_IRow->SetMBGText(Q(FormatInteger(r.iADRaw, "# ### ##0", sep)));
    MBarGraph_IAveraged->SetMBGValue(r.iADAveraged / 8388607.0);
    MBarGraph_IAveraged->SetMBGText(Q(FormatInteger(r.iADAveraged, "# ### ##0", sep)));
    // 3. Error flags.
    QLabel* flags[] = {Label_cErrorUncalibratedInput, Label_cErrorUncalibratedOutput, Label_cErrorOutputRange,
                       Label_cErrorFRAM,              Label_cErrorInputRange,         Label_cErrorInputModul,
                       Label_cErrorRSTimeOut};
    for (int bit = 0; bit < 7; ++bit)
        SetWidgetColors(flags[bit], (r.uErrorBits >> bit) & 1u ? clRed : clBtnFace, clWindowText);
    // 4. Input description, unit and format.
    std::string unit;
    std::string format;
    if (r.uQVOptIn == 1) {
        static const char* const kTypes[] = {"Áram: 4 - 20 mA", "Áram: 0 - 20 mA", "Feszültség: 0 - 10 V",
                                             "Feszültség: 0 - 5 V", "Feszültség: 2 - 10 V"};
        if (r.uInputType <= 4) {
            Label_uInputType->setText(QString::fromUtf8(kTypes[r.uInputType]));
            unit = r.uInputType <= 1 ? "mA" : "V";
        }
    } else if (r.uQVOptIn == 2) {
        Label_uInputType->setText(r.bPt1000 ? "Pt1000 PIC modul" : "Pt100 PIC modul");
        unit = "ohm";
        format = r.bPt1000 ? "#0.00" : "#0.000";
    }
    // 5. The decimal places set the scaled format of the whole window.
    SetDecimalFormat(r.uDecimals);
    // 6-8. Physical value, output level, displayed value.
    Label_fFizikaiMennyiseg->setText(Q(FormatFloat(r.fFizikaiMennyiseg, format, sep) + " " + unit));
    Label_fKimenetSzazalek->setText(Q(FormatFloat(r.fKimenetSzazalek, "#0.000", sep)));
    MBarGraph_OutputPercent->SetMBGValue(r.fKimenetSzazalek);
    MBarGraph_OutputPercent->SetMBGText(
        QString::number(RoundToInt32Saturated(static_cast<double>(r.fKimenetSzazalek) * 100.0)) + "%");
    const QString shown = Q(Decimals.Format(r.iSkalazottKijezesiErtek, sep));
    Label_iSkalazottKijezesiErtek->setText(shown);
    Label_iSkalazottKijezesiErtek2->setText(shown);
    // 9-11. Memory states, converter rate, sensor, memory size, operating time.
    Label_uCRCOKbits->setText(Q(MemoryOkBitsText(r.uCRCOKbits)));
    Label_uAfterWriteOKbits->setText(Q(MemoryOkBitsText(r.uAfterWriteOKbits)));
    Label_uSPS->setText(QString::number(r.uSPS));
    if (auto* qvtmp = qobject_cast<TForm_QVTMP*>(FindForm("Form_QVTMP")))
        qvtmp->Label_bPt1000->setText(r.bPt1000 ? "Pt 1000" : "Pt 100");
    Label_recFRAMCommon_uSizeKB->setText(QString::number(r.uFRAMSizeKB) + " kB");
    Label_uSecondsOfOperation->setText(Q(SecondsToText(r.uSecondsOfOperation)));
    Label_uCRCOKbits2->setText(Q(MemoryOkBitsText(r.uCRCOKbits2)));
    Label_uAfterWriteOKbits2->setText(Q(MemoryOkBitsText(r.uAfterWriteOKbits2)));
    // 12. Lead resistance.
    if (r.bPt1000)
        Label_fResistanceOfWires->setText(Q(FormatFloat(r.fResistanceOfWires, "#0.00", sep)));
    else
        Label_fResistanceOfWires->setText(Q("Rvez = " + FormatFloat(r.fResistanceOfWires, "#0.000", sep) + " " + unit));
    // 13. Limit outputs and relay lamps.
    QLabel* outputs[] = {Label_DigitalOut1, Label_DigitalOut2, Label_DigitalOut3, Label_DigitalOut4};
    for (int n = 0; n < 4; ++n)
        outputs[n]->setVisible((r.uDigitalOutputs >> n) & 1u);
    const TColor orange = 0x4080FFu;
    const bool out1 = r.uDigitalOutputs & 1u;
    const bool out2 = r.uDigitalOutputs & 2u;
    Shape_DigitalOut1_QV5510->setBrushColor(out1 ? orange : clBtnFace);
    Shape_DigitalOut1_QV3320->setBrushColor(out1 ? orange : clBtnFace);
    Shape_DigitalOut2_QV5510->setBrushColor(out2 ? orange : clBtnFace);
    Shape_DigitalOut2_QV3320->setBrushColor(out2 ? orange : clBtnFace);
    // 14. Relay dialog, for the output of its slot.
    if (auto* relay = qobject_cast<TForm_QVRO*>(FindForm("Form_QVRO"))) {
        const bool on = (r.uDigitalOutputs >> (ModuleSlot == 1 ? 0 : 1)) & 1u;
        relay->Label_DigitalOutOn->setEnabled(on);
        relay->Label_DigitalOutOff->setEnabled(!on);
        SetWidgetColors(relay->Label_DigitalOutOn, on ? clLime : clBtnFace, clWindowText);
        SetWidgetColors(relay->Label_DigitalOutOff, on ? clBtnFace : clRed, clWindowText);
    }
    // 15. Keys.
    Label_SWRight->setVisible(r.uKeys & 1u);
    Label_SWUp->setVisible(r.uKeys & 2u);
    Label_SWLeft->setVisible(r.uKeys & 4u);
    // 16. Main-loop frequency.
    Label_uMainLoopFrequency->setText(Q(FormatInteger(r.uMainLoopFrequency, "# ### ##0", sep)));
}
