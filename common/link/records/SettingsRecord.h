#pragma once
#include "ByteStream.h"
#include "FieldCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The base unit's settings: display, analogue output, bar graph, input scaling, the four
// limit outputs, the MODBUS parameters and the Pt wiring. 139 bytes, 52 fields,
// little-endian, nothing padded. Korvel moves it whole (read 131, defaults 132, write 109);
// Ombrik moves it in three parts that are byte ranges of this same record.
//
// Each member holds what its control holds and names the control (objectName) it binds to.
// Korvel's controls lie on "Beállítások" and "Határérték kimenetek", fields 47-50 on the
// QVSER dialog; Ombrik's on its TabSheet2 and TabSheet5, with the same names except the
// brightness track bar, TrackBar_DisplayBrightness. A default-constructed record has no item
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
    int enuLimitMode = -1;          // RadioGroup_enuLimitModeLn "Üzemmód", 11 modes
    bool bHold = false;             // CheckBox_bHoldLn
    std::int32_t iLowLimit = 0;     // Edit_iLowLimitLn, scaled
    std::int32_t iHighLimit = 0;    // Edit_iHighLimitLn, scaled
    std::int32_t iHysteresis = 0;   // Edit_iHysteresisLn, scaled

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

    std::uint8_t brightness = 0;          // 1  TrackBar_Brightness, the position as it is
    std::string displayTagname;           // 2  Edit_DisplayTagname, 21 characters
    std::string displayDimension;         // 3  Edit_DisplayDimension, 8 characters
    bool displayLeaderZeros = false;      // 4  CheckBox_DisplayLeaderZeros
    int displayRefresh = -1;              // 5  RadioGroup_DisplayRefresh, kRefreshCode
    int uAnalogueType = -1;               // 6  RadioGroup_uAnalogueType, 5 items
    std::int32_t iAnalogueLow = 0;        // 7  Edit_iAnalogueLow, scaled
    std::int32_t iAnalogueHigh = 0;       // 8  Edit_iAnalogueHigh, scaled
    bool bAnalogueErrorHigh = false;      // 9  CheckBox_bAnalogueErrorHigh
    bool bargraphDot = false;             // 10 CheckBox_BargraphDot, ticked only by 1
    std::int32_t iBgLow = 0;              // 11 Edit_iBgLow, scaled
    std::int32_t iBgHigh = 0;             // 12 Edit_iBgHigh, scaled
    int uInputTypeSettings = -1;          // 13 RadioGroup_uInputTypeSettings, 5 items
    int uDecimalPointSettings = -1;       // 14 RadioGroup_uDecimalPointSettings, "0".."4"
    int uRoundSettings = -1;              // 15 RadioGroup_uRoundSettings, kSettingsRoundCode
    std::int32_t iScaleLowSettings = 0;   // 16 Edit_iScaleLowSettings, scaled
    std::int32_t iScaleHighSettings = 0;  // 17 Edit_iScaleHighSettings, scaled
    int enuLimitDisplayMode = -1;         // 18 RadioGroup_enuLimitDisplayMode, 6 items
    std::array<LimitOutputSettings, kLimitOutputs> limits{};  // 19-38
    std::array<std::uint32_t, kLimitOutputs> uSec{};       // 39-42 Edit_uSecL1..4, kSeconds
    std::array<std::uint32_t, kLimitOutputs> uPulseSec{};  // 43-46 Edit_uPulseSecL1..4, kPulseSeconds
    int modbusProtocol = -1;              // 47 RadioGroup_MODBUSProtocol, 2 items
    int modbusParity = -1;                // 48 RadioGroup_MODBUSParity, 4 items
    int modbusBaudRate = -1;              // 49 ComboBox_MODBUSBaudRate, 16 items
    int modbusAddress = -1;               // 50 ComboBox_MODBUSAddress, "0".."247"
    bool bDisableAnalogueError = false;   // 51 CheckBox_bDisableAnalogueError
    int uPtWires = -1;                    // 52 RadioGroup_uPtWires, "2", "3", "4"

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
    static constexpr const char* kMode[] = {"RadioGroup_enuLimitModeL1", "RadioGroup_enuLimitModeL2",
                                            "RadioGroup_enuLimitModeL3", "RadioGroup_enuLimitModeL4"};
    static constexpr const char* kHold[] = {"CheckBox_bHoldL1", "CheckBox_bHoldL2", "CheckBox_bHoldL3",
                                            "CheckBox_bHoldL4"};
    static constexpr const char* kLow[] = {"Edit_iLowLimitL1", "Edit_iLowLimitL2", "Edit_iLowLimitL3",
                                           "Edit_iLowLimitL4"};
    static constexpr const char* kHigh[] = {"Edit_iHighLimitL1", "Edit_iHighLimitL2", "Edit_iHighLimitL3",
                                            "Edit_iHighLimitL4"};
    static constexpr const char* kHyst[] = {"Edit_iHysteresisL1", "Edit_iHysteresisL2", "Edit_iHysteresisL3",
                                            "Edit_iHysteresisL4"};
    static constexpr const char* kSec[] = {"Edit_uSecL1", "Edit_uSecL2", "Edit_uSecL3", "Edit_uSecL4"};
    static constexpr const char* kPulse[] = {"Edit_uPulseSecL1", "Edit_uPulseSecL2", "Edit_uPulseSecL3",
                                             "Edit_uPulseSecL4"};

    v("TrackBar_Brightness", r.brightness, Byte{});
    v("Edit_DisplayTagname", r.displayTagname, Text{kTagnameChars});
    v("Edit_DisplayDimension", r.displayDimension, Text{kDimensionChars});
    v("CheckBox_DisplayLeaderZeros", r.displayLeaderZeros, Check{});
    v("RadioGroup_DisplayRefresh", r.displayRefresh, kRefreshCode);
    v("RadioGroup_uAnalogueType", r.uAnalogueType, Radio{5});
    v("Edit_iAnalogueLow", r.iAnalogueLow, Scaled{});
    v("Edit_iAnalogueHigh", r.iAnalogueHigh, Scaled{});
    v("CheckBox_bAnalogueErrorHigh", r.bAnalogueErrorHigh, Check{});
    v("CheckBox_BargraphDot", r.bargraphDot, CheckExactlyOne{});
    v("Edit_iBgLow", r.iBgLow, Scaled{});
    v("Edit_iBgHigh", r.iBgHigh, Scaled{});
    v("RadioGroup_uInputTypeSettings", r.uInputTypeSettings, Radio{5});
    v("RadioGroup_uDecimalPointSettings", r.uDecimalPointSettings, Radio{5});
    v("RadioGroup_uRoundSettings", r.uRoundSettings, kSettingsRoundCode);
    v("Edit_iScaleLowSettings", r.iScaleLowSettings, Scaled{});
    v("Edit_iScaleHighSettings", r.iScaleHighSettings, Scaled{});
    v("RadioGroup_enuLimitDisplayMode", r.enuLimitDisplayMode, Radio{6});
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
    v("RadioGroup_MODBUSProtocol", r.modbusProtocol, Radio{2});
    v("RadioGroup_MODBUSParity", r.modbusParity, Radio{4});
    v("ComboBox_MODBUSBaudRate", r.modbusBaudRate, List{16});
    v("ComboBox_MODBUSAddress", r.modbusAddress, List{248});
    v("CheckBox_bDisableAnalogueError", r.bDisableAnalogueError, Check{});
    v("RadioGroup_uPtWires", r.uPtWires, WireCount{3});
}
