#include "PictureFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace qs {

namespace {

// A non-negative decimal number as its digits, with the sign kept apart.
struct DecimalDigits {
    bool negative = false;
    std::string integer;   // no leading zeros; empty for a zero integer part
    std::string fraction;  // digits after the point
};

void StripLeadingZeros(std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    digits.erase(0, first == std::string::npos ? digits.size() : first);
}

void StripTrailingZeros(std::string& digits)
{
    const auto last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);
}

bool AllZero(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

// Whether dropping `dropped` after the kept digits rounds them up. The digits are those of
// the magnitude, so an exact half (a 5 with nothing but zeros behind it) goes away from zero,
// as everything above it does.
bool RoundsUp(std::string_view dropped)
{
    return !dropped.empty() && dropped[0] >= '5';
}

// Adds one unit in the last place of a digit string; a carry out of the first digit
// lengthens the string ("999" -> "1000").
void Increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Rounds to `places` fraction digits (halves away from zero); the fraction then has exactly
// that many digits.
void RoundTo(DecimalDigits& d, std::size_t places)
{
    if (d.fraction.size() <= places) {
        d.fraction.append(places - d.fraction.size(), '0');
        return;
    }
    std::string kept = d.integer + d.fraction.substr(0, places);
    const std::string_view dropped = std::string_view(d.fraction).substr(places);
    if (RoundsUp(dropped))
        Increment(kept);
    d.integer = kept.substr(0, kept.size() - places);
    d.fraction = kept.substr(kept.size() - places);
    StripLeadingZeros(d.integer);
}

DecimalDigits FromScaled(std::int64_t scaled, int decimals)
{
    DecimalDigits d;
    d.negative = scaled < 0;
    const std::uint64_t magnitude =
        d.negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string digits = std::to_string(magnitude);
    const std::size_t places = decimals > 0 ? static_cast<std::size_t>(decimals) : 0;
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    d.integer = digits.substr(0, digits.size() - places);
    d.fraction = digits.substr(digits.size() - places);
    StripLeadingZeros(d.integer);
    return d;
}

// The exact decimal expansion of a finite double (every binary fraction has one).
DecimalDigits FromDouble(double value)
{
    DecimalDigits d;
    d.negative = std::signbit(value);
    // A double is m * 2^e with an integer m of at most 53 bits, and 2^-k has exactly k
    // fraction digits: -e of them (1074 at most) make this one exact. 309 integer digits at
    // most.
    int exponent = 0;
    std::frexp(value, &exponent);  // value = f * 2^exponent, 0.5 <= |f| < 1: m * 2^(exponent - 53)
    const int places = value == 0 ? 0 : std::clamp(53 - exponent, 0, 1074);
    char buffer[1500];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::fixed, places);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto point = text.find('.');
    d.integer = std::string(text.substr(0, point));
    if (point != std::string_view::npos)
        d.fraction = std::string(text.substr(point + 1));
    StripLeadingZeros(d.integer);
    StripTrailingZeros(d.fraction);
    return d;
}

// One piece of a picture: a digit position or a run of copied characters.
struct Token {
    bool digit;
    bool required;          // "0" (for digit positions)
    std::string_view text;  // the copied characters (for literal runs)
};

std::vector<Token> Tokenize(std::string_view picture)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '0' || c == '#') {
            tokens.push_back({true, c == '0', {}});
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < picture.size() && picture[i] != '0' && picture[i] != '#')
            ++i;
        tokens.push_back({false, false, picture.substr(start, i - start)});
    }
    return tokens;
}

// The integer part of the picture laid out right to left; `digits` are the integer digits
// to show (already padded to the picture's minimum). Pieces are collected in reverse order.
std::string LayOutInteger(const std::vector<Token>& tokens, const std::string& digits)
{
    const std::size_t n = digits.size();
    std::size_t positions = 0;
    for (const Token& t : tokens)
        positions += t.digit ? 1 : 0;

    // Grouping marks: literal runs with a digit position on both sides, keyed by the number of
    // digit positions to their right.
    std::size_t firstDigit = tokens.size(), lastDigit = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].digit) {
            firstDigit = std::min(firstDigit, i);
            lastDigit = i;
        }
    }
    std::string_view leftMark;
    std::size_t leftMarkAt = 0, rightGroup = 0;
    {
        std::size_t right = 0;
        for (std::size_t i = tokens.size(); i-- > 0;) {
            if (tokens[i].digit) {
                ++right;
            } else if (i > firstDigit && i < lastDigit) {
                if (rightGroup == 0)
                    rightGroup = right;
                leftMark = tokens[i].text;
                leftMarkAt = right;
            }
        }
    }

    std::vector<std::string_view> pieces;  // right to left
    std::size_t placed = 0;                // digit positions passed so far
    auto digitAt = [&](std::size_t fromRight) {
        return std::string_view(digits).substr(n - 1 - fromRight, 1);
    };
    for (std::size_t i = tokens.size(); i-- > 0;) {
        const Token& t = tokens[i];
        if (t.digit) {
            if (placed < n)
                pieces.push_back(digitAt(placed));
            ++placed;
            if (i == firstDigit) {
                // Digits beyond the picture go in front, grouped on like the rightmost group.
                for (std::size_t k = positions; k < n; ++k) {
                    if (rightGroup > 0 && k >= leftMarkAt + rightGroup &&
                        (k - leftMarkAt) % rightGroup == 0)
                        pieces.push_back(leftMark);
                    pieces.push_back(digitAt(k));
                }
            }
        } else if (i > firstDigit && i < lastDigit) {
            if (n > placed)
                pieces.push_back(t.text);
        } else {
            // Before the first or after the last digit position: always copied. A picture
            // without digit positions shows the number after all of its text.
            if (firstDigit == tokens.size() && i == tokens.size() - 1)
                for (std::size_t k = 0; k < n; ++k)
                    pieces.push_back(digitAt(k));
            pieces.push_back(t.text);
        }
    }
    if (tokens.empty())
        for (std::size_t k = 0; k < n; ++k)
            pieces.push_back(digitAt(k));

    std::string out;
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        out += *it;
    return out;
}

