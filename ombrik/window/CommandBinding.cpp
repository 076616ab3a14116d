// The records of Ombrik's commands bound to the window: the status poll both ways, the
// options, the calibration points, the Pt1000 choice, the settings parts and the display's
// row pairs.
#include "OmbrikWindow.h"

#include "ombrik/link/records/MbuStatusRequest.h"
#include "ombrik/link/records/OptionsRecord.h"
#include "ombrik/window/pages/CalibrationPage.h"
#include "ombrik/window/pages/DevicePages.h"
#include "ombrik/window/pages/LiveValuesGroup.h"
#include "ombrik/session/MbuSession.h"
#include "SettingsParts.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"

namespace ombrik {

using namespace qs;

using namespace build;

using namespace mbu;


void OmbrikWindow::BindCommands()
{
    CalibrationPage& c = *Calibration;
    RequestEncoders[Command::StatusPoll] = [this](ByteWriter& w) { BuildStatusRequest(w); };
    ReplyDecoders[Command::StatusPoll] = [this](ByteReader& r) { ApplyStatus(MbuStatusRecord::Decode(r)); };

    ReplyDecoders[Command::OptionsRead] = [this, &c](ByteReader& r) {
        const OptionsRecord o = OptionsRecord::Decode(r);
        InputModuleKind = o.inputModuleKind;
        OutputModuleKind = o.outputModuleKind;
        c.RadioGroup_InputModul->setItemIndex(o.inputModuleKind);
        c.RadioGroup_OutputModul->setItemIndex(o.outputModuleKind);
    };
    RequestEncoders[Command::OptionsWrite] = [&c](ByteWriter& w) {
        // A group with no selection is set to "Nincs" and sent as such.
        for (RadioGroup* g : {c.RadioGroup_InputModul, c.RadioGroup_OutputModul})
            if (g->ItemIndex() < 0)
                g->setItemIndex(0);
        OptionsRecord::FromSelection(c.RadioGroup_InputModul->ItemIndex(), c.RadioGroup_OutputModul->ItemIndex())
            .Encode(w);
    };

    // Calibration points: each step keeps and shows its own point, each read all four. The
    // steps are listed in point order.
    CalibrationValues& values = c.Values;
    const Command inputSteps[] = {Command::CalIn0mA, Command::CalIn20mA, Command::CalIn0V, Command::CalIn10V};
    const Command ptSteps[] = {Command::CalPt0Ohm4W, Command::CalPtXOhm4W, Command::CalPt0Ohm3W, Command::CalPtXOhm3W};
    for (std::size_t i = 0; i < 4; ++i) {
        ReplyDecoders[inputSteps[i]] = [&values, i](ByteReader& r) {
            values.SetInputPoint(i, CalibrationPoint::Decode(r).points[0]);
        };
        ReplyDecoders[ptSteps[i]] = [&values, i](ByteReader& r) {
            values.SetPtPoint(i, CalibrationPoint::Decode(r).points[0]);
        };
    }
    ReplyDecoders[Command::InputCalRead] = [&values](ByteReader& r) { values.SetInput(InputCalibration::Decode(r)); };
    ReplyDecoders[Command::PwmCalRead] = [&values](ByteReader& r) { values.SetOutput(OutputCalibration::Decode(r)); };
    // The low and high output points go to the current or the voltage points by the output
    // type selected when the reply arrives.
    for (const auto& [command, high] : {std::pair{Command::CalPwmLow, false}, std::pair{Command::CalPwmHigh, true}})
        ReplyDecoders[command] = [&c, high](ByteReader& r) {
            const std::size_t point = CalibrationValues::OutputPointFor(high, c.Output->CurrentOutputSelected());
            c.Values.SetOutputPoint(point, PwmCalibrationPoint::Decode(r).points[0]);
        };
    // The Pt read also shows the Pt1000 flag, from the last poll.
    ReplyDecoders[Command::PtCalRead] = [this, &c](ByteReader& r) {
        c.Values.SetPt(PtCalibration::Decode(r));
        c.Pt->CheckBox_bPt1000->setChecked(LastStatus.bPt1000);
    };
    RequestEncoders[Command::Pt1000Write] = [&c](ByteWriter& w) {
        Pt1000Choice{c.Pt->CheckBox_bPt1000->isChecked()}.Encode(w);
    };

    SettingsIO = new SettingsParts(*this);
    BindDisplay();
}

void OmbrikWindow::BindDisplay()
{
    // 123 asks for rows 0 and 1, each 124 for the pair at the counter; each reply draws the
    // rows its own row byte names and moves the counter on. The reply that takes the counter
    // past 63 ends the readout.
    RequestEncoders[Command::DisplayFirstRows] = [this](ByteWriter& w) {
        DisplayRowCounter = 0;
        w.PutByte(0);
    };
    RequestEncoders[Command::DisplayNextRows] = [this](ByteWriter& w) { w.PutByte(DisplayRowCounter); };
    for (const Command command : {Command::DisplayFirstRows, Command::DisplayNextRows})
        ReplyDecoders[command] = [this, command](ByteReader& r) {
            Device->DrawRows(DisplayRowPair::Decode(r));
            DisplayRowCounter = static_cast<std::uint8_t>(DisplayRowCounter + 2);
            if (command == Command::DisplayNextRows && DisplayRowCounter > 63)
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
    // The displayed value in the window's format, made again only when it changes.
    static labeltext::Memo shownMemo;
    const std::string sep = LocaleDecimalSeparator();
    Live->Show(r, InputModuleKind,
               shownMemo.Get([&] { return Utf8(Scaled.Format(r.iSkalazottKijezesiErtek, sep)); },
                             r.iSkalazottKijezesiErtek, Scaled.Decimals(), sep));
}

}  // namespace ombrik
