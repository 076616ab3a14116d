#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qs {

// The text rules shared by the number entries.

// The text without leading and trailing blanks (spaces, tabs and other control characters).
std::string_view TrimBlanks(std::string_view text);

// A decimal number in text form, checked and normalised.
struct DecimalText {
    bool negative = false;
    // Unsigned, with "." as the point: ready for std::from_chars ("12.5", "1.5e3").
    std::string plain;
    // The power of ten of the leading significant digit plus one (12.5 -> 2, 0.05 -> -1):
    // tells an overflow from an underflow. Saturated far beyond any floating-point range.
    long magnitudeExponent = 0;
};

// Optional blanks, optional "+" or "-", decimal digits with at most one `decimalSeparator`
// (at least one digit in all), an optional exponent ("e" or "E", optional sign, digits),
// optional blanks. Nothing else is accepted.
std::optional<DecimalText> ParseDecimalText(std::string_view text,
                                            std::string_view decimalSeparator);

// Optional blanks, optional "+" or "-", decimal digits, optional blanks, within the signed
// 32-bit range; anything else (hexadecimal, a point, an overflow) is no integer.
std::optional<std::int32_t> TextToInt32(std::string_view text);

}  // namespace qs
