#include "HexDump.h"

namespace qs {

std::string HexDump(std::span<const std::uint8_t> bytes,
                    const std::function<char(std::size_t)>& separatorAfter)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0xF];
        if (i + 1 < bytes.size())
            text += separatorAfter(i);
    }
    return text;
}

std::string PlainHexDump(std::span<const std::uint8_t> bytes)
{
    return HexDump(bytes, [](std::size_t) { return ' '; });
}

}  // namespace qs
