// The records of Ombrik's commands bound to the window: the status poll both ways, the
// options, the calibration points, the Pt1000 choice, the settings parts and the display's
// row pairs.
#include "OmbrikWindow.h"

#include "MbuStatusRequest.h"
#include "OptionsRecord.h"
#include "pages/CalibrationPage.h"
#include "pages/DevicePages.h"
#include "pages/LiveValuesGroup.h"
#include "MbuSession.h"
#include "SettingsParts.h"
#include "numbers/LocaleSeparators.h"
#include "numbers/PictureFormat.h"
#include "ui/Named.h"

#include <array>

using namespace mbu;

namespace ombrik {

namespace {

// Calibration points as shown: converter points "# ### ##0", PWM points "## ##0".
template <typename T>
void ShowPoint(QLabel* label, T value)
{
    const char* picture = std::is_same_v<T, std::uint16_t> ? "## ##0" : "# ### ##0";
    label->setText(Utf8(FormatInteger(value, picture, LocaleDecimalSeparator())));
}

// A family of four points: the read keeps and shows all four; each taking command given
// (none, or one a point) keeps and shows its own point.
template <typename Points>
void BindPoints(std::map<Command, std::function<void(ByteReader&)>>& decoders, Points& kept,
                const std::array<QLabel*, 4>& labels, Command read, std::initializer_list<Command> takes = {})
{
    using Single = CalibrationPoints<typename decltype(Points::points)::value_type, 1>;
    std::size_t i = 0;
    for (const Command take : takes) {
        decoders[take] = [&kept, label = labels[i], i](ByteReader& r) {
            kept.points[i] = Single::Decode(r).points[0];
            ShowPoint(label, kept.points[i]);
        };
        ++i;
    }
    decoders[read] = [&kept, labels](ByteReader& r) {
        kept = Points::Decode(r);
        for (std::size_t i = 0; i < labels.size(); ++i)
            ShowPoint(labels[i], kept.points[i]);
    };
}

}  // namespace

void OmbrikWindow::BindCommands()
{
    CalibrationPage& c = *Calibration;
    RequestEncoders[CmdStatusPoll] = [this](ByteWriter& w) { BuildStatusRequest(w); };
    ReplyDecoders[CmdStatusPoll] = [this](ByteReader& r) { ApplyStatus(MbuStatusRecord::Decode(r)); };

    ReplyDecoders[CmdOptionsRead] = [this, &c](ByteReader& r) {
        const OptionsRecord o = OptionsRecord::Decode(r);
        InputModuleKind = o.inputModuleKind;
        OutputModuleKind = o.outputModuleKind;
        c.RadioGroup_InputModul->setItemIndex(o.inputModuleKind);
        c.RadioGroup_OutputModul->setItemIndex(o.outputModuleKind);
    };
    RequestEncoders[CmdOptionsWrite] = [&c](ByteWriter& w) {
        // A group with no selection is set to "Nincs" and sent as such.
        for (RadioGroup* g : {c.RadioGroup_InputModul, c.RadioGroup_OutputModul})
            if (g->ItemIndex() < 0)
                g->setItemIndex(0);
        OptionsRecord::FromSelection(c.RadioGroup_InputModul->ItemIndex(), c.RadioGroup_OutputModul->ItemIndex())
            .Encode(w);
    };

    BindPoints(ReplyDecoders, InputPoints,
               {c.Label_RAM1_iCalLow1, c.Label_RAM1_iCalHigh1, c.Label_RAM1_iCalLow2, c.Label_RAM1_iCalHigh2},
               CmdInputCalRead, {CmdCalIn0mA, CmdCalIn20mA, CmdCalIn0V, CmdCalIn10V});
    BindPoints(ReplyDecoders, PtPoints,
               {c.Label_iCalPt0ohm4W, c.Label_iCalPtXohm4W, c.Label_iCalPt0ohm3W, c.Label_iCalPtXohm3W},
               CmdPtCalRead, {CmdCalPt0Ohm4W, CmdCalPtXOhm4W, CmdCalPt0Ohm3W, CmdCalPtXOhm3W});
    // The Pt read also shows the Pt1000 flag, from the last poll.
    ReplyDecoders[CmdPtCalRead] = [this, &c, read = ReplyDecoders[CmdPtCalRead]](ByteReader& r) {
        read(r);
        c.CheckBox_bPt1000->setChecked(LastStatus.bPt1000);
    };
    RequestEncoders[CmdPt1000Write] = [&c](ByteWriter& w) { Pt1000Choice{c.CheckBox_bPt1000->isChecked()}.Encode(w); };
    SettingsIO = new SettingsParts(*this);
    BindDisplay();

    const std::array<QLabel*, 4> pwmLabels{c.Label_PWM4mA, c.Label_PWM20mA, c.Label_PWM2V, c.Label_PWM10V};
    BindPoints(ReplyDecoders, OutputPoints, pwmLabels, CmdPwmCalRead);
    // The low and high points go to the current or the voltage points by the output type
    // selected when the reply arrives.
    for (const auto& [command, currentPoint, voltagePoint] :
         {std::tuple{CmdCalPwmLow, output_cal::PWM4mA, output_cal::PWM2V},
          std::tuple{CmdCalPwmHigh, output_cal::PWM20mA, output_cal::PWM10V}}) {
        ReplyDecoders[command] = [this, &c, pwmLabels, currentPoint, voltagePoint](ByteReader& r) {
            const std::size_t point = c.Output->CurrentOutputSelected() ? currentPoint : voltagePoint;
            OutputPoints.points[point] = PwmCalibrationPoint::Decode(r).points[0];
            ShowPoint(pwmLabels[point], OutputPoints.points[point]);
        };
    }
}

void OmbrikWindow::BindDisplay()
{
    // 123 asks for rows 0 and 1, each 124 for the pair at the counter; each reply draws the
    // rows its own row byte names and moves the counter on. The reply that takes the counter
    // past 63 ends the readout.
    RequestEncoders[CmdDisplayFirstRows] = [this](ByteWriter& w) {
        DisplayRowCounter = 0;
        w.PutByte(0);
    };
    RequestEncoders[CmdDisplayNextRows] = [this](ByteWriter& w) { w.PutByte(DisplayRowCounter); };
    for (const Command command : {CmdDisplayFirstRows, CmdDisplayNextRows})
        ReplyDecoders[command] = [this, command](ByteReader& r) {
            Device->DrawRows(DisplayRowPair::Decode(r));
            DisplayRowCounter = static_cast<std::uint8_t>(DisplayRowCounter + 2);
            if (command == CmdDisplayNextRows && DisplayRowCounter > 63)
                session_->EndChain();
        };
}

void OmbrikWindow::BuildStatusRequest(ByteWriter& w)
{
    MbuStatusRequestInputs in;
    Calibration->FillOutputDrive(in);
    in.pwmValue = Calibration->Output->PWMValue;
    const auto tests = Device->TestButtons();
    for (std::size_t i = 0; i < tests.size(); ++i)
        in.displayTestDown[i] = tests[i]->IsDown();
    in.lastStatusBits = LastStatus.uErrorBits;
    const MbuStatusRequestBuild built = BuildMbuStatusRequest(in);
    // An output the unit reports as not calibrated cannot be checked: its check is released.
    if (!built.checkCurrentDown)
        Calibration->Output->SpeedButton_CheckCurrent->SetDown(false);
    if (!built.checkVoltageDown)
        Calibration->Output->SpeedButton_CheckVoltage->SetDown(false);
    built.request.Encode(w);
}

void OmbrikWindow::ApplyStatus(const MbuStatusRecord& r)
{
    LastStatus = r;
    // The decimals set the scaled format only while the input is known.
    if (InputModuleKind == mbu_input_module::QVAIN || InputModuleKind == mbu_input_module::QVTM)
        Scaled.SetDecimalFormat(r.uDecimals);
    Live->Show(r, InputModuleKind, Utf8(Scaled.Format(r.iSkalazottKijezesiErtek, LocaleDecimalSeparator())));
}

}  // namespace ombrik
