#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace qs {

// Number pictures such as "00000", "000.00", "#0.000", "## ##0" and "# ### ### ##0".
//
// - "0" is a digit that is always shown, leading and trailing zeros included.
// - "#" is a digit shown only when significant (a trailing "#" after the decimal point drops
//   a trailing zero; a leading "#" drops a leading zero).
// - The first "." stands for the decimal separator given by the caller; it is shown only when
//   a fraction digit is shown.
// - Every other character is copied. In the integer part, a character standing between digit
//   positions is a grouping mark: it is shown only when a digit stands to its left, so with
//   "# ### ##0" the value 12 gives "12" and 1234567 gives "1 234 567". A number with more
//   digits than the picture puts the extra digits in front and goes on grouping them like the
//   rightmost group ("# ### ##0" with -2147483648 gives "-2 147 483 648").
// - The value is rounded to the picture's fraction digits, an exact half away from zero
//   ("#0.000" of 0.0625 gives "0.063", of -0.0625 "-0.063"); a negative value that does not
//   round to zero gets a leading "-". Real-to-integer conversions round differently: they send
//   halves to the even neighbour (Rounding.h).
// - An empty picture gives the general format (FormatGeneral; plain digits for integers).
//
// The texts are UTF-8; the separator may be any text (usually "," or ".").

// An integer formatted with a picture.
std::string FormatInteger(std::int64_t value, std::string_view picture,
                          std::string_view decimalSeparator);

// A scaled integer, scaled / 10^decimals (decimals 0..18), formatted with a picture. The
// digits come from the integer itself, so no binary fraction can creep in.
std::string FormatScaled(std::int64_t scaled, int decimals, std::string_view picture,
                         std::string_view decimalSeparator);

// A real number formatted with a picture. Rounding works on the exact binary value: 0.125
// with "0.00" is an exact half and gives "0.13", while 1.005, stored just below itself, gives
// "1.00". NaN and infinities give "NAN", "INF", "-INF".
std::string FormatFloat(double value, std::string_view picture, std::string_view decimalSeparator);

// The general number format: up to 15 significant digits (an exact half of the exact binary
// value away from zero: 7.720367431640625 gives "7.72036743164063"), no trailing zeros,
// the exponent form ("1.5E-7", "1E20") only when the value is below 0.00001 or has more than
// 15 integer digits. A single-precision value widened to double keeps its binary digits:
// 12.3456f gives "12.3456001281738".
std::string FormatGeneral(double value, std::string_view decimalSeparator);

}  // namespace qs
