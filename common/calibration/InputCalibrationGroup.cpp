#include "InputCalibrationGroup.h"

#include "common/ui/ControlBuilder.h"

#include <QVBoxLayout>

namespace qs {

using namespace build;

InputCalibrationGroup::InputCalibrationGroup(QWidget* page, const QString& caption,
                                             const CalibrationGroupLayout& layout)
    : QObject(page)
{
    GroupBox_InputCalQVAIN = Named<QGroupBox>(page, "GroupBox_InputCalQVAIN", caption);
    (new QVBoxLayout(page))->addWidget(GroupBox_InputCalQVAIN);
    QWidget* box = GroupBox_InputCalQVAIN;
    auto* grid = new QGridLayout(box);
    const CalibrationStep steps[] = {
        {&SpeedButton_Cal0mA, "SpeedButton_Cal0mA", "Kalibrálás 0 mA", &Label_RAM1_iCalLow1,
         "Label_RAM1_iCalLow1"},
        {&SpeedButton_Cal20mA, "SpeedButton_Cal20mA", "Kalibrálás 20 mA", &Label_RAM1_iCalHigh1,
         "Label_RAM1_iCalHigh1"},
        {&SpeedButton_Cal0V, "SpeedButton_Cal0V", "Kalibrálás 0 V", &Label_RAM1_iCalLow2,
         "Label_RAM1_iCalLow2"},
        {&SpeedButton_Cal10V, "SpeedButton_Cal10V", "Kalibrálás 10 V", &Label_RAM1_iCalHigh2,
         "Label_RAM1_iCalHigh2"},
    };
    int row = 0;
    for (const CalibrationStep& step : steps)
        layout.AddStep(box, grid, row++, step);
    SpeedButton_ReadCalIn = layout.AddRead(box, grid, row++, "SpeedButton_ReadCalIn");
    layout.Stretch(grid, row);
}

void InputCalibrationGroup::BindRequests(RequestButtonBinder& requests,
                                         const RequestKeys& keys) const
{
    const std::array<SpeedButton*, 5> buttons{SpeedButton_Cal0mA, SpeedButton_Cal20mA,
                                              SpeedButton_Cal0V, SpeedButton_Cal10V,
                                              SpeedButton_ReadCalIn};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        requests.Bind(keys[i], buttons[i]);
}

}  // namespace qs
