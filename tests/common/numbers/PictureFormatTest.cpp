#include "common/numbers/PictureFormat.h"
#include "common/numbers/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace qs;

// Every number format is checked with both decimal separators.
class PictureFormat : public ::testing::TestWithParam<const char*> {
protected:
    std::string sep = GetParam();
    // The expected text with "." standing for the separator.
    std::string E(std::string text) const
    {
        for (auto pos = text.find('.'); pos != std::string::npos;
             pos = text.find('.', pos + sep.size()))
            text.replace(pos, 1, sep);
        return text;
    }
};

INSTANTIATE_TEST_SUITE_P(Separators, PictureFormat, ::testing::Values(",", "."),
                         [](const auto& info) {
                             return std::string(info.param) == "," ? "Comma" : "Point";
                         });

TEST_P(PictureFormat, ScaledPicturesOfEachDecimalCount)
{
    EXPECT_EQ(FormatScaled(12345, 0, "00000", sep), "12345");
    EXPECT_EQ(FormatScaled(12345, 1, "0000.0", sep), E("1234.5"));
    EXPECT_EQ(FormatScaled(12345, 2, "000.00", sep), E("123.45"));
    EXPECT_EQ(FormatScaled(12345, 3, "00.000", sep), E("12.345"));
    EXPECT_EQ(FormatScaled(12345, 4, "0.0000", sep), E("1.2345"));
    // Leading and trailing zeros of "0" positions, and the leading minus.
    EXPECT_EQ(FormatScaled(1235, 2, "000.00", sep), E("012.35"));
    EXPECT_EQ(FormatScaled(12, 2, "000.00", sep), E("000.12"));
    EXPECT_EQ(FormatScaled(-100, 2, "000.00", sep), E("-001.00"));
    EXPECT_EQ(FormatScaled(0, 4, "0.0000", sep), E("0.0000"));
    EXPECT_EQ(FormatScaled(7, 0, "00000", sep), "00007");
    // More digits than the picture: all of them show.
    EXPECT_EQ(FormatScaled(2147483647, 2, "000.00", sep), E("21474836.47"));
    EXPECT_EQ(FormatScaled(-2147483647 - 1, 0, "00000", sep), "-2147483648");
}

TEST_P(PictureFormat, ScaledValueRoundedToFewerPictureDecimalsHalfAwayFromZero)
{
    EXPECT_EQ(FormatScaled(125, 3, "0.00", sep), E("0.13"));
    EXPECT_EQ(FormatScaled(135, 3, "0.00", sep), E("0.14"));
    EXPECT_EQ(FormatScaled(-125, 3, "0.00", sep), E("-0.13"));
    EXPECT_EQ(FormatScaled(1249, 4, "0.00", sep), E("0.12"));
    EXPECT_EQ(FormatScaled(1251, 4, "0.00", sep), E("0.13"));
    EXPECT_EQ(FormatScaled(9995, 3, "0.00", sep), E("10.00"));
    EXPECT_EQ(FormatScaled(-4, 3, "0.00", sep), E("0.00"));  // rounds to zero: no minus
    EXPECT_EQ(FormatScaled(-5, 3, "0.00", sep), E("-0.01"));
    EXPECT_EQ(FormatScaled(12, 1, "00.000", sep), E("01.200"));
}

TEST_P(PictureFormat, FixedIntegerPictures)
{
    EXPECT_EQ(FormatInteger(123456, "000000", sep), "123456");
    EXPECT_EQ(FormatInteger(42, "000000", sep), "000042");
    EXPECT_EQ(FormatInteger(1234567, "000000", sep), "1234567");
    EXPECT_EQ(FormatInteger(8, "00", sep), "08");
    EXPECT_EQ(FormatInteger(12, "0000", sep), "0012");
    EXPECT_EQ(FormatInteger(12345, "0000", sep), "12345");
    EXPECT_EQ(FormatInteger(0, "0", sep), "0");
    EXPECT_EQ(FormatInteger(-3, "0", sep), "-3");
    EXPECT_EQ(FormatInteger(0, "#", sep), "");
}

