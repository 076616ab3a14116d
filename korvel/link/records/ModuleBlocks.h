#pragma once
#include "common/link/ByteStream.h"
#include "common/link/records/FieldCodec.h"
#include "common/link/records/SettingsRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvel {

// The settings blocks of the plug-in modules and of the base unit's display and passwords.
// Each member holds what its control holds and names the device variable it carries (or the
// dialog's value field); VisitFields lists them in wire order with their codecs. A window
// binds a field to the control named by the field's kind and that name (a radio group, a
// check box, an edit, a drop-down list, a track bar or a label).
//
//   block               carried by (CommandTable)             controls
//   QvainBlock          Command::QvainRead/Defaults/Write     the QVAIN dialog
//   QvaoBlock           Command::QvaoRead*/Defaults/Write*    the QVAO dialog (either slot)
//   QvroBlock           Command::QvroRead*/Defaults/Write*    the QVRO dialog (either slot)
//   QvserBlock          Command::QvserRead/Defaults/Write     the QVSER dialog
//   Qv5510DisplayBlock  Command::Qv5510Read/Defaults/Write    the main window's QV5510 page
//   PasswordBlock       Command::PasswordRead/Defaults/Write  the password dialog

// Code table A, the analogue input's settling time: the display refresh codes of the
// settings record ("12" .. "500" ms as 1 .. 40; an index outside sends 40, a code outside
// selects "500").
inline constexpr qs::field::Coded kSettlingTimeCode = qs::kRefreshCode;

// Code table B, the rounding step: items "1", "2", "5", "10", "20", "50", "100" travel as
// their numbers. An index outside the table sends 1; a code outside selects "1".
inline constexpr std::array<std::uint8_t, 7> kRoundingCodes = {1, 2, 5, 10, 20, 50, 100};
inline constexpr qs::field::Coded kRoundingCode{kRoundingCodes, 1, 0};

// Code table C, the QV5510 display refresh: "Leggyorsabb", "100 ms", "200 ms", "300 ms",
// "500 ms", "1 s", "2 s" travel as 1, 10, 20, 30, 50, 100, 200. No selection or any other
// index sends 50; a code outside selects "500 ms".
inline constexpr std::array<std::uint8_t, 7> kRefreshCountCodes = {1, 10, 20, 30, 50, 100, 200};
inline constexpr qs::field::Coded kRefreshCountCode{kRefreshCountCodes, 50, 4};

// Analogue input module, 12 bytes.
struct QvainBlock {
    static constexpr std::size_t kSize = 12;

    int displayRefresh = -1;              // DisplayRefresh "Beállási idő (ms)", table A
    int uInputTypeSettings = -1;          // uInputTypeSettings, 5 items
    int uDecimalPointSettings = -1;       // uDecimalPointSettings, "0".."4"
    std::int32_t iScaleLowSettings = 0;   // iScaleLowSettings, shown in iScaleLowSettings
    std::int32_t iScaleHighSettings = 0;  // iScaleHighSettings, shown in iScaleHighSettings
    int uRoundSettings = -1;              // uRoundSettings, table B

    // Read only: the decimal count as the reply carried it. The window's scaled format
    // follows it; a count above 4 leaves the format as it was while the group shows "4".
    // A write sends uDecimalPointSettings.
    std::uint8_t receivedDecimals = 0;

    void Encode(qs::ByteWriter& w) const;
    static QvainBlock Decode(qs::ByteReader& r);

    template <class Self, class Visitor>
    static void VisitFields(Self& b, Visitor&& v)
    {
        v("DisplayRefresh", b.displayRefresh, kSettlingTimeCode);
        v("uInputTypeSettings", b.uInputTypeSettings, qs::field::Radio{5});
        v("uDecimalPointSettings", b.uDecimalPointSettings, qs::field::Radio{5});
        v("iScaleLowSettings", b.iScaleLowSettings, qs::field::Integer{});
        v("iScaleHighSettings", b.iScaleHighSettings, qs::field::Integer{});
        v("uRoundSettings", b.uRoundSettings, kRoundingCode);
    }

    friend bool operator==(const QvainBlock&, const QvainBlock&) = default;
};

// Analogue output module, 11 bytes; both slots carry the same block.
struct QvaoBlock {
    static constexpr std::size_t kSize = 11;

    int uAnalogueType = -1;               // uAnalogueType, 5 items
    std::int32_t iScaleLowSettings = 0;   // iScaleLowSettings, shown in iScaleLowSettings
    std::int32_t iScaleHighSettings = 0;  // iScaleHighSettings, shown in iScaleHighSettings
    bool bAnalogueErrorHigh = false;      // bAnalogueErrorHigh
    bool bDisableAnalogueError = false;   // bDisableAnalogueError

    void Encode(qs::ByteWriter& w) const;
    static QvaoBlock Decode(qs::ByteReader& r);

    template <class Self, class Visitor>
    static void VisitFields(Self& b, Visitor&& v)
    {
        v("uAnalogueType", b.uAnalogueType, qs::field::Radio{5});
        v("iScaleLowSettings", b.iScaleLowSettings, qs::field::Integer{});
        v("iScaleHighSettings", b.iScaleHighSettings, qs::field::Integer{});
        v("bAnalogueErrorHigh", b.bAnalogueErrorHigh, qs::field::Check{});
        v("bDisableAnalogueError", b.bDisableAnalogueError, qs::field::Check{});
    }

    friend bool operator==(const QvaoBlock&, const QvaoBlock&) = default;
};

// One relay (limit) output, 17 bytes; both slots carry the same block.
struct QvroBlock {
    static constexpr std::size_t kSize = 17;
    static constexpr qs::field::Clamped kSeconds = qs::SettingsRecord::kSeconds;  // 2..65535
    static constexpr qs::field::Clamped kPulseSeconds =
        qs::SettingsRecord::kPulseSeconds;  // 2..255

