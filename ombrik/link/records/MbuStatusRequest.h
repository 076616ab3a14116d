#pragma once
#include "ByteStream.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The request data of the status poll (command 101), 4 bytes: control bits, the PWM value
// and the display test. It carries the live drive, check and test settings of the
// calibration page, so they reach the unit with every poll.
struct MbuStatusRequest {
    std::uint8_t controlBits = 0;  // mbu_control bits
    std::uint16_t pwmValue = 0;    // PWMValue
    std::uint8_t displayTest = 0;  // 0 none, 1..4 the test of the first pressed test button

    static constexpr std::size_t kSize = 4;

    void Encode(ByteWriter& w) const;
    static MbuStatusRequest Decode(ByteReader& r);

    friend bool operator==(const MbuStatusRequest&, const MbuStatusRequest&) = default;
};

// Bits of MbuStatusRequest::controlBits; bits 4-7 stay 0.
namespace mbu_control {
constexpr std::uint8_t PWMForce = 0x01;       // SpeedButton_PWMForce Down: drive the output directly
constexpr std::uint8_t CurrentOutput = 0x02;  // RadioGroup_KimenetTipusa on item 0 "Áram"
constexpr std::uint8_t CheckCurrent = 0x04;   // SpeedButton_CheckCurrent Down
constexpr std::uint8_t CheckVoltage = 0x08;   // SpeedButton_CheckVoltage Down
}  // namespace mbu_control

// What the request is built from, read from the window when the poll starts.
struct MbuStatusRequestInputs {
    bool pwmForceDown = false;           // SpeedButton_PWMForce
    bool currentOutputSelected = false;  // RadioGroup_KimenetTipusa's item index is 0
    bool checkCurrentDown = false;       // SpeedButton_CheckCurrent
    bool checkVoltageDown = false;       // SpeedButton_CheckVoltage
    std::uint16_t pwmValue = 0;          // PWMValue
    // SpeedButton_TestASCII5x7, _TestWhite, _TestFrame, _TestPattern: tests 1..4 in this order.
    std::array<bool, 4> displayTestDown{};
    std::uint32_t lastStatusBits = 0;    // LastStatusBits of the last poll reply
};

// The Down states of the two check buttons after the build; the window sets both as given.
struct MbuCheckButtons {
    bool checkCurrentDown = false;
    bool checkVoltageDown = false;

    friend bool operator==(const MbuCheckButtons&, const MbuCheckButtons&) = default;
};

struct MbuStatusRequestBuild {
    MbuStatusRequest request;
    MbuCheckButtons buttons;
};

// Builds the request and the check buttons' new states. An output that the last poll
// reported as not calibrated cannot be checked: a pressed check button is released instead
// and its bit stays 0. Test and check buttons are otherwise left as they are, so their bits
// go out in every poll while they stay Down.
MbuStatusRequestBuild BuildMbuStatusRequest(const MbuStatusRequestInputs& in);
