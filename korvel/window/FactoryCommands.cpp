#include "FactoryCommands.h"

#include "common/link/records/CalibrationRecords.h"
#include "korvel/window/pages/CalibrationPage.h"
#include "korvel/window/pages/IdentityGroup.h"
#include "korvel/window/pages/TestsPage.h"

#include <QPixmap>

namespace korvel {

using namespace qs;

FactoryCommands::FactoryCommands(Bindings& bindings, WindowState& state,
                                 CalibrationPage& calibration, IdentityGroup& identity,
                                 TestsPage& tests, QObject* parent)
    : QObject(parent), tests_(tests)
{
    // Identity: taken from the edits (clamped, rewritten) when the write starts; the group is
    // refilled from the first status reply after the acknowledgement, which already carries
    // the identity just written.
    bindings.SetEncoder(Command::IdentityWrite, [&identity](ByteWriter& w) {
        identity.ReadIdentityEdits();
        identity.IdentityToWrite.Encode(w);
    });
    bindings.SetDecoder(Command::IdentityWrite,
                        [&state](ByteReader&) { state.IdentityReadBackDue = true; });

    // Calibration: the Pt read also shows the Pt1000 flag of the last status.
    calibration.BindCalibration(bindings, [&state] { return state.LastStatus.bPt1000; });

    // Display image: the row index byte, always 0; the reply is drawn into both pictures.
    bindings.SetEncoder(Command::DisplayRead, [](ByteWriter& w) { w.PutByte(0); });
    bindings.SetDecoder(Command::DisplayRead,
                        [this](ByteReader& r) { ShowDisplayImage(DisplayImage::Decode(r)); });
}

void FactoryCommands::ShowDisplayImage(const DisplayImage& image)
{
    painter_.PaintAll(image);
    tests_.ShowDisplayImage(QPixmap::fromImage(painter_.Large()),
                            QPixmap::fromImage(painter_.Small()));
}

}  // namespace korvel