TEST_P(PictureFormat, GroupingBlankShownOnlyWithADigitOnItsLeft)
{
    EXPECT_EQ(FormatInteger(0, "# ### ##0", sep), "0");
    EXPECT_EQ(FormatInteger(12, "# ### ##0", sep), "12");
    EXPECT_EQ(FormatInteger(999, "# ### ##0", sep), "999");
    EXPECT_EQ(FormatInteger(1000, "# ### ##0", sep), "1 000");
    EXPECT_EQ(FormatInteger(1234567, "# ### ##0", sep), "1 234 567");
    EXPECT_EQ(FormatInteger(-1234, "# ### ##0", sep), "-1 234");
    EXPECT_EQ(FormatInteger(8388607, "# ### ##0", sep), "8 388 607");
    EXPECT_EQ(FormatInteger(-8388608, "# ### ##0", sep), "-8 388 608");
    EXPECT_EQ(FormatInteger(123, "## ##0", sep), "123");
    EXPECT_EQ(FormatInteger(65535, "## ##0", sep), "65 535");
    EXPECT_EQ(FormatInteger(4294967295, "# ### ### ##0", sep), "4 294 967 295");
    EXPECT_EQ(FormatInteger(305419896, "# ### ### ##0", sep), "305 419 896");
}

TEST_P(PictureFormat, DigitsBeyondTheGroupedPictureGoOnGrouping)
{
    EXPECT_EQ(FormatInteger(-2147483647 - 1, "# ### ##0", sep), "-2 147 483 648");
    EXPECT_EQ(FormatInteger(2147483647, "# ### ##0", sep), "2 147 483 647");
    EXPECT_EQ(FormatInteger(1234567, "## ##0", sep), "1 234 567");
    EXPECT_EQ(FormatInteger(123456, "## ##0", sep), "123 456");
    EXPECT_EQ(FormatInteger(1234567890123, "# ### ### ##0", sep), "1 234 567 890 123");
}

TEST_P(PictureFormat, RealValuesRoundExactBinaryValueHalfAwayFromZero)
{
    EXPECT_EQ(FormatFloat(0.125, "#0.000", sep), E("0.125"));
    EXPECT_EQ(FormatFloat(0.375, "#0.000", sep), E("0.375"));
    EXPECT_EQ(FormatFloat(0.125, "0.00", sep), E("0.13"));
    EXPECT_EQ(FormatFloat(0.375, "0.00", sep), E("0.38"));
    EXPECT_EQ(FormatFloat(2.5, "0", sep), "3");
    EXPECT_EQ(FormatFloat(3.5, "0", sep), "4");
    EXPECT_EQ(FormatFloat(-2.5, "0", sep), "-3");
    // 1.005 is stored just below itself, so it rounds down, not as a tie.
    EXPECT_EQ(FormatFloat(1.005, "0.00", sep), E("1.00"));
    EXPECT_EQ(FormatFloat(static_cast<double>(12.3456f), "#0.00", sep), E("12.35"));
    EXPECT_EQ(FormatFloat(123.4567, "#0.000", sep), E("123.457"));
    EXPECT_EQ(FormatFloat(-0.0004, "#0.000", sep), E("0.000"));
    EXPECT_EQ(FormatFloat(99.9996, "#0.000", sep), E("100.000"));
    EXPECT_EQ(FormatFloat(1234.5, "# ##0.0", sep), E("1 234.5"));
    // The whole binary value counts, to its last fraction digit: 0.1 is exactly
    // 0.1000000000000000055511151231257827021181583404541015625 (55 fraction digits), so
    // cut to 54 it ends in an exact half (...1015625 gives ...101563), and 1 + 2^-52 has 52.
    const std::string exact = "0.1000000000000000055511151231257827021181583404541015625";
    EXPECT_EQ(FormatFloat(0.1, "0." + std::string(55, '0'), sep), E(exact));
    EXPECT_EQ(FormatFloat(0.1, "0." + std::string(54, '0'), sep),
              E(exact.substr(0, exact.size() - 2) + "3"));
    EXPECT_EQ(FormatFloat(1 + std::ldexp(1.0, -52), "0." + std::string(52, '0'), sep),
              E("1.0000000000000002220446049250313080847263336181640625"));
    // The smallest subnormal, 2^-1074 (4.94e-324), has 1074 fraction digits, the first
    // non-zero one the 324th: 323 places show zeros, 324 show it rounded to 5.
    EXPECT_EQ(FormatFloat(std::ldexp(1.0, -1074), "0." + std::string(323, '0'), sep),
              E("0." + std::string(323, '0')));
    EXPECT_EQ(FormatFloat(std::ldexp(1.0, -1074), "0." + std::string(324, '0'), sep),
              E("0." + std::string(323, '0') + "5"));
}

