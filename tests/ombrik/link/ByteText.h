#pragma once
// Byte tables as text, "9A 15 18": upper-case pairs with one blank between them, so a
// failing comparison shows the wrong byte in place.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace bytetext {

inline std::string Hex(std::span<const std::uint8_t> bytes)
{
    std::string text;
    char pair[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(pair, sizeof pair, text.empty() ? "%02X" : " %02X", b);
        text += pair;
    }
    return text;
}

inline std::vector<std::uint8_t> FromHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    const char* p = hex.c_str();
    for (char* end = nullptr;; p = end) {
        const unsigned long v = std::strtoul(p, &end, 16);
        if (end == p)
            return bytes;
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
}

}  // namespace bytetext
