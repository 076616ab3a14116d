#pragma once
// Byte views for record tests: hex text both ways, and a record's encoding and decoding.
#include "ByteStream.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace recordtest {

using Bytes = std::vector<std::uint8_t>;

// "03 02 BD": upper-case pairs with one blank between them.
inline std::string Hex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i != 0)
            text += ' ';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0xF];
    }
    return text;
}

// Hex pairs, blanks between them ignored.
inline Bytes FromHex(std::string_view hex)
{
    Bytes bytes;
    std::string pair;
    for (char c : hex) {
        if (c == ' ')
            continue;
        pair += c;
        if (pair.size() == 2) {
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
            pair.clear();
        }
    }
    return bytes;
}

template <class Record>
Bytes Encoded(const Record& record)
{
    Bytes area(4096);
    ByteWriter w(area);
    record.Encode(w);
    return Bytes(w.Data().begin(), w.Data().end());
}

template <class Record>
Record Decoded(const Bytes& bytes)
{
    ByteReader r(bytes);
    return Record::Decode(r);
}

inline void PutLE(Bytes& b, std::size_t at, std::uint32_t v, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace recordtest
