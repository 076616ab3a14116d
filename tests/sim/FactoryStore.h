#pragma once
#include "common/link/records/CalibrationRecords.h"
#include "common/display/DisplayImage.h"
#include "korvel/link/records/IdentityRecord.h"
#include "MeterCore.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// What the simulated meter keeps for the factory pages: the three calibration blocks that
// the calibration steps store into, the display image, the identity writes and the
// maintenance commands. Installs its handlers on the meter it is given.
//
// - An input or Pt calibration step stores what the meter measures for that point and
//   answers it; the input and Pt calibration reads answer the blocks.
// - An output step (low, high) stores the PWM value of the last status request in the point
//   of the output type that request selected, and answers it; the output calibration read
//   answers the block.
// - The Pt1000 write stores the choice into the status the poll reports.
// - The display read answers the display image, cut to displayLength bytes.
// - The identity write takes the identity: the reply headers from then on carry its factory
//   number and device type, and the status its date and module kinds.
// - The FRAM erase and the reset are acknowledged.
class FactoryStore {
public:
    explicit FactoryStore(MeterCore& meter);

    std::array<std::int32_t, 4> inputMeasured{1000, 20000, 1500, 30000};
    std::array<std::int32_t, 4> ptMeasured{-12, 300123, -15, 300456};
    qs::InputCalibration input{{11, 22, 33, 44}};
    qs::OutputCalibration output{{4000, 20000, 2000, 10000}};
    qs::PtCalibration pt{{-1, 2, -3, 4}};

    qs::DisplayImage display;
    std::size_t displayLength = qs::DisplayImage::kSize;
    std::vector<std::vector<std::uint8_t>> displayRequests;

    std::vector<korvel::IdentityRecord> identityWrites;
    std::vector<bool> pt1000Writes;
    int erases = 0;
    int resets = 0;

private:
    MeterCore& meter_;
};
