#pragma once
#include "common/link/ByteStream.h"
#include "common/link/records/OutputDrive.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace ombrik {

// The request data of the status poll (101), 4 bytes: the output drive's control bits, the
// PWM value and the display test. It carries the live drive, check and test settings of the
// pages, so they reach the unit with every poll.
struct MbuStatusRequest {
    std::uint8_t controlBits = 0;  // output_drive bits; bits 4-7 stay 0
    std::uint16_t pwmValue = 0;    // PWMValue
    std::uint8_t displayTest = 0;  // 0 none, 1..4 the test of the first pressed test button

    static constexpr std::size_t kSize = 4;

    void Encode(qs::ByteWriter& w) const;
    static MbuStatusRequest Decode(qs::ByteReader& r);

    friend bool operator==(const MbuStatusRequest&, const MbuStatusRequest&) = default;
};

// What the request is built from, read from the window when the poll starts: the output
// drive of the calibration page, the test buttons and the last poll's status bits.
struct MbuStatusRequestInputs : qs::OutputDriveInputs {
    // The display tests "ASCII-kódok 5x7", "Teli fehér", "Keret a kijelzőn", "Minta": 1..4.
    std::array<bool, 4> displayTestDown{};
    std::uint32_t lastStatusBits = 0;  // LastStatusBits of the last poll reply
};

struct MbuStatusRequestBuild {
    MbuStatusRequest request;
    // The Down states of the two check buttons after the build; the window sets both as given.
    bool checkCurrentDown = false;
    bool checkVoltageDown = false;
};

// Builds the request and the check buttons' new states. An output that the last poll
// reported as not calibrated cannot be checked (BuildOutputDrive). Test buttons are never
// released here, so a test goes out in every poll while its button stays Down.
MbuStatusRequestBuild BuildMbuStatusRequest(const MbuStatusRequestInputs& in);

}  // namespace ombrik
