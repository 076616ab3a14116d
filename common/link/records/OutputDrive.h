#pragma once
#include <cstdint>

namespace qs {

// The output drive both programs' status polls send first: control bits 0..3, then the PWM
// value. It carries the calibration page's direct PWM drive, the output type and the two
// output checks to the unit with every poll.
namespace output_drive {
constexpr std::uint8_t PWMForce = 0x01;       // direct PWM drive for the calibration is on
constexpr std::uint8_t CurrentOutput = 0x02;  // output type item 0 "Áram" selected
constexpr std::uint8_t CheckCurrent = 0x04;   // check "Ellenőrzés: 12 mA" on
constexpr std::uint8_t CheckVoltage = 0x08;   // check "Ellenőrzés: 5 V" on
}  // namespace output_drive

// What the drive is built from, read from the calibration page when the poll starts.
struct OutputDriveInputs {
    bool pwmForceDown = false;
    bool currentOutputSelected = false;
    bool checkCurrentDown = false;
    bool checkVoltageDown = false;
    std::uint16_t pwmValue = 0;  // PWMValue
};

// The control bits and the check buttons' Down states after the build.
struct OutputDrive {
    std::uint8_t controlBits = 0;
    bool checkCurrentDown = false;
    bool checkVoltageDown = false;
};

// An output that the last poll reported as not calibrated cannot be checked: a pressed check
// button is released instead and its bit stays 0. Otherwise the buttons keep their state, so
// a check goes out in every poll while its button stays Down.
OutputDrive BuildOutputDrive(const OutputDriveInputs& in, bool outputNotCalibrated);

}  // namespace qs
