#pragma once
#include "common/ui/SpeedButton.h"

#include <QGridLayout>
#include <QLabel>

namespace qs {

// One row of a calibration group: a step button (a request button of group index 1) and,
// beside it, the label of the point it takes.
struct CalibrationStep {
    SpeedButton** button;
    const char* buttonName;
    const char* caption;  // UTF-8
    QLabel** label;
    const char* labelName;
};

// How a calibration group lays out its rows and its read button: the one thing in which the
// programs' calibration pages differ.
struct CalibrationGroupLayout {
    // The read button spans the buttons' and the labels' columns; else the buttons' only.
    bool readAcrossLabels = true;
    // The grid column that takes the spare width; -1: none, so every column grows.
    int stretchColumn = 1;
    // The point labels' least width in pixels; 0: as wide as their text.
    int labelMinimumWidth = 0;

    // The step's button in column 0 and its point label, "?" until read, in column 1.
    void AddStep(QWidget* container, QGridLayout* grid, int row, const CalibrationStep& step) const;
    // The read button "Kiolvasás a készülékből" of the group, in the buttons' column.
    SpeedButton* AddRead(QWidget* container, QGridLayout* grid, int row, const char* name) const;
    // Spare width to the stretch column, spare height below the `rows` rows.
    void Stretch(QGridLayout* grid, int rows) const;
};

}  // namespace qs
