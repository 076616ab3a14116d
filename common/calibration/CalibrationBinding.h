#pragma once
#include "common/calibration/CalibrationValues.h"
#include "common/calibration/OutputCalibrationGroup.h"
#include "common/calibration/PtCalibrationGroup.h"
#include "common/link/CommandBindings.h"
#include "common/link/records/CalibrationRecords.h"

#include <functional>
#include <utility>

namespace qs {

// Binds the calibration commands both programs send to the groups both programs show. Each
// program's own command type names the commands alike (CalIn0mA … Pt1000Write); the codes
// stay in its command table. Each step keeps and shows its own point, each read all four;
// the low and high output points go to the current or the voltage points by the output type
// selected when the reply arrives; the Pt read also shows the Pt1000 flag `lastPt1000`
// answers (the last status's), and the Pt1000 write sends the choice.
template <class Command>
void BindCalibration(CommandBindings<Command>& bindings, CalibrationValues& values,
                     const OutputCalibrationGroup& output, PtCalibrationGroup& pt,
                     std::function<bool()> lastPt1000)
{
    const Command inputSteps[] = {Command::CalIn0mA, Command::CalIn20mA, Command::CalIn0V,
                                  Command::CalIn10V};
    const Command ptSteps[] = {Command::CalPt0Ohm4W, Command::CalPtXOhm4W, Command::CalPt0Ohm3W,
                               Command::CalPtXOhm3W};
    for (std::size_t i = 0; i < 4; ++i) {
        bindings.SetDecoder(inputSteps[i], [&values, i](ByteReader& r) {
            values.SetInputPoint(i, CalibrationPoint::Decode(r).points[0]);
        });
        bindings.SetDecoder(ptSteps[i], [&values, i](ByteReader& r) {
            values.SetPtPoint(i, CalibrationPoint::Decode(r).points[0]);
        });
    }
    bindings.SetDecoder(Command::InputCalRead,
                        [&values](ByteReader& r) { values.SetInput(InputCalibration::Decode(r)); });
    bindings.SetDecoder(Command::PwmCalRead, [&values](ByteReader& r) {
        values.SetOutput(OutputCalibration::Decode(r));
    });
    for (const auto& [command, high] :
         {std::pair{Command::CalPwmLow, false}, std::pair{Command::CalPwmHigh, true}})
        bindings.SetDecoder(command, [&values, &output, high](ByteReader& r) {
            const std::size_t point =
                CalibrationValues::OutputPointFor(high, output.CurrentOutputSelected());
            values.SetOutputPoint(point, PwmCalibrationPoint::Decode(r).points[0]);
        });
    bindings.SetDecoder(Command::PtCalRead,
                        [&values, &pt, lastPt1000 = std::move(lastPt1000)](ByteReader& r) {
                            values.SetPt(PtCalibration::Decode(r));
                            pt.ShowPt1000(lastPt1000());
                        });
    bindings.SetEncoder(Command::Pt1000Write,
                        [&pt](ByteWriter& w) { Pt1000Choice{pt.Pt1000Chosen()}.Encode(w); });
}

}  // namespace qs
