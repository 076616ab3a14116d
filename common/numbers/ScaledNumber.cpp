#include "ScaledNumber.h"

#include "PictureFormat.h"
#include "Rounding.h"
#include "TextNumber.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace qs {

namespace {

constexpr std::array<std::string_view, 5> kPictures = {"00000", "0000.0", "000.00", "00.000",
                                                       "0.0000"};
constexpr std::array<float, 5> kDivisors = {1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f};

bool IsDecimalCount(int decimals)
{
    return decimals >= 0 && decimals <= 4;
}

}  // namespace

std::string DecimalFormatString(int decimals)
{
    return IsDecimalCount(decimals) ? std::string(kPictures[static_cast<std::size_t>(decimals)])
                                    : std::string();
}

std::optional<float> DecimalDivisor(int decimals)
{
    if (!IsDecimalCount(decimals))
        return std::nullopt;
    return kDivisors[static_cast<std::size_t>(decimals)];
}

std::optional<float> TextToSingle(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<DecimalText> parsed = ParseDecimalText(text, decimalSeparator);
    if (!parsed)
        return std::nullopt;

    float value = 0.0f;
    const std::string& plain = parsed->plain;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a single: an infinity; too small: a zero. Both keep the sign.
        value = parsed->magnitudeExponent > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    } else if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return parsed->negative ? -value : value;
}

std::int32_t ScaleToInteger(float value, float factor)
{
    // A float has 24 significant bits and every divisor at most 14, so the double product is
    // exact and the only rounding is the one to an integer.
    return RoundToInt32Saturated(static_cast<double>(value) * static_cast<double>(factor));
}

bool DecimalFormat::SetDecimalFormat(int decimals)
{
    if (!IsDecimalCount(decimals))
        return false;
    decimals_ = decimals;
    picture_ = std::string(kPictures[static_cast<std::size_t>(decimals)]);
    factor_ = kDivisors[static_cast<std::size_t>(decimals)];
    return true;
}

std::string DecimalFormat::Format(std::int64_t scaled, std::string_view decimalSeparator) const
{
    return FormatScaled(scaled, decimals_, picture_, decimalSeparator);
}

ScaledEntry DecimalFormat::Entry(std::string_view text, std::string_view decimalSeparator) const
{
    const float number = TextToSingle(text, decimalSeparator).value_or(0.0f);
    const std::int32_t value = ScaleToInteger(number, factor_);
    return {value, Format(value, decimalSeparator)};
}

std::string FormatWithDecimals(std::int64_t scaled, int decimals, std::string_view decimalSeparator)
{
    if (!IsDecimalCount(decimals))
        return std::to_string(scaled);
    return FormatScaled(scaled, decimals, kPictures[static_cast<std::size_t>(decimals)],
                        decimalSeparator);
}

}  // namespace qs
