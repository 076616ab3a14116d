#pragma once
#include "WindowState.h"
#include "common/display/DisplayPainter.h"

#include <QObject>

namespace korvel {

class CalibrationPage;
class IdentityGroup;
class TestsPage;

// The commissioning commands of the factory pages on Korvel's window: the identity write
// (1), input, output and Pt calibration (102-105, 110, 114-116, 125-130) and the display
// image (123). Each reply shows its record; the calibration points are kept in the
// calibration page's values.
class FactoryCommands : public QObject {
    Q_OBJECT
public:
    FactoryCommands(Bindings& bindings, WindowState& state, CalibrationPage& calibration,
                    IdentityGroup& identity, TestsPage& tests, QObject* parent);

private:
    void ShowDisplayImage(const qs::DisplayImage& image);

    TestsPage& tests_;
    qs::DisplayPainter painter_;
};

}  // namespace korvel
