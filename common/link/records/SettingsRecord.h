#pragma once
#include "common/link/ByteStream.h"
#include "FieldCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qs {

// The base unit's settings: display, analogue output, bar graph, input scaling, the four
// limit outputs, the MODBUS parameters and the Pt wiring. 139 bytes, 52 fields,
// little-endian, nothing padded. Korvel moves it whole (read 131, defaults 132, write 109);
// Ombrik moves it in three parts that are byte ranges of this same record.
//
// Each member holds what its control holds and names the device variable it carries; a
// window binds it to the control named by the field's kind and that name.
// Korvel's controls lie on "Beállítások" and "Határérték kimenetek", fields 47-50 on the
// QVSER dialog; Ombrik's on its TabSheet2 and TabSheet5, with the same names except the
// brightness track bar (DisplayBrightness). A default-constructed record has no item
// selected, empty texts and zeros.

// The display refresh (and the analogue input's settling time): items "12", "60", "100",
// "200", "300", "500" ms travel as these codes. No selection sends 40; a code not in the
// table selects "500".
inline constexpr std::array<std::uint8_t, 6> kRefreshCodes = {1, 5, 8, 16, 24, 40};
inline constexpr field::Coded kRefreshCode{kRefreshCodes, 40, 5};

// The display rounding: items "1", "2", "5" travel as 1, 2, 5; a code other than 2 and 5
// selects "1". No selection sends 0xFF, as any group without a selection does.
inline constexpr std::array<std::uint8_t, 3> kSettingsRoundCodes = {1, 2, 5};
inline constexpr field::Coded kSettingsRoundCode{kSettingsRoundCodes, 0xFF, 0};

// One limit output n (1..4): fields 19-23, 24-28, 29-33, 34-38.
struct LimitOutputSettings {
    int enuLimitMode = -1;         // enuLimitModeLn "Üzemmód", 11 modes
    bool bHold = false;            // bHoldLn
    std::int32_t iLowLimit = 0;    // iLowLimitLn, scaled
    std::int32_t iHighLimit = 0;   // iHighLimitLn, scaled
    std::int32_t iHysteresis = 0;  // iHysteresisLn, scaled

    friend bool operator==(const LimitOutputSettings&, const LimitOutputSettings&) = default;
};

// Ombrik's three parts of the record: bytes 0-52 (fields 1-12), 53-106 (fields 13-33) and
// 107-138 (fields 34-52).
enum class SettingsPart : std::uint8_t { Part1, Part2, Part3 };

struct SettingsRecord {
    static constexpr std::size_t kSize = 139;
    static constexpr std::size_t kLimitOutputs = 4;

    // Seconds and pulse widths of the limit outputs, clamped when written.
    static constexpr field::Clamped kSeconds{2, 2, 65535};
    static constexpr field::Clamped kPulseSeconds{1, 2, 255};
    static constexpr std::size_t kTagnameChars = 21;
    static constexpr std::size_t kDimensionChars = 8;

    struct PartRange {
        std::size_t offset;
        std::size_t size;
    };
    static constexpr std::array<PartRange, 3> kParts = {{{0, 53}, {53, 54}, {107, 32}}};

    std::uint8_t brightness = 0;          // 1  Brightness, the position as it is
    std::string displayTagname;           // 2  DisplayTagname, 21 characters
    std::string displayDimension;         // 3  DisplayDimension, 8 characters
    bool displayLeaderZeros = false;      // 4  DisplayLeaderZeros
    int displayRefresh = -1;              // 5  DisplayRefresh, kRefreshCode
    int uAnalogueType = -1;               // 6  uAnalogueType, 5 items
    std::int32_t iAnalogueLow = 0;        // 7  iAnalogueLow, scaled
    std::int32_t iAnalogueHigh = 0;       // 8  iAnalogueHigh, scaled
    bool bAnalogueErrorHigh = false;      // 9  bAnalogueErrorHigh
    bool bargraphDot = false;             // 10 BargraphDot, ticked only by 1
    std::int32_t iBgLow = 0;              // 11 iBgLow, scaled
    std::int32_t iBgHigh = 0;             // 12 iBgHigh, scaled
    int uInputTypeSettings = -1;          // 13 uInputTypeSettings, 5 items
    int uDecimalPointSettings = -1;       // 14 uDecimalPointSettings, "0".."4"
    int uRoundSettings = -1;              // 15 uRoundSettings, kSettingsRoundCode
    std::int32_t iScaleLowSettings = 0;   // 16 iScaleLowSettings, scaled
    std::int32_t iScaleHighSettings = 0;  // 17 iScaleHighSettings, scaled
    int enuLimitDisplayMode = -1;         // 18 enuLimitDisplayMode, 6 items
    std::array<LimitOutputSettings, kLimitOutputs> limits{};  // 19-38
    std::array<std::uint32_t, kLimitOutputs> uSec{};          // 39-42 uSecL1..4, kSeconds
    std::array<std::uint32_t, kLimitOutputs> uPulseSec{};     // 43-46 uPulseSecL1..4, kPulseSeconds
    int modbusProtocol = -1;                                  // 47 MODBUSProtocol, 2 items
    int modbusParity = -1;                                    // 48 MODBUSParity, 4 items
    int modbusBaudRate = -1;                                  // 49 MODBUSBaudRate, 16 items
    int modbusAddress = -1;                                   // 50 MODBUSAddress, "0".."247"
    bool bDisableAnalogueError = false;                       // 51 bDisableAnalogueError
    int uPtWires = -1;                                        // 52 uPtWires, "2", "3", "4"

