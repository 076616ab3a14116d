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
void BuildStatusRequest(const WindowState& state, CalibrationPage& calibration,
                        const TestsPage& tests, ByteWriter& w)
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
    if (state.InputModuleKind == mbu_input_module::QVAIN ||
        state.InputModuleKind == mbu_input_module::QVTM)
        state.Scaled.SetDecimalFormat(r.uDecimals);
    // The displayed value in the window's format, made again only when it changes.
    static labeltext::Memo shownMemo;
    const std::string sep = LocaleDecimalSeparator();
    const DecimalFormat& scaled = state.Scaled;
    live.Show(r, state.InputModuleKind,
              shownMemo.Get([&] { return Utf8(scaled.Format(r.iSkalazottKijezesiErtek, sep)); },
                            r.iSkalazottKijezesiErtek, scaled.Decimals(), sep));
}

void BindDisplay(MbuSession::Bindings& bindings, WindowState& state, ToolsPage& tools,
                 MbuSession& session)
{
    // 123 asks for rows 0 and 1, each 124 for the pair at the counter; each reply draws the
    // rows its own row byte names and moves the counter on. The reply that takes the counter
    // past 63 ends the readout.
    bindings.SetEncoder(Command::DisplayFirstRows, [&state](ByteWriter& w) {
        state.DisplayRowCounter = 0;
        w.PutByte(0);
    });
    bindings.SetEncoder(Command::DisplayNextRows,
                        [&state](ByteWriter& w) { w.PutByte(state.DisplayRowCounter); });
    for (const Command command : {Command::DisplayFirstRows, Command::DisplayNextRows})
        bindings.SetDecoder(command, [&state, &tools, &session, command](ByteReader& r) {
            tools.DrawRows(DisplayRowPair::Decode(r));
            state.DisplayRowCounter = static_cast<std::uint8_t>(state.DisplayRowCounter + 2);
            if (command == Command::DisplayNextRows && state.DisplayRowCounter > 63)
                session.EndChain();
        });
}

}  // namespace

void BindCommands(MbuSession::Bindings& bindings, WindowState& state, CalibrationPage& calibration,
                  ToolsPage& tools, const TestsPage& tests, LiveValuesGroup& live,
                  MbuSession& session)
{
    CalibrationPage& c = calibration;
    bindings.SetEncoder(Command::StatusPoll, [&state, &c, &tests](ByteWriter& w) {
        BuildStatusRequest(state, c, tests, w);
    });
    bindings.SetDecoder(Command::StatusPoll, [&state, &live](ByteReader& r) {
        ApplyStatus(state, live, MbuStatusRecord::Decode(r));
    });

    bindings.SetDecoder(Command::OptionsRead, [&state, &c](ByteReader& r) {
        const OptionsRecord o = OptionsRecord::Decode(r);
        state.InputModuleKind = o.inputModuleKind;
        state.OutputModuleKind = o.outputModuleKind;
        c.ShowOptions(o);
    });
    // A group with no selection is set to "Nincs" and sent as such.
    bindings.SetEncoder(Command::OptionsWrite, [&c](ByteWriter& w) { c.TakeOptions().Encode(w); });

    // Calibration: the Pt read also shows the Pt1000 flag, from the last poll.
    c.BindCalibration(bindings, [&state] { return state.LastStatus.bPt1000; });
    BindDisplay(bindings, state, tools, session);
}

}  // namespace ombrik
