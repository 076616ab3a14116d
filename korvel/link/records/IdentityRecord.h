#pragma once
#include "common/link/ByteStream.h"

#include <cstddef>
#include <cstdint>

namespace korvel {

// The identity that command 1 writes into a device: factory number, date of manufacture,
// model and the kinds of the three fitted modules. 11 bytes, little-endian.
struct IdentityRecord {
    std::uint32_t uGyariSzam = 0;      // factory number, 0..999999
    std::uint8_t uGyariSzamEv = 0;     // year of manufacture, two digits
    std::uint8_t uGyariSzamHonap = 0;  // month of manufacture, 1..12 (0 after unreadable text)
    std::uint16_t uDeviceType = 0;     // device-type code (the model number)
    std::uint8_t uQVOptIn = 0;         // module kind of the input slot
    std::uint8_t uQVOptOut2 = 0;       // module kind of output module 2 (main)
    std::uint8_t uQVOptOut1 = 0;       // module kind of output module 1 (additional)

    // u32, byte, byte, u16, byte, byte, byte.
    void Encode(qs::ByteWriter& w) const;
    static IdentityRecord Decode(qs::ByteReader& r);

    friend bool operator==(const IdentityRecord&, const IdentityRecord&) = default;
};

constexpr std::size_t kIdentityRecordSize = 11;

}  // namespace korvel
