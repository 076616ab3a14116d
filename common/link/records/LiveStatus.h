#pragma once
#include "common/link/ByteStream.h"

#include <cstddef>
#include <cstdint>

namespace qs {

// The live measurement both programs' status polls report, in this order, little-endian:
// converter readings, status bits, physical value, output level, displayed value, input
// type, decimal places, memory bits, converter rate and the Pt1000 flag (31 bytes). Ombrik's
// poll reply is this block alone; Korvel's carries it after the year and month of
// manufacture and before its further fields. Everything is 0 before the first reply.
struct LiveStatus {
    std::int32_t iADRaw = 0;                   // raw converter reading ("AD nyers:")
    std::int32_t iADAveraged = 0;              // filtered converter reading ("AD szűrt:")
    std::uint32_t uErrorBits = 0;              // status bits: live_status bits and more
    float fFizikaiMennyiseg = 0.0f;            // physical value
    float fKimenetSzazalek = 0.0f;             // output level, 1.0 = 100 %
    std::int32_t iSkalazottKijezesiErtek = 0;  // displayed value, scaled integer
    std::uint8_t uInputType = 0;               // analogue input type 0..4
    std::uint8_t uDecimals = 0;                // decimal places 0..4 of the displayed value
    std::uint8_t uCRCOKbits = 0;               // memory CRC-OK bits at start-up
    std::uint8_t uAfterWriteOKbits = 0;        // memory OK-after-write bits
    std::uint16_t uSPS = 0;                    // converter samples per second
    bool bPt1000 = false;                      // Pt1000 sensor (any byte but 0); else Pt100

    static constexpr std::size_t kLiveSize = 31;

    void EncodeLive(ByteWriter& w) const;
    // A short reply reads 0 for the fields past its end.
    void DecodeLive(ByteReader& r);

    friend bool operator==(const LiveStatus&, const LiveStatus&) = default;
};

// Status bits both programs use.
namespace live_status {
constexpr std::uint32_t InputNotCalibrated = 1u << 0;
constexpr std::uint32_t OutputNotCalibrated = 1u << 1;  // also withholds the output checks
}  // namespace live_status

}  // namespace qs
