#include "CalibrationGroupLayout.h"

#include "common/ui/ControlBuilder.h"

namespace qs {

using namespace build;

void CalibrationGroupLayout::AddStep(QWidget* container, QGridLayout* grid, int row,
                                     const CalibrationStep& step) const
{
    *step.button =
        Named<SpeedButton>(container, step.buttonName, QString::fromUtf8(step.caption), 1);
    *step.label = Named<QLabel>(container, step.labelName, QStringLiteral("?"));
    if (labelMinimumWidth > 0)
        (*step.label)->setMinimumWidth(labelMinimumWidth);
    grid->addWidget(*step.button, row, 0);
    grid->addWidget(*step.label, row, 1);
}

SpeedButton* CalibrationGroupLayout::AddRead(QWidget* container, QGridLayout* grid, int row,
                                             const char* name) const
{
    auto* read = Named<SpeedButton>(container, name, QStringLiteral("Kiolvasás a készülékből"), 1);
    grid->addWidget(read, row, 0, 1, readAcrossLabels ? 2 : 1);
    return read;
}

void CalibrationGroupLayout::Stretch(QGridLayout* grid, int rows) const
{
    if (stretchColumn >= 0)
        grid->setColumnStretch(stretchColumn, 1);
    grid->setRowStretch(rows, 1);
}

}  // namespace qs