    int enuLimitMode = -1;                 // enuLimitMode "Üzemmód", 11 modes
    std::int32_t iSettingsA = 0;           // iSettingsA, shown in iSettingsA
    std::int32_t iSettingsB = 0;           // iSettingsB, shown in iSettingsB
    std::int32_t iSettingsHysteresis = 0;  // iSettingsHysteresis, shown in iSettingsHysteresis
    bool bHold = false;                    // bHold
    std::uint32_t uSec = 0;                // uSec, kSeconds
    std::uint32_t uPulseSec = 0;           // uPulseSec, kPulseSeconds

    void Encode(qs::ByteWriter& w) const;
    static QvroBlock Decode(qs::ByteReader& r);

    template <class Self, class Visitor>
    static void VisitFields(Self& b, Visitor&& v)
    {
        v("enuLimitMode", b.enuLimitMode, qs::field::Radio{11});
        v("iSettingsA", b.iSettingsA, qs::field::Integer{});
        v("iSettingsB", b.iSettingsB, qs::field::Integer{});
        v("iSettingsHysteresis", b.iSettingsHysteresis, qs::field::Integer{});
        v("bHold", b.bHold, qs::field::Check{});
        v("uSec", b.uSec, kSeconds);
        v("uPulseSec", b.uPulseSec, kPulseSeconds);
    }

    friend bool operator==(const QvroBlock&, const QvroBlock&) = default;
};

// RS-485 MODBUS module, 6 bytes. Its first four controls are also fields 47-50 of the
// settings record.
struct QvserBlock {
    static constexpr std::size_t kSize = 6;
    static constexpr qs::field::Clamped kTimeOut{2, 0, 65535};

    int modbusProtocol = -1;     // MODBUSProtocol, "RTU", "ASCII"
    int modbusParity = -1;       // MODBUSParity, 4 items
    int modbusBaudRate = -1;     // MODBUSBaudRate, 16 items (no selection: 255)
    int modbusAddress = -1;      // MODBUSAddress, "0".."247" (no selection: 255)
    std::uint32_t uTimeOut = 0;  // MODBUSTimeOut, seconds, kTimeOut

    void Encode(qs::ByteWriter& w) const;
    static QvserBlock Decode(qs::ByteReader& r);

    template <class Self, class Visitor>
    static void VisitFields(Self& b, Visitor&& v)
    {
        v("MODBUSProtocol", b.modbusProtocol, qs::field::Radio{2});
        v("MODBUSParity", b.modbusParity, qs::field::Radio{4});
        v("MODBUSBaudRate", b.modbusBaudRate, qs::field::List{16});
        v("MODBUSAddress", b.modbusAddress, qs::field::List{248});
        v("MODBUSTimeOut", b.uTimeOut, kTimeOut);
    }

    friend bool operator==(const QvserBlock&, const QvserBlock&) = default;
};

// Display settings of the QV5510 and QV5520 IP, 3 bytes.
struct Qv5510DisplayBlock {
    static constexpr std::size_t kSize = 3;

    // Brightness_QV5510: the byte as it is; the track bar holds it within 1..10
    // when it is set, and its change handler then updates Brightness_QV5510.
    std::uint8_t brightness = 0;
    bool displayLeaderZeros = false;     // DisplayLeaderZeros_QV5510
    int uCounterForDisplayRefresh = -1;  // uCounterForDisplayRefresh, table C

    void Encode(qs::ByteWriter& w) const;
    static Qv5510DisplayBlock Decode(qs::ByteReader& r);

    template <class Self, class Visitor>
    static void VisitFields(Self& b, Visitor&& v)
    {
        v("Brightness_QV5510", b.brightness, qs::field::Byte{});
        v("DisplayLeaderZeros_QV5510", b.displayLeaderZeros, qs::field::Check{});
        v("uCounterForDisplayRefresh", b.uCounterForDisplayRefresh, kRefreshCountCode);
    }

    friend bool operator==(const Qv5510DisplayBlock&, const Qv5510DisplayBlock&) = default;
};

// The device's two passwords, 4 bytes, operator first, each as 16 bits. A read shows them
// formatted "0000".
struct PasswordBlock {
    static constexpr std::size_t kSize = 4;
    static constexpr std::uint16_t kMaximum = 9999;

    std::uint16_t passwordUser = 0;        // PasswordUser "Kezelői jelszó"
    std::uint16_t passwordSupervisor = 0;  // PasswordSupervisor "Mérnöki jelszó"

    void Encode(qs::ByteWriter& w) const;
    static PasswordBlock Decode(qs::ByteReader& r);

    template <class Self, class Visitor>
    static void VisitFields(Self& b, Visitor&& v)
    {
        v("PasswordUser", b.passwordUser, qs::field::Word{});
        v("PasswordSupervisor", b.passwordSupervisor, qs::field::Word{});
    }

    friend bool operator==(const PasswordBlock&, const PasswordBlock&) = default;
};

// The check of the password dialog's two entries before a write. An entry converts when it
// is plain decimal digits with an optional sign; it is valid when it converts to 0..9999.
// An invalid pair is never compared. It runs when the write button goes down and again when
// the write is built, so an entry edited while the write was pending never reaches the
// device unchecked.
enum class PasswordEntries { Valid, Invalid, Equal };
struct PasswordEntryCheck {
    PasswordEntries result = PasswordEntries::Invalid;
    PasswordBlock block;  // the block to send, when the entries are Valid
};
PasswordEntryCheck CheckPasswordEntries(std::string_view user, std::string_view supervisor);

}  // namespace korvel
