#include "TextNumber.h"

#include <algorithm>
#include <charconv>

namespace qs {

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr long kExponentLimit = 100000;  // beyond any floating-point range

}  // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<DecimalText> ParseDecimalText(std::string_view text,
                                            std::string_view decimalSeparator)
{
    text = TrimBlanks(text);
    DecimalText out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }

    std::string integer, fraction;
    while (i < text.size() && IsDigit(text[i]))
        integer += text[i++];
    bool point = false;
    if (!decimalSeparator.empty() && text.substr(i, decimalSeparator.size()) == decimalSeparator) {
        point = true;
        i += decimalSeparator.size();
        while (i < text.size() && IsDigit(text[i]))
            fraction += text[i++];
    }
    if (integer.empty() && fraction.empty())
        return std::nullopt;

    long exponent = 0;
    std::string exponentText;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) {
            exponent = std::min(kExponentLimit, exponent * 10 + (text[i] - '0'));
            ++i;
        }
        if (i == start)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
        exponentText = "e" + std::to_string(exponent);
    }
    if (i != text.size())
        return std::nullopt;

    out.plain = (integer.empty() ? std::string("0") : integer) + (point ? "." + fraction : "") +
                exponentText;
    const auto firstInt = integer.find_first_not_of('0');
    if (firstInt != std::string::npos) {
        out.magnitudeExponent = static_cast<long>(integer.size() - firstInt) + exponent;
    } else {
        const auto firstFrac = fraction.find_first_not_of('0');
        out.magnitudeExponent =
            firstFrac == std::string::npos ? 0 : exponent - static_cast<long>(firstFrac);
    }
    return out;
}

std::optional<std::int32_t> TextToInt32(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty() || text == "-")
        return std::nullopt;
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace qs
