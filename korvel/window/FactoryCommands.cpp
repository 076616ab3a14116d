#include "FactoryCommands.h"

#include "common/calibration/CalibrationReplies.h"
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

    // Calibration: one point per step, all four by a read; the output points by the output
    // type selected when the reply arrives, and the Pt read also shows the Pt1000 flag of the
    // last status.
    const CalibrationCommands<Command> calibrationCommands{
        {Command::CalIn0mA, Command::CalIn20mA, Command::CalIn0V, Command::CalIn10V},
        {Command::CalPt0Ohm4W, Command::CalPtXOhm4W, Command::CalPt0Ohm3W, Command::CalPtXOhm3W},
        Command::InputCalRead,
        Command::PtCalRead,
        Command::PwmCalRead,
        Command::CalPwmLow,
        Command::CalPwmHigh,
    };
    BindCalibrationReplies(bindings, calibrationCommands, values,
                           {[page] { return page->CurrentOutputSelected(); },
                            [&state, page] { page->ShowPt1000(state.LastStatus.bPt1000); }});
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
