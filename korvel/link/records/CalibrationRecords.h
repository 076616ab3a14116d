#pragma once
#include "ByteStream.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The calibration values of the factory pages, kept by the window and shown in their labels
// ("?" until read). Each set is read whole by one command and one point at a time by the
// calibration steps; the labels are listed in reply order.

// A one-point reply of an input or Pt calibration step (102-105, 125-128): i32.
struct CalibrationPoint {
    static constexpr std::size_t kSize = 4;
    std::int32_t value = 0;

    void Encode(ByteWriter& w) const { w.PutInteger(value); }
    static CalibrationPoint Decode(ByteReader& r) { return {r.GetInteger()}; }

    friend bool operator==(const CalibrationPoint&, const CalibrationPoint&) = default;
};

// A one-point reply of an output calibration step (114, 115): u16 PWM value.
struct OutputCalibrationPoint {
    static constexpr std::size_t kSize = 2;
    std::uint16_t value = 0;

    void Encode(ByteWriter& w) const { w.PutWord(value); }
    static OutputCalibrationPoint Decode(ByteReader& r) { return {r.GetWord()}; }

    friend bool operator==(const OutputCalibrationPoint&, const OutputCalibrationPoint&) = default;
};

// Input calibration points, read by 110: 0 mA, 20 mA, 0 V, 10 V (i32 x 4).
struct InputCalibration {
    static constexpr std::size_t kSize = 16;
    static constexpr const char* kPicture = "# ### ##0";
    static constexpr std::array<const char*, 4> kLabels = {
        "Label_RAM1_iCalLow1", "Label_RAM1_iCalHigh1", "Label_RAM1_iCalLow2", "Label_RAM1_iCalHigh2"};

    std::array<std::int32_t, 4> points{};

    void Encode(ByteWriter& w) const;
    static InputCalibration Decode(ByteReader& r);

    // The point a calibration step sets: 102..105 give 0..3, any other command -1.
    static int PointOfCommand(std::uint8_t command);

    friend bool operator==(const InputCalibration&, const InputCalibration&) = default;
};

// Output calibration points (PWM values), read by 116: 4 mA, 20 mA, 2 V, 10 V (u16 x 4),
// shown in the group "Kiolvasott PWM értékek:".
struct OutputCalibration {
    static constexpr std::size_t kSize = 8;
    static constexpr const char* kPicture = "## ##0";
    static constexpr std::array<const char*, 4> kLabels = {"Label_PWM4mA", "Label_PWM20mA", "Label_PWM2V",
                                                           "Label_PWM10V"};

    std::array<std::uint16_t, 4> points{};

    void Encode(ByteWriter& w) const;
    static OutputCalibration Decode(ByteReader& r);

    // The point a calibration step's reply fills, by the output type selected in
    // RadioGroup_KimenetTipusa when the reply arrives: 114 the low point (item 0 "Áram":
    // 4 mA, else 2 V), 115 the high point (20 mA, else 10 V); any other command -1.
    static int PointOfCommand(std::uint8_t command, int kimenetTipusaIndex);

    friend bool operator==(const OutputCalibration&, const OutputCalibration&) = default;
};

// Pt calibration points, read by 129: 4 wires 0 ohm, 4 wires 300 ohm, 3 wires 0 ohm,
// 3 wires 300 ohm (i32 x 4).
struct PtCalibration {
    static constexpr std::size_t kSize = 16;
    static constexpr const char* kPicture = "# ### ##0";
    static constexpr std::array<const char*, 4> kLabels = {"Label_iCalPt0ohm4W", "Label_iCalPtXohm4W",
                                                           "Label_iCalPt0ohm3W", "Label_iCalPtXohm3W"};

    std::array<std::int32_t, 4> points{};

    void Encode(ByteWriter& w) const;
    static PtCalibration Decode(ByteReader& r);

    // The point a calibration step sets: 125..128 give 0..3, any other command -1.
    static int PointOfCommand(std::uint8_t command);

    friend bool operator==(const PtCalibration&, const PtCalibration&) = default;
};

// The sensor choice written by 130: one byte, 1 when CheckBox_bPt1000 is ticked.
struct Pt1000Request {
    static constexpr std::size_t kSize = 1;
    bool bPt1000 = false;  // CheckBox_bPt1000 "Pt 1000 (nem Pt 100)"

    void Encode(ByteWriter& w) const { w.PutBoolean(bPt1000); }
    static Pt1000Request Decode(ByteReader& r) { return {r.GetBoolean()}; }

    friend bool operator==(const Pt1000Request&, const Pt1000Request&) = default;
};