// Exact halves, as single-precision device values give them, go away from zero in pictures
// and the general format (an empty picture); the doubles next to them round to the nearer side.
TEST_P(PictureFormat, ExactHalvesAwayFromZeroTheirNeighboursToTheNearerSide)
{
    struct Row {
        double half;
        const char* picture;
        const char* below;  // text of the double just below the half (nearer zero)
        const char* up;     // text of the half and of the double just above it
    };
    const Row rows[] = {
        {0.0625, "#0.000", "0.062", "0.063"},
        {0.5625, "#0.000", "0.562", "0.563"},
        {100.125, "##0.00", "100.12", "100.13"},
        {100.25, "###0.0", "100.2", "100.3"},
        {static_cast<double>(7.720367431640625f), "", "7.72036743164062", "7.72036743164063"},
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.half) + " \"" + r.picture + "\"");
        const double below = std::nextafter(r.half, 0.0);
        const double above = std::nextafter(r.half, inf);
        EXPECT_EQ(FormatFloat(r.half, r.picture, sep), E(r.up));
        EXPECT_EQ(FormatFloat(below, r.picture, sep), E(r.below));
        EXPECT_EQ(FormatFloat(above, r.picture, sep), E(r.up));
        EXPECT_EQ(FormatFloat(-r.half, r.picture, sep), E(std::string("-") + r.up));
        EXPECT_EQ(FormatFloat(-below, r.picture, sep), E(std::string("-") + r.below));
        EXPECT_EQ(FormatFloat(-above, r.picture, sep), E(std::string("-") + r.up));
    }
    EXPECT_EQ(static_cast<double>(7.720367431640625f), 7.720367431640625);  // a single, exactly
    EXPECT_EQ(FormatGeneral(7.720367431640625, sep), E("7.72036743164063"));
    EXPECT_EQ(FormatGeneral(-7.720367431640625, sep), E("-7.72036743164063"));
    // Converting to an integer keeps halves to the even neighbour.
    EXPECT_EQ(RoundHalfEven(62.5), 62.0);
    EXPECT_EQ(RoundHalfEven(-62.5), -62.0);
}

TEST_P(PictureFormat, OptionalFractionDigitsAndNonFiniteValues)
{
    EXPECT_EQ(FormatFloat(1.0, "0.##", sep), "1");
    EXPECT_EQ(FormatFloat(1.5, "0.##", sep), E("1.5"));
    EXPECT_EQ(FormatFloat(1.256, "0.##", sep), E("1.26"));
    EXPECT_EQ(FormatFloat(0.5, "#.00", sep), E(".50"));
    EXPECT_EQ(FormatFloat(std::numeric_limits<double>::quiet_NaN(), "0.00", sep), "NAN");
    EXPECT_EQ(FormatFloat(std::numeric_limits<double>::infinity(), "0.00", sep), "INF");
    EXPECT_EQ(FormatFloat(-std::numeric_limits<double>::infinity(), "0.00", sep), "-INF");
}

TEST_P(PictureFormat, EmptyPictureGivesTheGeneralFormat)
{
    EXPECT_EQ(FormatFloat(static_cast<double>(12.3456f), "", sep), E("12.3456001281738"));
    EXPECT_EQ(FormatInteger(-42, "", sep), "-42");
    EXPECT_EQ(FormatScaled(1250, 2, "", sep), E("12.5"));
    EXPECT_EQ(FormatScaled(1200, 2, "", sep), "12");
}

TEST_P(PictureFormat, GeneralFormat)
{
    EXPECT_EQ(FormatGeneral(0.0, sep), "0");
    EXPECT_EQ(FormatGeneral(-0.0, sep), "0");
    EXPECT_EQ(FormatGeneral(100.0, sep), "100");
    EXPECT_EQ(FormatGeneral(-0.5, sep), E("-0.5"));
    EXPECT_EQ(FormatGeneral(0.1, sep), E("0.1"));
    EXPECT_EQ(FormatGeneral(static_cast<double>(0.1f), sep), E("0.100000001490116"));
    EXPECT_EQ(FormatGeneral(static_cast<double>(1.0f / 3.0f), sep), E("0.333333343267441"));
    EXPECT_EQ(FormatGeneral(0.0001, sep), E("0.0001"));
    EXPECT_EQ(FormatGeneral(0.00001, sep), E("0.00001"));
    EXPECT_EQ(FormatGeneral(0.0000015, sep), E("1.5E-6"));
    EXPECT_EQ(FormatGeneral(123456789012345.0, sep), "123456789012345");
    EXPECT_EQ(FormatGeneral(1e20, sep), "1E20");
    EXPECT_EQ(FormatGeneral(123456789012345678.0, sep), E("1.23456789012346E17"));
    // Rounding to 15 digits can carry into a new leading digit.
    EXPECT_EQ(FormatGeneral(0.99999999999999994, sep), "1");
    EXPECT_EQ(FormatGeneral(999999999999999.9, sep), "1E15");
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(12.5), 12.0);
    EXPECT_EQ(RoundHalfEven(37.5), 38.0);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(RoundToInt32Saturated(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundToInt32Saturated(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundToInt32Saturated(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32Saturated(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundToInt32Saturated(std::nan("")), 0);
}
