// The records of Ombrik's commands bound to the pages: the status poll both ways, the
// options, the calibration points, the Pt1000 choice and the display's row pairs.
#include "CommandBinding.h"

#include "ombrik/link/records/MbuStatusRequest.h"
#include "ombrik/link/records/OptionsRecord.h"
#include "ombrik/window/pages/CalibrationPage.h"
#include "ombrik/window/pages/DevicePages.h"
#include "ombrik/window/pages/LiveValuesGroup.h"
#include "WindowState.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"

namespace ombrik {

using namespace qs;

using namespace build;

using namespace mbu;

namespace {

// The poll's request from the output drive, the PWM value, the display tests and the last
// status bits.
void BuildStatusRequest(const WindowState& state, CalibrationPage& calibration, const TestsPage& tests,
                        ByteWriter& w)
{
    MbuStatusRequestInputs in;
    calibration.FillStatusRequest(in);
    in.displayTestDown = tests.TestsDown();
    in.lastStatusBits = state.LastStatus.uErrorBits;
    const MbuStatusRequestBuild built = BuildMbuStatusRequest(in);
    // An output the unit reports as not calibrated cannot be checked: its check is released.
    calibration.KeepChecks(built.checkCurrentDown, built.checkVoltageDown);
    built.request.Encode(w);
}

void ApplyStatus(WindowState& state, LiveValuesGroup& live, const MbuStatusRecord& r)
{
    state.LastStatus = r;
    // The decimals set the scaled format only while the input is known.
    if (state.InputModuleKind == mbu_input_module::QVAIN || state.InputModuleKind == mbu_input_module::QVTM)
        state.Scaled.SetDecimalFormat(r.uDecimals);
    // The displayed value in the window's format, made again only when it changes.
    static labeltext::Memo shownMemo;
    const std::string sep = LocaleDecimalSeparator();
    const DecimalFormat& scaled = state.Scaled;
    live.Show(r, state.InputModuleKind,
              shownMemo.Get([&] { return Utf8(scaled.Format(r.iSkalazottKijezesiErtek, sep)); },
                            r.iSkalazottKijezesiErtek, scaled.Decimals(), sep));
}

void BindDisplay(MbuSession::Bindings& bindings, WindowState& state, ToolsPage& tools, MbuSession& session)
{
    // 123 asks for rows 0 and 1, each 124 for the pair at the counter; each reply draws the
    // rows its own row byte names and moves the counter on. The reply that takes the counter
    // past 63 ends the readout.
    bindings.SetEncoder(Command::DisplayFirstRows, [&state](ByteWriter& w) {
        state.DisplayRowCounter = 0;
        w.PutByte(0);
    });
    bindings.SetEncoder(Command::DisplayNextRows, [&state](ByteWriter& w) { w.PutByte(state.DisplayRowCounter); });
    for (const Command command : {Command::DisplayFirstRows, Command::DisplayNextRows})
        bindings.SetDecoder(command, [&state, &tools, &session, command](ByteReader& r) {
            tools.DrawRows(DisplayRowPair::Decode(r));
            state.DisplayRowCounter = static_cast<std::uint8_t>(state.DisplayRowCounter + 2);
            if (command == Command::DisplayNextRows && state.DisplayRowCounter > 63)
                session.EndChain();
        });
}

}  // namespace

void BindCommands(MbuSession::Bindings& bindings, WindowState& state, CalibrationPage& calibration, ToolsPage& tools,
                  const TestsPage& tests, LiveValuesGroup& live, MbuSession& session)
{
    CalibrationPage& c = calibration;
    bindings.SetEncoder(Command::StatusPoll,
                        [&state, &c, &tests](ByteWriter& w) { BuildStatusRequest(state, c, tests, w); });
    bindings.SetDecoder(Command::StatusPoll,
                        [&state, &live](ByteReader& r) { ApplyStatus(state, live, MbuStatusRecord::Decode(r)); });

    bindings.SetDecoder(Command::OptionsRead, [&state, &c](ByteReader& r) {
        const OptionsRecord o = OptionsRecord::Decode(r);
        state.InputModuleKind = o.inputModuleKind;
        state.OutputModuleKind = o.outputModuleKind;
        c.ShowOptions(o);
    });
    // A group with no selection is set to "Nincs" and sent as such.
    bindings.SetEncoder(Command::OptionsWrite, [&c](ByteWriter& w) { c.TakeOptions().Encode(w); });

    // Calibration points: each step keeps and shows its own point, each read all four. The
    // steps are listed in point order.
    CalibrationValues& values = c.Values();
    const Command inputSteps[] = {Command::CalIn0mA, Command::CalIn20mA, Command::CalIn0V, Command::CalIn10V};
    const Command ptSteps[] = {Command::CalPt0Ohm4W, Command::CalPtXOhm4W, Command::CalPt0Ohm3W, Command::CalPtXOhm3W};
    for (std::size_t i = 0; i < 4; ++i) {
        bindings.SetDecoder(inputSteps[i], [&values, i](ByteReader& r) {
            values.SetInputPoint(i, CalibrationPoint::Decode(r).points[0]);
        });
        bindings.SetDecoder(ptSteps[i], [&values, i](ByteReader& r) {
            values.SetPtPoint(i, CalibrationPoint::Decode(r).points[0]);
        });
    }
    bindings.SetDecoder(Command::InputCalRead, [&values](ByteReader& r) { values.SetInput(InputCalibration::Decode(r)); });
    bindings.SetDecoder(Command::PwmCalRead, [&values](ByteReader& r) { values.SetOutput(OutputCalibration::Decode(r)); });
    // The low and high output points go to the current or the voltage points by the output
    // type selected when the reply arrives.
    for (const auto& [command, high] : {std::pair{Command::CalPwmLow, false}, std::pair{Command::CalPwmHigh, true}})
        bindings.SetDecoder(command, [&c, high](ByteReader& r) {
            const std::size_t point = CalibrationValues::OutputPointFor(high, c.CurrentOutputSelected());
            c.Values().SetOutputPoint(point, PwmCalibrationPoint::Decode(r).points[0]);
        });
    // The Pt read also shows the Pt1000 flag, from the last poll.
    bindings.SetDecoder(Command::PtCalRead, [&state, &c](ByteReader& r) {
        c.Values().SetPt(PtCalibration::Decode(r));
        c.ShowPt1000(state.LastStatus.bPt1000);
    });
    bindings.SetEncoder(Command::Pt1000Write, [&c](ByteWriter& w) {
        Pt1000Choice{c.Pt1000Chosen()}.Encode(w);
    });
    BindDisplay(bindings, state, tools, session);
}

}  // namespace ombrik
