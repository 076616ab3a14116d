#include "common/numbers/ScaledNumber.h"

#include <gtest/gtest.h>

#include <limits>

using namespace qs;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

DecimalFormat WithDecimals(int decimals)
{
    DecimalFormat format;
    EXPECT_TRUE(format.SetDecimalFormat(decimals));
    return format;
}

}  // namespace

TEST(DecimalFormat, StartsAtZeroDecimalsAndFollowsTheTable)
{
    DecimalFormat format;
    EXPECT_EQ(format.Decimals(), 0);
    EXPECT_EQ(format.ScaledFormat(), "00000");
    EXPECT_EQ(format.ScaledFactor(), 1.0f);

    const char* pictures[] = {"00000", "0000.0", "000.00", "00.000", "0.0000"};
    const float divisors[] = {1, 10, 100, 1000, 10000};
    for (int d = 0; d <= 4; ++d) {
        EXPECT_TRUE(format.SetDecimalFormat(d));
        EXPECT_EQ(format.ScaledFormat(), pictures[d]);
        EXPECT_EQ(format.ScaledFactor(), divisors[d]);
        EXPECT_EQ(DecimalFormatString(d), pictures[d]);
        EXPECT_EQ(DecimalDivisor(d), divisors[d]);
    }
}

TEST(DecimalFormat, CountOutsideTheTableChangesNothing)
{
    DecimalFormat format = WithDecimals(3);
    const DecimalFormat before = format;
    for (int d : {5, 255, -1}) {
        EXPECT_FALSE(format.SetDecimalFormat(d));
        EXPECT_EQ(format, before);
        EXPECT_EQ(DecimalFormatString(d), "");
        EXPECT_FALSE(DecimalDivisor(d).has_value());
    }
    // A value carrying such a count shows unscaled.
    EXPECT_EQ(FormatWithDecimals(1234, 5, ","), "1234");
    EXPECT_EQ(FormatWithDecimals(1234, 2, ","), "012,34");
    EXPECT_EQ(FormatWithDecimals(-5, 4, "."), "-0.0005");
}

TEST(ScaledEntry, ExamplesWithCommaSeparator)
{
    const DecimalFormat two = WithDecimals(2);
    auto e = two.Entry("12,345", ",");
    EXPECT_EQ(e.value, 1235);
    EXPECT_EQ(e.text, "012,35");
    e = two.Entry("0,125", ",");
    EXPECT_EQ(e.value, 12);
    EXPECT_EQ(e.text, "000,12");
    e = two.Entry("-1", ",");
    EXPECT_EQ(e.value, -100);
    EXPECT_EQ(e.text, "-001,00");
    // Held as a single, 1.005 lies just below itself.
    e = two.Entry("1,005", ",");
    EXPECT_EQ(e.value, 100);
    EXPECT_EQ(e.text, "001,00");
}

TEST(ScaledEntry, ExamplesWithPointSeparator)
{
    const DecimalFormat two = WithDecimals(2);
    auto e = two.Entry("12.345", ".");
    EXPECT_EQ(e.value, 1235);
    EXPECT_EQ(e.text, "012.35");
    e = two.Entry("1.005", ".");
    EXPECT_EQ(e.value, 100);
    EXPECT_EQ(e.text, "001.00");
    e = two.Entry("no number", ".");
    EXPECT_EQ(e.value, 0);
    EXPECT_EQ(e.text, "000.00");
}

TEST(ScaledEntry, HalvesGoToTheEvenNeighbour)
{
    const DecimalFormat zero = WithDecimals(0);
    EXPECT_EQ(zero.Entry("2,5", ",").value, 2);
    EXPECT_EQ(zero.Entry("3,5", ",").value, 4);
    EXPECT_EQ(zero.Entry("-2.5", ".").value, -2);
    EXPECT_EQ(zero.Entry("3,5", ",").text, "00004");
    EXPECT_EQ(WithDecimals(1).Entry("0,25", ",").value, 2);
    EXPECT_EQ(WithDecimals(1).Entry("0.35", ".").value, 3);  // 0.35f lies below 0.35
    EXPECT_EQ(ScaleToInteger(12.345f, 100.0f), 1235);
}

