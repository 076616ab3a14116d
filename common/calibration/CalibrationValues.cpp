#include "CalibrationValues.h"

#include "numbers/LocaleSeparators.h"
#include "numbers/PictureFormat.h"

namespace {
void Show(QLabel* label, std::int64_t value, const char* picture)
{
    if (label)
        label->setText(QString::fromStdString(FormatInteger(value, picture, LocaleDecimalSeparator())));
}

constexpr const char* kPointPicture = "# ### ##0";
constexpr const char* kPwmPicture = "## ##0";
}  // namespace

void CalibrationValues::SetInputPoint(std::size_t point, std::int32_t value)
{
    Input.points.at(point) = value;
    Show(InputLabels.at(point), value, kPointPicture);
}

void CalibrationValues::SetInput(const InputCalibration& points)
{
    for (std::size_t i = 0; i < points.points.size(); ++i)
        SetInputPoint(i, points.points[i]);
}

void CalibrationValues::SetOutputPoint(std::size_t point, std::uint16_t value)
{
    Output.points.at(point) = value;
    Show(OutputLabels.at(point), value, kPwmPicture);
}

void CalibrationValues::SetOutput(const OutputCalibration& points)
{
    for (std::size_t i = 0; i < points.points.size(); ++i)
        SetOutputPoint(i, points.points[i]);
}

void CalibrationValues::SetPtPoint(std::size_t point, std::int32_t value)
{
    Pt.points.at(point) = value;
    Show(PtLabels.at(point), value, kPointPicture);
}

void CalibrationValues::SetPt(const PtCalibration& points)
{
    for (std::size_t i = 0; i < points.points.size(); ++i)
        SetPtPoint(i, points.points[i]);
}

std::size_t CalibrationValues::OutputPointFor(bool high, bool currentSelected)
{
    if (currentSelected)
        return high ? output_cal::PWM20mA : output_cal::PWM4mA;
    return high ? output_cal::PWM10V : output_cal::PWM2V;
}
