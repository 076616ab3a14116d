#pragma once
// Byte views for record tests: hex text both ways, and a record's encoding and decoding.
#include "common/link/ByteStream.h"
#include "tests/HexText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace recordtest {

using Bytes = std::vector<std::uint8_t>;
using hextext::FromHex;
using hextext::Hex;

template <class Record>
Bytes Encoded(const Record& record)
{
    Bytes area(4096);
    qs::ByteWriter w(area);
    record.Encode(w);
    return Bytes(w.Data().begin(), w.Data().end());
}

template <class Record>
Record Decoded(const Bytes& bytes)
{
    qs::ByteReader r(bytes);
    return Record::Decode(r);
}

inline void PutLE(Bytes& b, std::size_t at, std::uint32_t v, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace recordtest
