#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace qs {

// Integer edits: the value to send and the text the edit is rewritten with.

// value clamped by an unsigned comparison: below the minimum gives the minimum, above the
// maximum the maximum. Callers pass a signed entry converted to unsigned, so a negative
// entry lies above every maximum.
std::uint32_t ClampUnsigned(std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum);

struct ClampedEntry {
    std::uint32_t value;
    std::string text;  // the value in unsigned decimal
};

// A clamped integer entry: the text as a signed 32-bit decimal integer (no integer counts as
// 0), clamped with the unsigned comparison. With 2..255: "-1" gives 255, "" and "0" give 2.
ClampedEntry IntClampedEntry(std::string_view text, std::uint32_t minimum, std::uint32_t maximum);

struct IntEntry {
    std::int32_t value;
    std::string text;  // the value in decimal, without leading zeros
};

// A plain integer entry: a signed 32-bit decimal integer, no integer counting as 0.
IntEntry Int32Entry(std::string_view text);

}  // namespace qs