    void Encode(ByteWriter& w) const;
    static SettingsRecord Decode(ByteReader& r);

    // One of Ombrik's parts: the record's bytes of that range, built from the fields that
    // lie in it; and the fields of that range filled from a part's bytes, the others kept.
    void EncodePart(SettingsPart part, ByteWriter& w) const;
    void DecodePart(SettingsPart part, ByteReader& r);

    // Calls v(control name, member, codec) for every field in wire order.
    template <class Self, class Visitor>
    static void VisitFields(Self& r, Visitor&& v);

    // The same for the fields of one part.
    template <class Self, class Visitor>
    static void VisitPartFields(Self& r, SettingsPart part, Visitor&& v)
    {
        const PartRange range = kParts[static_cast<std::size_t>(part)];
        field::VisitFieldRange(r, range.offset, range.offset + range.size, v);
    }

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

template <class Self, class Visitor>
void SettingsRecord::VisitFields(Self& r, Visitor&& v)
{
    using namespace field;
    static constexpr const char* kMode[] = {"enuLimitModeL1", "enuLimitModeL2", "enuLimitModeL3",
                                            "enuLimitModeL4"};
    static constexpr const char* kHold[] = {"bHoldL1", "bHoldL2", "bHoldL3", "bHoldL4"};
    static constexpr const char* kLow[] = {"iLowLimitL1", "iLowLimitL2", "iLowLimitL3",
                                           "iLowLimitL4"};
    static constexpr const char* kHigh[] = {"iHighLimitL1", "iHighLimitL2", "iHighLimitL3",
                                            "iHighLimitL4"};
    static constexpr const char* kHyst[] = {"iHysteresisL1", "iHysteresisL2", "iHysteresisL3",
                                            "iHysteresisL4"};
    static constexpr const char* kSec[] = {"uSecL1", "uSecL2", "uSecL3", "uSecL4"};
    static constexpr const char* kPulse[] = {"uPulseSecL1", "uPulseSecL2", "uPulseSecL3",
                                             "uPulseSecL4"};

    v("Brightness", r.brightness, Byte{});
    v("DisplayTagname", r.displayTagname, Text{kTagnameChars});
    v("DisplayDimension", r.displayDimension, Text{kDimensionChars});
    v("DisplayLeaderZeros", r.displayLeaderZeros, Check{});
    v("DisplayRefresh", r.displayRefresh, kRefreshCode);
    v("uAnalogueType", r.uAnalogueType, Radio{5});
    v("iAnalogueLow", r.iAnalogueLow, Scaled{});
    v("iAnalogueHigh", r.iAnalogueHigh, Scaled{});
    v("bAnalogueErrorHigh", r.bAnalogueErrorHigh, Check{});
    v("BargraphDot", r.bargraphDot, CheckExactlyOne{});
    v("iBgLow", r.iBgLow, Scaled{});
    v("iBgHigh", r.iBgHigh, Scaled{});
    v("uInputTypeSettings", r.uInputTypeSettings, Radio{5});
    v("uDecimalPointSettings", r.uDecimalPointSettings, Radio{5});
    v("uRoundSettings", r.uRoundSettings, kSettingsRoundCode);
    v("iScaleLowSettings", r.iScaleLowSettings, Scaled{});
    v("iScaleHighSettings", r.iScaleHighSettings, Scaled{});
    v("enuLimitDisplayMode", r.enuLimitDisplayMode, Radio{6});
    for (std::size_t n = 0; n < kLimitOutputs; ++n) {
        auto& limit = r.limits[n];
        v(kMode[n], limit.enuLimitMode, Radio{11});
        v(kHold[n], limit.bHold, Check{});
        v(kLow[n], limit.iLowLimit, Scaled{});
        v(kHigh[n], limit.iHighLimit, Scaled{});
        v(kHyst[n], limit.iHysteresis, Scaled{});
    }
    for (std::size_t n = 0; n < kLimitOutputs; ++n)
        v(kSec[n], r.uSec[n], kSeconds);
    for (std::size_t n = 0; n < kLimitOutputs; ++n)
        v(kPulse[n], r.uPulseSec[n], kPulseSeconds);
    v("MODBUSProtocol", r.modbusProtocol, Radio{2});
    v("MODBUSParity", r.modbusParity, Radio{4});
    v("MODBUSBaudRate", r.modbusBaudRate, List{16});
    v("MODBUSAddress", r.modbusAddress, List{248});
    v("bDisableAnalogueError", r.bDisableAnalogueError, Check{});
    v("uPtWires", r.uPtWires, WireCount{3});
}

}  // namespace qs
