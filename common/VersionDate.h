#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace qs {

// Firmware versions travel as a 16-bit date code:
// (year - 2000) * 372 + (month - 1) * 31 + (day - 1).
constexpr std::uint16_t VersionDateCode(int year, int month, int day)
{
    return static_cast<std::uint16_t>((year - 2000) * 372 + (month - 1) * 31 + (day - 1));
}

// "yyyy" sep "mm" sep "dd" sep: the separator also ends the text (7613 -> "2020.06.19.").
std::string VersionToStr(std::uint16_t code, std::string_view separator);

}  // namespace qs