std::string FormatDigits(DecimalDigits d, std::string_view picture, std::string_view separator)
{
    const auto point = picture.find('.');
    const std::vector<Token> intTokens = Tokenize(picture.substr(0, point));
    const std::vector<Token> fracTokens = point == std::string_view::npos
                                              ? std::vector<Token>{}
                                              : Tokenize(picture.substr(point + 1));

    std::size_t fracPositions = 0, fracRequired = 0;
    for (const Token& t : fracTokens) {
        if (t.digit) {
            ++fracPositions;
            if (t.required)
                fracRequired = fracPositions;
        }
    }
    RoundTo(d, fracPositions);
    const bool negative = d.negative && !(d.integer.empty() && AllZero(d.fraction));

    // Integer digits: at least as many as the positions from the leftmost "0" on.
    std::size_t intPositions = 0, intRequired = 0;
    for (const Token& t : intTokens) {
        if (t.digit) {
            ++intPositions;
            if (t.required && intRequired == 0)
                intRequired = intPositions;  // index (1-based) of the first "0"
        }
    }
    const std::size_t minimum = intRequired == 0 ? 0 : intPositions - intRequired + 1;
    std::string integer = d.integer;
    if (integer.size() < minimum)
        integer.insert(0, minimum - integer.size(), '0');

    // Fraction digits: trailing zeros under "#" positions are dropped.
    std::size_t shown = fracPositions;
    while (shown > fracRequired && d.fraction[shown - 1] == '0')
        --shown;

    std::string out = negative ? "-" : "";
    out += LayOutInteger(intTokens, integer);
    if (point != std::string_view::npos) {
        if (shown > 0)
            out += separator;
        std::size_t index = 0;
        for (std::size_t i = 0; i < fracTokens.size(); ++i) {
            const Token& t = fracTokens[i];
            if (t.digit) {
                if (index < shown)
                    out += d.fraction[index];
                ++index;
            } else if (index >= fracPositions || index < shown) {
                // Text after the last position is copied; text between positions goes with
                // the digit after it.
                out += t.text;
            }
        }
    }
    return out;
}

std::string GeneralFromDigits(const DecimalDigits& d, std::string_view separator)
{
    constexpr std::size_t precision = 15;
    const std::string all = d.integer + d.fraction;
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return "0";
    // value = 0.digits x 10^exponent
    long exponent = static_cast<long>(d.integer.size()) - static_cast<long>(first);
    std::string digits = all.substr(first);
    if (digits.size() > precision) {
        const bool up = RoundsUp(std::string_view(digits).substr(precision));
        digits.resize(precision);
        if (up) {
            Increment(digits);
            if (digits.size() > precision) {
                ++exponent;
                digits.resize(precision);
            }
        }
    }
    StripTrailingZeros(digits);

    std::string out = d.negative ? "-" : "";
    if (exponent >= -4 && exponent <= static_cast<long>(precision)) {
        if (exponent <= 0) {
            out += "0";
            out += separator;
            out.append(static_cast<std::size_t>(-exponent), '0');
            out += digits;
        } else if (digits.size() <= static_cast<std::size_t>(exponent)) {
            out += digits;
            out.append(static_cast<std::size_t>(exponent) - digits.size(), '0');
        } else {
            out += digits.substr(0, static_cast<std::size_t>(exponent));
            out += separator;
            out += digits.substr(static_cast<std::size_t>(exponent));
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += separator;
        out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent - 1);
    return out;
}

std::string NonFiniteText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatInteger(std::int64_t value, std::string_view picture,
                          std::string_view decimalSeparator)
{
    return FormatScaled(value, 0, picture, decimalSeparator);
}

std::string FormatScaled(std::int64_t scaled, int decimals, std::string_view picture,
                         std::string_view decimalSeparator)
{
    const DecimalDigits d = FromScaled(scaled, decimals < 0 ? 0 : decimals);
    if (picture.empty()) {
        // Whole numbers show all their digits; others take the general format.
        if (AllZero(d.fraction))
            return (d.negative ? "-" : "") + (d.integer.empty() ? std::string("0") : d.integer);
        return GeneralFromDigits(d, decimalSeparator);
    }
    return FormatDigits(d, picture, decimalSeparator);
}

std::string FormatFloat(double value, std::string_view picture, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (picture.empty())
        return FormatGeneral(value, decimalSeparator);
    return FormatDigits(FromDouble(value), picture, decimalSeparator);
}

std::string FormatGeneral(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    return GeneralFromDigits(FromDouble(value), decimalSeparator);
}

}  // namespace qs
