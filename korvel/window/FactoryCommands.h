#pragma once
#include "common/display/DisplayPainter.h"

#include <QObject>

namespace korvel {

class MainWindow;

// The commissioning commands of the factory pages on Korvel's window: the identity write
// (1), input, output and Pt calibration (102-105, 110, 114-116, 125-130) and the display
// image (123). Each reply shows its record; the calibration points are kept in the
// calibration page's values.
class FactoryCommands : public QObject {
    Q_OBJECT
public:
    explicit FactoryCommands(MainWindow& window);

    // The two pictures of the display image, drawn once per reply.
    const qs::DisplayPainter& Painter() const { return painter_; }

private:
    void ShowDisplayImage(const qs::DisplayImage& image);

    MainWindow& window_;
    qs::DisplayPainter painter_;
};

}  // namespace korvel
