#include "OutputDrive.h"

namespace qs {

OutputDrive BuildOutputDrive(const OutputDriveInputs& in, bool outputNotCalibrated)
{
    OutputDrive d;
    d.checkCurrentDown = in.checkCurrentDown && !outputNotCalibrated;
    d.checkVoltageDown = in.checkVoltageDown && !outputNotCalibrated;
    auto bit = [&](bool on, std::uint8_t mask) {
        if (on)
            d.controlBits |= mask;
    };
    bit(in.pwmForceDown, output_drive::PWMForce);
    bit(in.currentOutputSelected, output_drive::CurrentOutput);
    bit(d.checkCurrentDown, output_drive::CheckCurrent);
    bit(d.checkVoltageDown, output_drive::CheckVoltage);
    return d;
}

}  // namespace qs
