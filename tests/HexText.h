#pragma once
// Byte tables as text for the tests of both programs: "9A 15 18", upper-case pairs with one
// blank between them, so a failing comparison shows the wrong byte in place; and back.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hextext {

inline std::string Hex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i != 0)
            text += ' ';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0xF];
    }
    return text;
}

// Hex pairs; blanks between them are ignored.
inline std::vector<std::uint8_t> FromHex(std::string_view hex)
{
    std::vector<std::uint8_t> bytes;
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

}  // namespace hextext
