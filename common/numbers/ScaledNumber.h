#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qs {

// Scaled integers: decimal quantities kept by the device as a signed 32-bit integer equal to
// the shown value times 10^decimals, with a decimal count of 0 to 4 that the device reports.
//
// decimals | picture  | divisor
//    0     | "00000"  | 1
//    1     | "0000.0" | 10
//    2     | "000.00" | 100
//    3     | "00.000" | 1000
//    4     | "0.0000" | 10000

// The picture for a decimal count; the empty text for a count outside 0..4.
std::string DecimalFormatString(int decimals);

// The divisor for a decimal count; none for a count outside 0..4 (there is no usable divisor,
// and a caller must not divide by one).
std::optional<float> DecimalDivisor(int decimals);

// A typed number: optional blanks, an optional sign, decimal digits with at most one decimal
// separator (the given one only), an optional exponent ("1,5E3"), optional blanks. Anything
// else is no number: "inf", "nan", hexadecimal forms, group separators, the other separator.
// The value is held as an IEEE single, rounded once from the text; a magnitude beyond the
// single range gives an infinity of the same sign.
std::optional<float> TextToSingle(std::string_view text, std::string_view decimalSeparator);

// value x factor, taken exactly (a single times a divisor fits a double), rounded to the
// nearest integer with halves to even. A product beyond the signed 32-bit range gives the
// nearest end of the range (the caller shows the value actually used).
std::int32_t ScaleToInteger(float value, float factor);

// A number entered in an edit: the integer to send, and the text the edit is rewritten with.
struct ScaledEntry {
    std::int32_t value;
    std::string text;
};

// The current scaled format of a window: the picture (ScaledFormat) and the divisor
// (ScaledFactor), both following one decimal count. It starts at 0 decimals.
class DecimalFormat {
public:
    DecimalFormat() = default;

    // Sets the format for a count of 0..4 and returns true; any other count leaves it as it
    // was and returns false.
    bool SetDecimalFormat(int decimals);

    int Decimals() const { return decimals_; }
    const std::string& ScaledFormat() const { return picture_; }
    float ScaledFactor() const { return factor_; }

    // A received scaled integer as text: scaled / divisor in the picture, made from the
    // integer's own digits.
    std::string Format(std::int64_t scaled, std::string_view decimalSeparator) const;

    // Typed text to the scaled integer: a text that is no number counts as 0; the product is
    // rounded half to even and saturated; the text is the value sent, in the picture.
    ScaledEntry Entry(std::string_view text, std::string_view decimalSeparator) const;

    friend bool operator==(const DecimalFormat&, const DecimalFormat&) = default;

private:
    int decimals_ = 0;
    std::string picture_ = "00000";
    float factor_ = 1.0f;
};

// A value that carries its own decimal count (0..4) in the picture of that count. A count
// outside 0..4 has no scale: the integer is shown as it is, in plain digits.
std::string FormatWithDecimals(std::int64_t scaled, int decimals,
                               std::string_view decimalSeparator);

}  // namespace qs
