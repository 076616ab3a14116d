#include "PtCalibrationGroup.h"

#include "common/ui/ControlBuilder.h"

namespace qs {

using namespace build;

PtCalibrationGroup::PtCalibrationGroup(QWidget* page, const CalibrationGroupLayout& layout)
    : QObject(page)
{
    auto* grid = new QGridLayout(page);
    const CalibrationStep steps[] = {
        {&SpeedButton_iCalPt0ohm4W, "SpeedButton_iCalPt0ohm4W", "Kalibrálás 0 ohm",
         &Label_iCalPt0ohm4W, "Label_iCalPt0ohm4W"},
        {&SpeedButton_iCalPtXohm4W, "SpeedButton_iCalPtXohm4W", "Kalibrálás 300 ohm",
         &Label_iCalPtXohm4W, "Label_iCalPtXohm4W"},
        {&SpeedButton_iCalPt0ohm3W, "SpeedButton_iCalPt0ohm3W", "Kalibrálás 0 ohm",
         &Label_iCalPt0ohm3W, "Label_iCalPt0ohm3W"},
        {&SpeedButton_iCalPtXohm3W, "SpeedButton_iCalPtXohm3W", "Kalibrálás 300 ohm",
         &Label_iCalPtXohm3W, "Label_iCalPtXohm3W"},
    };
    int row = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i % 2 == 0)
            grid->addWidget(
                new QLabel(i == 0 ? QStringLiteral("4 vezetékkel kell bekötni a kalibrátort!")
                                  : QStringLiteral("3 vezetékkel kell bekötni a kalibrátort!"),
                           page),
                row++, 0, 1, 2);
        layout.AddStep(page, grid, row++, steps[i]);
    }
    SpeedButton_ReadCalPt = layout.AddRead(page, grid, row++, "SpeedButton_ReadCalPt");
    CheckBox_bPt1000 =
        Named<QCheckBox>(page, "CheckBox_bPt1000", QStringLiteral("Pt 1000 (nem Pt 100)"));
    SpeedButton_bPt1000 =
        Named<SpeedButton>(page, "SpeedButton_bPt1000", QStringLiteral("Készülékbe írás"), 1);
    grid->addWidget(CheckBox_bPt1000, row, 0);
    grid->addWidget(SpeedButton_bPt1000, row++, 1);
    layout.Stretch(grid, row);
}

void PtCalibrationGroup::BindRequests(RequestButtonBinder& requests, const RequestKeys& keys) const
{
    const std::array<SpeedButton*, 6> buttons{SpeedButton_iCalPt0ohm4W, SpeedButton_iCalPtXohm4W,
                                              SpeedButton_iCalPt0ohm3W, SpeedButton_iCalPtXohm3W,
                                              SpeedButton_ReadCalPt,    SpeedButton_bPt1000};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        requests.Bind(keys[i], buttons[i]);
}

}  // namespace qs
