#include "common/numbers/IntegerEntry.h"
#include "common/numbers/TextNumber.h"

#include <gtest/gtest.h>

using namespace qs;

TEST(IntClampedEntry, UnsignedComparisonAndRewrittenText)
{
    auto e = IntClampedEntry("-1", 2, 255);
    EXPECT_EQ(e.value, 255u);  // a negative entry lies above every maximum
    EXPECT_EQ(e.text, "255");
    EXPECT_EQ(IntClampedEntry("0", 2, 255).value, 2u);
    e = IntClampedEntry("", 2, 255);
    EXPECT_EQ(e.value, 2u);
    EXPECT_EQ(e.text, "2");
    EXPECT_EQ(IntClampedEntry("70000", 0, 65535).value, 65535u);
    EXPECT_EQ(IntClampedEntry("-70000", 0, 65535).value, 65535u);
    EXPECT_EQ(IntClampedEntry("300", 2, 255).value, 255u);
    EXPECT_EQ(IntClampedEntry("17", 2, 65535).value, 17u);
    EXPECT_EQ(IntClampedEntry("0", 0, 65535).text, "0");
    EXPECT_EQ(IntClampedEntry("-2147483648", 0, 4294967295u).value, 2147483648u);
    EXPECT_EQ(ClampUnsigned(0xFFFFFFFFu, 2, 255), 255u);
}

TEST(IntClampedEntry, TextThatIsNoIntegerCountsAsZero)
{
    for (const char* text : {"abc", "12.5", "12,5", "0x10", "$10", "1e3", "1 000", "--5", "+-5",
                             "5-", "-", "+", "99999999999", "2147483648", "-2147483649"}) {
        EXPECT_FALSE(TextToInt32(text).has_value()) << text;
        const ClampedEntry e = IntClampedEntry(text, 2, 255);
        EXPECT_EQ(e.value, 2u) << text;
        EXPECT_EQ(e.text, "2") << text;
    }
}

TEST(IntClampedEntry, AcceptedForms)
{
    EXPECT_EQ(TextToInt32("  17 "), 17);
    EXPECT_EQ(TextToInt32("+5"), 5);
    EXPECT_EQ(TextToInt32("007"), 7);
    EXPECT_EQ(TextToInt32("-0"), 0);
    EXPECT_EQ(TextToInt32("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt32("-2147483648"), -2147483647 - 1);
}

TEST(Int32Entry, LeadingZerosDisappearAndNoIntegerGivesZero)
{
    auto e = Int32Entry("0042");
    EXPECT_EQ(e.value, 42);
    EXPECT_EQ(e.text, "42");
    e = Int32Entry("x");
    EXPECT_EQ(e.value, 0);
    EXPECT_EQ(e.text, "0");
    EXPECT_EQ(Int32Entry("-12").text, "-12");
}
