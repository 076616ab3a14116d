#pragma once
#include "common/link/ByteStream.h"
#include "common/link/records/LiveStatus.h"
#include "common/link/records/OutputDrive.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvel {

// The status poll: the 5-byte request that carries the live test and force
// settings of the factory pages, and the 53-byte record of the device's live state.

// ---- reply --------------------------------------------------------------------------------

// The device's live state, in reply order: the year and month of manufacture, the live block
// both programs' polls share (LiveStatus), then the fields of the 32-bit family.
// Everything is 0 before the first reply.
struct StatusRecord : qs::LiveStatus {
    std::uint8_t uGyariSzamEv = 0;     // year of manufacture, two digits
    std::uint8_t uGyariSzamHonap = 0;  // month of manufacture
    std::uint8_t uFRAMSizeKB = 0;      // FRAM size in kB
    std::uint32_t uSecondsOfOperation = 0;
    std::uint8_t uCRCOKbits2 = 0;         // memory CRC-OK bits at start-up, set 2
    std::uint8_t uAfterWriteOKbits2 = 0;  // memory OK-after-write bits, set 2
    float fResistanceOfWires = 0.0f;      // lead resistance in ohm
    std::uint8_t uDigitalOutputs = 0;     // limit outputs: bit n-1 = output n
    std::uint8_t uQVOptIn = 0;            // module kind of the input slot
    std::uint8_t uQVOptOut2 = 0;          // module kind of output module 2 (main)
    std::uint8_t uQVOptOut1 = 0;          // module kind of output module 1 (additional)
    std::uint8_t uKeys = 0;               // keys pressed: bit 0 right, bit 1 up, bit 2 left
    std::uint32_t uMainLoopFrequency = 0;

    // Field order, little-endian. A short reply reads 0 for the fields past its end.
    void Encode(qs::ByteWriter& w) const;
    static StatusRecord Decode(qs::ByteReader& r);

    friend bool operator==(const StatusRecord&, const StatusRecord&) = default;
};

constexpr std::size_t kStatusRecordSize = 53;

// Error bits of StatusRecord::uErrorBits, in the order of the error-flag labels.
namespace status_error {
constexpr std::uint32_t UncalibratedInput = 1u << 0;
constexpr std::uint32_t UncalibratedOutput =
    qs::live_status::OutputNotCalibrated;  // withholds the checks
constexpr std::uint32_t OutputRange = 1u << 2;
constexpr std::uint32_t FRAM = 1u << 3;
constexpr std::uint32_t InputRange = 1u << 4;
constexpr std::uint32_t InputModul = 1u << 5;
constexpr std::uint32_t RSTimeOut = 1u << 6;
}  // namespace status_error

// ---- request ------------------------------------------------------------------------------

// Which page of the main page control is active, as far as the poll cares.
enum class ActiveModelPage : std::uint8_t { Other, QV5510, QV5530 };

// Everything the request depends on, read from the window when the poll starts.
// The output calibration page's drive, checks and PWM value come in OutputDriveInputs.
struct StatusRequestInputs : qs::OutputDriveInputs {
    bool qvaoModule1Selected = false;  // QVAO selector on "#1: További"

    // Display tests.
    ActiveModelPage activePage = ActiveModelPage::Other;  // the active model tab
    bool qv5510TestTicked = false;  // QV5510 "Kijelző teszt bekapcsolva" ticked
    std::uint8_t testPattern = 0;   // TestPattern (1..21)
    // The six display tests of the tests page ("ASCII-kódok 5x7" .. "Belső ADC olvasás"):
    // test numbers 1..6 in this order.
    std::array<bool, 6> displayTestDown{};

    // Forced limit outputs of the main window.
    bool digitalOutForceEngDown = false;        // direct control of the limit outputs on
    std::array<bool, 4> digitalOutForceDown{};  // limit outputs 1..4 forced on

    // The relay dialog, for the slot in ModuleSlot.
    bool relayTestTicked = false;  // its test "Üzemmódtól független teszt engedélyezve" ticked
    bool relayForceDown = false;   // its output forced on
    std::uint8_t moduleSlot = 0;   // ModuleSlot: 1 main, 0 additional

    // From the last StatusRecord.
    std::uint32_t lastErrorBits = 0;
    std::uint8_t lastDigitalOutputs = 0;
};

// The request data, 5 bytes: control bits, PWM value (u16), uTestForce, output force byte.
struct StatusRequest {
    std::uint8_t controlBits = 0;
    std::uint16_t pwmValue = 0;
    std::uint8_t uTestForce = 0;
    std::uint8_t digitalOutForce = 0;

    void Encode(qs::ByteWriter& w) const;
    static StatusRequest Decode(qs::ByteReader& r);

    friend bool operator==(const StatusRequest&, const StatusRequest&) = default;
};

constexpr std::size_t kStatusRequestSize = 5;

// Bits of StatusRequest::controlBits.
namespace status_control {
constexpr std::uint8_t PWMForce = qs::output_drive::PWMForce;
constexpr std::uint8_t CurrentOutput = qs::output_drive::CurrentOutput;
constexpr std::uint8_t CheckCurrent = qs::output_drive::CheckCurrent;
constexpr std::uint8_t CheckVoltage = qs::output_drive::CheckVoltage;
constexpr std::uint8_t QVAOModule1 = 0x10;
}  // namespace status_control

// The Down states the request writes back into the window. Buttons it does not touch keep
// the state they came in with, so the window may set all of them unconditionally.
struct StatusRequestButtons {
    bool checkCurrentDown = false;
    bool checkVoltageDown = false;
    std::array<bool, 4> digitalOutForceDown{};
    bool relayForceDown = false;

    friend bool operator==(const StatusRequestButtons&, const StatusRequestButtons&) = default;
};

struct StatusRequestBuild {
    StatusRequest request;
    StatusRequestButtons buttons;
};

// Builds the request and the new button states from the window's state:
// - an uncalibrated output (error bit 1) releases the check buttons and sends their bits 0;
// - with the main window's force switch up, its four output buttons mirror the outputs;
// - with the relay dialog's test unticked, its button mirrors its slot's output.
StatusRequestBuild BuildStatusRequest(const StatusRequestInputs& in);

}  // namespace korvel
