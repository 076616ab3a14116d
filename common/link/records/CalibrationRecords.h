#pragma once
#include "common/link/ByteStream.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>

namespace qs {

// The replies of the calibration commands: calibration points as the unit stores them,
// little-endian, in the order below. Input and Pt points are signed 32-bit converter values,
// output points 16-bit PWM values.
template <typename T, std::size_t N>
requires std::same_as<T, std::int32_t> || std::same_as<T, std::uint16_t>
struct CalibrationPoints {
    std::array<T, N> points{};

    static constexpr std::size_t kSize = N * sizeof(T);

    void Encode(ByteWriter& w) const
    {
        for (T p : points) {
            if constexpr (std::same_as<T, std::int32_t>)
                w.PutInteger(p);
            else
                w.PutWord(p);
        }
    }

    // A short reply reads 0 for the points past its end.
    static CalibrationPoints Decode(ByteReader& r)
    {
        CalibrationPoints c;
        for (T& p : c.points) {
            if constexpr (std::same_as<T, std::int32_t>)
                p = r.GetInteger();
            else
                p = r.GetWord();
        }
        return c;
    }

    friend bool operator==(const CalibrationPoints&, const CalibrationPoints&) = default;
};

// 102..105 and 125..128: the one point just taken.
using CalibrationPoint = CalibrationPoints<std::int32_t, 1>;
// 114, 115: the PWM value of the output point just taken.
using PwmCalibrationPoint = CalibrationPoints<std::uint16_t, 1>;
// 110: the four input points, indexed by input_cal.
using InputCalibration = CalibrationPoints<std::int32_t, 4>;
// 116: the four output points, indexed by output_cal.
using OutputCalibration = CalibrationPoints<std::uint16_t, 4>;
// 129: the four Pt points, indexed by pt_cal.
using PtCalibration = CalibrationPoints<std::int32_t, 4>;

// Point order of InputCalibration; 102..105 take these points one at a time.
namespace input_cal {
enum : std::size_t {
    Low1 = 0,   // 0 mA, RAM1_iCalLow1
    High1 = 1,  // 20 mA, RAM1_iCalHigh1
    Low2 = 2,   // 0 V, RAM1_iCalLow2
    High2 = 3,  // 10 V, RAM1_iCalHigh2
};
}  // namespace input_cal

// Point order of OutputCalibration; 114 takes 4 mA or 2 V, 115 20 mA or 10 V.
namespace output_cal {
enum : std::size_t {
    PWM4mA = 0,   // PWM4mA
    PWM20mA = 1,  // PWM20mA
    PWM2V = 2,    // PWM2V
    PWM10V = 3,   // PWM10V
};
}  // namespace output_cal

// Point order of PtCalibration; 125..128 take these points one at a time.
namespace pt_cal {
enum : std::size_t {
    Pt0ohm4W = 0,  // 0 ohm, 4 wires, iCalPt0ohm4W
    PtXohm4W = 1,  // 300 ohm, 4 wires, iCalPtXohm4W
    Pt0ohm3W = 2,  // 0 ohm, 3 wires, iCalPt0ohm3W
    PtXohm3W = 3,  // 300 ohm, 3 wires, iCalPtXohm3W
};
}  // namespace pt_cal

// The request data of 130, one byte: 1 when bPt1000 is ticked, else 0.
struct Pt1000Choice {
    bool bPt1000 = false;

    static constexpr std::size_t kSize = 1;

    void Encode(ByteWriter& w) const { w.PutBoolean(bPt1000); }
    // Any byte other than 0 is Pt1000.
    static Pt1000Choice Decode(ByteReader& r) { return Pt1000Choice{r.GetBoolean()}; }

    friend bool operator==(const Pt1000Choice&, const Pt1000Choice&) = default;
};

}  // namespace qs
