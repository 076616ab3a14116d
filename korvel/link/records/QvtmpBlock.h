#pragma once
#include "common/link/ByteStream.h"
#include "common/link/records/FieldCodec.h"
#include "ModuleBlocks.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace korvel {

// The Pt100/Pt1000 temperature module's block, 25 bytes: read 223, defaults 224, write 225.
//
// The window keeps the last block received whole (LastQVTMPBlock, all zero at start): a
// write sends its lead resistance, 0 % and 100 % values and scale values back as they
// came, and takes only the five selections from the dialog's radio groups. The three IEEE
// singles are kept as their bit patterns, so they go back bit for bit.

// Code table D, averaged measurements: items "1", "2", "5", "10", "20", "50" travel as their
// numbers. Any other index sends 1; a code outside selects "1".
inline constexpr std::array<std::uint8_t, 6> kAveragingCodes = {1, 2, 5, 10, 20, 50};
inline constexpr qs::field::Coded kAveragingCode{kAveragingCodes, 1, 0};

// The dialog's five radio groups (the QVTMP dialog), as item indexes (-1 no selection).
struct QvtmpSelection {
    int mode = -1;      // QVTMP_Mode: "°C", "Ellenállás", "Potenciométer"
    int wires = -1;     // QVTMP_Wires: "2", "3", "4"
    int average = -1;   // QVTMP_Average, table D
    int decimals = -1;  // uDecimalPointSettings, "0".."4"
    int round = -1;     // uRoundSettings, table B

    template <class Self, class Visitor>
    static void VisitFields(Self& s, Visitor&& v);

    friend bool operator==(const QvtmpSelection&, const QvtmpSelection&) = default;
};

struct QvtmpBlock {
    static constexpr std::size_t kSize = 25;

    std::uint8_t uMode = 0;                // selects QVTMP_Mode
    std::uint8_t uWires = 0;               // 2..4; selects QVTMP_Wires (below 2: none)
    std::uint32_t leadResistanceBits = 0;  // ohm, 2-wire lead resistance, QVTMP_R2W
    std::uint8_t uAverage = 0;             // selects QVTMP_Average, table D
    std::uint32_t calPot0Bits = 0;         // value at 0 %, QVTMP_CalPot0
    std::uint32_t calPot100Bits = 0;       // value at 100 %, QVTMP_CalPot100
    std::uint8_t uDecimals = 0;            // decimals of the two scale values; selects
                                           // uDecimalPointSettings
    std::int32_t iScaleLow = 0;            // display value at 0 %, iScaleLowSettings
    std::int32_t iScaleHigh = 0;           // display value at 100 %, iScaleHighSettings
    std::uint8_t uRound = 0;               // selects uRoundSettings, table B

    float LeadResistance() const { return std::bit_cast<float>(leadResistanceBits); }
    float CalPot0() const { return std::bit_cast<float>(calPot0Bits); }
    float CalPot100() const { return std::bit_cast<float>(calPot100Bits); }

    // The decimal count of the two scale values, when it is one of 0..4. Above 4 there is no
    // picture and no divisor: the scale labels keep their design text and nothing is divided.
    std::optional<int> ScaleDecimals() const;

    // The items a reply selects: mode and decimals past the last item select the last; wires
    // below 2 select none, above 4 the last; averaging and rounding codes outside their tables
    // select "1".
    QvtmpSelection Selection() const;

    // The block a write sends: this block (the last one received) with the dialog's
    // selections. Wires without a selection send 1; averaging and rounding indexes outside
    // their tables send 1.
    QvtmpBlock WithSelection(const QvtmpSelection& s) const;

    void Encode(qs::ByteWriter& w) const;
    static QvtmpBlock Decode(qs::ByteReader& r);

    template <class Self, class Visitor>
    static void VisitFields(Self& b, Visitor&& v)
    {
        v("QVTMP_Mode", b.uMode, qs::field::Byte{});
        v("QVTMP_Wires", b.uWires, qs::field::Byte{});
        v("QVTMP_R2W", b.leadResistanceBits, qs::field::SingleBits{});
        v("QVTMP_Average", b.uAverage, qs::field::Byte{});
        v("QVTMP_CalPot0", b.calPot0Bits, qs::field::SingleBits{});
        v("QVTMP_CalPot100", b.calPot100Bits, qs::field::SingleBits{});
        v("uDecimalPointSettings", b.uDecimals, qs::field::Byte{});
        v("iScaleLowSettings", b.iScaleLow, qs::field::Integer{});
        v("iScaleHighSettings", b.iScaleHigh, qs::field::Integer{});
        v("uRoundSettings", b.uRound, qs::field::Byte{});
    }

    friend bool operator==(const QvtmpBlock&, const QvtmpBlock&) = default;
};

template <class Self, class Visitor>
void QvtmpSelection::VisitFields(Self& s, Visitor&& v)
{
    v("QVTMP_Mode", s.mode, qs::field::Radio{3});
    v("QVTMP_Wires", s.wires, qs::field::WireCount{3});
    v("QVTMP_Average", s.average, kAveragingCode);
    v("uDecimalPointSettings", s.decimals, qs::field::Radio{5});
    v("uRoundSettings", s.round, kRoundingCode);
}

}  // namespace korvel
