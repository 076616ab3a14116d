#include "CalibrationValues.h"

#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"

namespace qs {

namespace {
constexpr const char* kPointPicture = "# ### ##0";
constexpr const char* kPwmPicture = "## ##0";

// Stores one point of a block and shows it in its label.
template <class Points, class T>
void SetPoint(Points& block, const std::array<QLabel*, 4>& labels, std::size_t point, T value,
              const char* picture)
{
    block.points.at(point) = value;
    if (QLabel* label = labels.at(point))
        label->setText(
            QString::fromStdString(FormatInteger(value, picture, LocaleDecimalSeparator())));
}

template <class Points>
void SetAll(Points& block, const std::array<QLabel*, 4>& labels, const Points& read,
            const char* picture)
{
    for (std::size_t i = 0; i < read.points.size(); ++i)
        SetPoint(block, labels, i, read.points[i], picture);
}
}  // namespace

void CalibrationValues::SetInputPoint(std::size_t point, std::int32_t value)
{
    SetPoint(Input, inputLabels_, point, value, kPointPicture);
}

void CalibrationValues::SetInput(const InputCalibration& points)
{
    SetAll(Input, inputLabels_, points, kPointPicture);
}

void CalibrationValues::SetOutputPoint(std::size_t point, std::uint16_t value)
{
    SetPoint(Output, outputLabels_, point, value, kPwmPicture);
}

void CalibrationValues::SetOutput(const OutputCalibration& points)
{
    SetAll(Output, outputLabels_, points, kPwmPicture);
}

void CalibrationValues::SetPtPoint(std::size_t point, std::int32_t value)
{
    SetPoint(Pt, ptLabels_, point, value, kPointPicture);
}

void CalibrationValues::SetPt(const PtCalibration& points)
{
    SetAll(Pt, ptLabels_, points, kPointPicture);
}

std::size_t CalibrationValues::OutputPointFor(bool high, bool currentSelected)
{
    if (currentSelected)
        return high ? output_cal::PWM20mA : output_cal::PWM4mA;
    return high ? output_cal::PWM10V : output_cal::PWM2V;
}

}  // namespace qs
