#pragma once
#include "common/link/records/CalibrationRecords.h"

#include <QLabel>

#include <array>
#include <cstddef>
#include <cstdint>

namespace qs {

// The calibration points a window keeps, each shown in its label: input and Pt points as
// "# ### ##0", output (PWM) points as "## ##0". The labels show "?" until their point is
// read. Label order follows the point order of input_cal, output_cal and pt_cal.
class CalibrationValues {
public:
    InputCalibration Input;
    OutputCalibration Output;
    PtCalibration Pt;

    // The labels that show the input, output and Pt points, each in its block's point order.
    void ShowInputIn(const std::array<QLabel*, 4>& labels) { inputLabels_ = labels; }
    void ShowOutputIn(const std::array<QLabel*, 4>& labels) { outputLabels_ = labels; }
    void ShowPtIn(const std::array<QLabel*, 4>& labels) { ptLabels_ = labels; }
    const std::array<QLabel*, 4>& InputLabels() const { return inputLabels_; }
    const std::array<QLabel*, 4>& PtLabels() const { return ptLabels_; }

    // One point just taken, and a whole block read.
    void SetInputPoint(std::size_t point, std::int32_t value);
    void SetInput(const InputCalibration& points);
    void SetOutputPoint(std::size_t point, std::uint16_t value);
    void SetOutput(const OutputCalibration& points);
    void SetPtPoint(std::size_t point, std::int32_t value);
    void SetPt(const PtCalibration& points);

    // The output point a low (4 mA or 2 V) or high (20 mA or 10 V) calibration reply fills,
    // by the output type selected when the reply arrives.
    static std::size_t OutputPointFor(bool high, bool currentSelected);

private:
    std::array<QLabel*, 4> inputLabels_{};
    std::array<QLabel*, 4> outputLabels_{};
    std::array<QLabel*, 4> ptLabels_{};
};

}  // namespace qs
