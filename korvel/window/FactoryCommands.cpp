#include "FactoryCommands.h"

#include "common/link/records/CalibrationRecords.h"
#include "korvel/window/pages/CalibrationPage.h"
#include "korvel/window/pages/IdentityGroup.h"
#include "korvel/window/pages/TestsPage.h"

#include <QPixmap>

namespace korvel {

using namespace qs;

FactoryCommands::FactoryCommands(Bindings& bindings, WindowState& state, CalibrationPage& calibration,
                                 IdentityGroup& identity, TestsPage& tests, QObject* parent)
    : QObject(parent), tests_(tests)
{
    CalibrationPage* page = &calibration;
    CalibrationValues& values = page->Values;

    // Identity: taken from the edits (clamped, rewritten) when the write starts; the group is
    // refilled from the first status reply after the acknowledgement, which already carries
    // the identity just written.
    bindings.SetEncoder(Command::IdentityWrite, [&identity](ByteWriter& w) {
        identity.ReadIdentityEdits();
        identity.IdentityToWrite.Encode(w);
    });
    bindings.SetDecoder(Command::IdentityWrite, [&state](ByteReader&) { state.IdentityReadBackDue = true; });

    // Input and Pt calibration: one point per step, all four by the read.
    struct Step {
        Command command;
        std::size_t point;
        void (CalibrationValues::*set)(std::size_t, std::int32_t);
    };
    const Step steps[] = {
        {Command::CalIn0mA, input_cal::Low1, &CalibrationValues::SetInputPoint},
        {Command::CalIn20mA, input_cal::High1, &CalibrationValues::SetInputPoint},
        {Command::CalIn0V, input_cal::Low2, &CalibrationValues::SetInputPoint},
        {Command::CalIn10V, input_cal::High2, &CalibrationValues::SetInputPoint},
        {Command::CalPt0Ohm4W, pt_cal::Pt0ohm4W, &CalibrationValues::SetPtPoint},
        {Command::CalPtXOhm4W, pt_cal::PtXohm4W, &CalibrationValues::SetPtPoint},
        {Command::CalPt0Ohm3W, pt_cal::Pt0ohm3W, &CalibrationValues::SetPtPoint},
        {Command::CalPtXOhm3W, pt_cal::PtXohm3W, &CalibrationValues::SetPtPoint},
    };
    for (const Step& step : steps)
        bindings.SetDecoder(step.command, [&values, step](ByteReader& r) {
            (values.*step.set)(step.point, CalibrationPoint::Decode(r).points[0]);
        });
    bindings.SetDecoder(Command::InputCalRead, [&values](ByteReader& r) { values.SetInput(InputCalibration::Decode(r)); });

    // Output calibration: the label of the output type selected when the reply arrives.
    for (const auto& [command, high] : {std::pair{Command::CalPwmLow, false}, std::pair{Command::CalPwmHigh, true}})
        bindings.SetDecoder(command, [page, &values, high](ByteReader& r) {
            const std::size_t point = CalibrationValues::OutputPointFor(high, page->CurrentOutputSelected());
            values.SetOutputPoint(point, PwmCalibrationPoint::Decode(r).points[0]);
        });
    bindings.SetDecoder(Command::PwmCalRead, [&values](ByteReader& r) { values.SetOutput(OutputCalibration::Decode(r)); });

    // The Pt read also shows the Pt1000 flag of the last status.
    bindings.SetDecoder(Command::PtCalRead, [&state, page, &values](ByteReader& r) {
        values.SetPt(PtCalibration::Decode(r));
        page->ShowPt1000(state.LastStatus.bPt1000);
    });
    bindings.SetEncoder(Command::Pt1000Write,
                        [page](ByteWriter& w) { Pt1000Choice{page->Pt1000Chosen()}.Encode(w); });

    // Display image: the row index byte, always 0; the reply is drawn into both pictures.
    bindings.SetEncoder(Command::DisplayRead, [](ByteWriter& w) { w.PutByte(0); });
    bindings.SetDecoder(Command::DisplayRead, [this](ByteReader& r) { ShowDisplayImage(DisplayImage::Decode(r)); });
}

void FactoryCommands::ShowDisplayImage(const DisplayImage& image)
{
    painter_.PaintAll(image);
    tests_.ShowDisplayImage(QPixmap::fromImage(painter_.Large()), QPixmap::fromImage(painter_.Small()));
}

}  // namespace korvel