TEST(ScaledEntry, ProductOutsideThe32BitRangeSaturates)
{
    const DecimalFormat two = WithDecimals(2);
    auto e = two.Entry("30000000", ",");
    EXPECT_EQ(e.value, kMax);
    EXPECT_EQ(e.text, "21474836,47");  // the edit shows the value actually sent
    e = two.Entry("-30000000", ".");
    EXPECT_EQ(e.value, kMin);
    EXPECT_EQ(e.text, "-21474836.48");
    // Beyond the single range as well.
    EXPECT_EQ(two.Entry("1e50", ",").value, kMax);
    EXPECT_EQ(two.Entry("-1E50", ",").value, kMin);
    EXPECT_EQ(two.Entry("1e999999999999", ",").value, kMax);
    // The single of 2147483647 is 2^31, one past the range.
    EXPECT_EQ(WithDecimals(0).Entry("2147483647", ",").value, kMax);
    EXPECT_EQ(WithDecimals(0).Entry("-2147483648", ",").value, kMin);
    // Tiny magnitudes are 0.
    EXPECT_EQ(two.Entry("1e-50", ",").value, 0);
    EXPECT_EQ(two.Entry("-1e-99999", ",").value, 0);
}

TEST(ScaledEntry, TextsThatAreNoNumberCountAsZero)
{
    const DecimalFormat two = WithDecimals(2);
    for (const char* text :
         {"",     "   ",   "abc",   "inf",     "-inf", "INF",   "infinity", "nan",  "NaN",
          "0x10", "0x1p3", "1 234", "1.234,5", "12.5", "1,2,3", "--1",      "+-1",  "1e",
          "e5",   ",",     "+",     "-",       "1,5x", "x1",    "1e+",      "1 e5", "٣"}) {
        EXPECT_FALSE(TextToSingle(text, ",").has_value()) << text;
        const ScaledEntry e = two.Entry(text, ",");
        EXPECT_EQ(e.value, 0) << text;
        EXPECT_EQ(e.text, "000,00") << text;
    }
    // With "." as the separator, the comma is no separator.
    EXPECT_FALSE(TextToSingle("12,5", ".").has_value());
    EXPECT_FALSE(TextToSingle("1,234.5", ".").has_value());
}

TEST(ScaledEntry, AcceptedForms)
{
    const DecimalFormat two = WithDecimals(2);
    EXPECT_EQ(two.Entry(" 12,5 ", ",").value, 1250);  // surrounding blanks are ignored
    EXPECT_EQ(two.Entry("\t7\t", ",").value, 700);
    EXPECT_EQ(two.Entry("+3", ",").value, 300);
    EXPECT_EQ(two.Entry(",5", ",").value, 50);
    EXPECT_EQ(two.Entry("5,", ",").value, 500);
    EXPECT_EQ(two.Entry("1,5E1", ",").value, 1500);
    EXPECT_EQ(two.Entry("25e-2", ",").value, 25);
    EXPECT_EQ(two.Entry("-0,001", ",").value, 0);
    EXPECT_EQ(two.Entry("-0,001", ",").text, "000,00");
    EXPECT_EQ(two.Entry("0001,50", ",").value, 150);
    // A separator of more than one character.
    EXPECT_EQ(TextToSingle("1\u066b5", "\u066b"), 1.5f);
}

TEST(ScaledEntry, ReceivedValuesFormatFromTheInteger)
{
    DecimalFormat format = WithDecimals(4);
    EXPECT_EQ(format.Format(123456789, ","), "12345,6789");
    EXPECT_EQ(format.Format(-1, "."), "-0.0001");
    format.SetDecimalFormat(1);
    EXPECT_EQ(format.Format(16777217, ","), "1677721,7");  // not representable as a single
    format.SetDecimalFormat(0);
    EXPECT_EQ(format.Format(-7, ","), "-00007");
}
