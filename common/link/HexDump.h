#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace qs {

// Frames as upper-case hexadecimal text for the link monitors: each byte as two digits, a
// separator after every byte but the last. The separator rule is the caller's: Korvel marks
// its header fields and data bytes, Ombrik separates its data bytes with blanks only.

// separatorAfter(i): the character written after byte i (i is the index in `bytes`).
std::string HexDump(std::span<const std::uint8_t> bytes,
                    const std::function<char(std::size_t)>& separatorAfter);

// One blank between two bytes, none after the last.
std::string PlainHexDump(std::span<const std::uint8_t> bytes);

}  // namespace qs
