#pragma once
#include "common/calibration/CalibrationValues.h"
#include "common/link/CommandBindings.h"
#include "common/link/records/CalibrationRecords.h"

#include <array>
#include <functional>

namespace qs {

// The calibration commands of a program, in its own command type: the four input steps and
// the four Pt steps in point order, the three reads and the two output points.
template <class Command>
struct CalibrationCommands {
    std::array<Command, 4> inputSteps;
    std::array<Command, 4> ptSteps;
    Command inputRead;
    Command ptRead;
    Command pwmRead;
    Command pwmLow;
    Command pwmHigh;
};

// What the replies need from the page beyond the values they fill.
struct CalibrationReplyHooks {
    // Whether the current output is selected when an output point's reply arrives: the low and
    // high points go to the current or the voltage points by it.
    std::function<bool()> currentOutputSelected;
    // Run after the Pt read's points are shown (both programs show the last status's Pt1000
    // flag with them).
    std::function<void()> afterPtRead;
};

// Binds the calibration replies to the values both programs show: each step keeps and shows
// its own point, each read all four.
template <class Command>
void BindCalibrationReplies(CommandBindings<Command>& bindings, const CalibrationCommands<Command>& commands,
                            CalibrationValues& values, CalibrationReplyHooks hooks)
{
    for (std::size_t i = 0; i < 4; ++i) {
        bindings.SetDecoder(commands.inputSteps[i], [&values, i](ByteReader& r) {
            values.SetInputPoint(i, CalibrationPoint::Decode(r).points[0]);
        });
        bindings.SetDecoder(commands.ptSteps[i], [&values, i](ByteReader& r) {
            values.SetPtPoint(i, CalibrationPoint::Decode(r).points[0]);
        });
    }
    bindings.SetDecoder(commands.inputRead, [&values](ByteReader& r) { values.SetInput(InputCalibration::Decode(r)); });
    bindings.SetDecoder(commands.pwmRead, [&values](ByteReader& r) { values.SetOutput(OutputCalibration::Decode(r)); });
    for (const auto& [command, high] : {std::pair{commands.pwmLow, false}, std::pair{commands.pwmHigh, true}})
        bindings.SetDecoder(command, [&values, high, selected = hooks.currentOutputSelected](ByteReader& r) {
            const std::size_t point = CalibrationValues::OutputPointFor(high, selected());
            values.SetOutputPoint(point, PwmCalibrationPoint::Decode(r).points[0]);
        });
    bindings.SetDecoder(commands.ptRead, [&values, after = hooks.afterPtRead](ByteReader& r) {
        values.SetPt(PtCalibration::Decode(r));
        if (after)
            after();
    });
}

}  // namespace qs
