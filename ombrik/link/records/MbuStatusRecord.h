#pragma once
#include "common/link/ByteStream.h"
#include "common/link/records/LiveStatus.h"

#include <cstddef>

namespace ombrik {

// The reply data of the status poll (101), 31 bytes: the unit's live measurement, the block
// both programs' polls share. Its status bits are LastStatusBits and its Pt1000 flag is
// Pt1000Flag. Everything is 0 before the first reply.
struct MbuStatusRecord : qs::LiveStatus {
    static constexpr std::size_t kSize = kLiveSize;

    void Encode(qs::ByteWriter& w) const { EncodeLive(w); }
    // A short reply reads 0 for the fields past its end.
    static MbuStatusRecord Decode(qs::ByteReader& r)
    {
        MbuStatusRecord s;
        s.DecodeLive(r);
        return s;
    }

    friend bool operator==(const MbuStatusRecord&, const MbuStatusRecord&) = default;
};

}  // namespace ombrik
