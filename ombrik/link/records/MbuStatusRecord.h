#pragma once
#include "ByteStream.h"

#include <cstddef>
#include <cstdint>

// The reply data of the status poll (command 101), 31 bytes: the unit's live measurement.
// Everything is 0 before the first reply.
struct MbuStatusRecord {
    std::int32_t iADRaw = 0;                   // raw converter reading ("AD nyers:")
    std::int32_t iADAveraged = 0;              // filtered converter reading ("AD szűrt:")
    std::uint32_t uStatusBits = 0;             // LastStatusBits: mbu_status bits
    float fFizikaiMennyiseg = 0.0f;            // physical value
    float fKimenetSzazalek = 0.0f;             // output percent
    std::int32_t iSkalazottKijezesiErtek = 0;  // displayed value as a scaled integer
    std::uint8_t uInputType = 0;               // analogue input type 0..4
    std::uint8_t uDecimals = 0;                // decimal places 0..4 of the displayed value
    std::uint8_t uCRCOKbits = 0;               // memory CRC-OK bits at start-up
    std::uint8_t uAfterWriteOKbits = 0;        // memory OK-after-write bits
    std::uint16_t uSPS = 0;                    // converter samples per second
    std::uint8_t uPt1000Flag = 0;              // Pt1000Flag: not 0 for Pt1000, 0 for Pt100

    static constexpr std::size_t kSize = 31;

    void Encode(ByteWriter& w) const;
    // A short reply reads 0 for the fields past its end.
    static MbuStatusRecord Decode(ByteReader& r);

    friend bool operator==(const MbuStatusRecord&, const MbuStatusRecord&) = default;
};

// Bits of MbuStatusRecord::uStatusBits the window uses; the others are only stored.
namespace mbu_status {
constexpr std::uint32_t InputNotCalibrated = 1u << 0;
constexpr std::uint32_t OutputNotCalibrated = 1u << 1;  // also withholds the check buttons
}  // namespace mbu_status
