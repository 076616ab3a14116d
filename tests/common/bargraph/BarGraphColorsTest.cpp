#include "common/bargraph/MBarGraphColors.h"

#include <gtest/gtest.h>

#include <limits>

using namespace qs;

TEST(BarGraphColors, ChannelsOfAnRgbColour)
{
    const TColor c = 0x123456u;  // blue 0x12, green 0x34, red 0x56
    EXPECT_EQ(ColorChannel(c, 'R'), 0x56);
    EXPECT_EQ(ColorChannel(c, 'G'), 0x34);
    EXPECT_EQ(ColorChannel(c, 'B'), 0x12);
    EXPECT_EQ(ColorChannel(c, 'r'), 0x56);
    EXPECT_EQ(ColorChannel(c, 'g'), ColorChannel(c, 'G'));
    EXPECT_EQ(ColorChannel(c, 'b'), 0x12);
    EXPECT_EQ(ColorChannel(c, 'x'), 0);
    EXPECT_EQ(ColorChannel(c, 'A'), 0);
    EXPECT_EQ(ColorChannel(0xFFFFFFu, 'B'), 255);
    EXPECT_EQ(ColorChannel(0u, 'R'), 0);
}

TEST(BarGraphColors, ChannelsOfASystemColourFollowTheSignedDivision)
{
    // $FF00000F is -16777201 as a signed number: the remainders are negative and their low
    // bytes are not the colour's bytes.
    EXPECT_EQ(ColorChannel(clBtnFace, 'R'), 15);  // -241 -> 0x0F
    EXPECT_EQ(ColorChannel(clBtnFace, 'G'), 1);   // -255 -> 0x01
    EXPECT_EQ(ColorChannel(clBtnFace, 'B'), 1);   // -255 -> 0x01
}

TEST(BarGraphColors, BlendRoundsHalvesToEven)
{
    // 0 + Round(126.5) = 126 in red; green and blue stay 0.
    EXPECT_EQ(BlendColor(0x000000u, 0x0000FDu, 0.5), 0x00007Eu);
    // 255 + Round(-127.5) = 255 - 128 = 127 in green and blue.
    EXPECT_EQ(BlendColor(0xFFFFFFu, 0x0000FFu, 0.5), 0x7F7FFFu);
    EXPECT_EQ(BlendColor(0xFFFFFFu, 0xFF0000u, 0.5), 0xFF7F7Fu);
    // 0 + Round(127.5) = 128.
    EXPECT_EQ(BlendColor(0x000000u, 0x0000FFu, 0.5), 0x000080u);
}

TEST(BarGraphColors, BlendFractionIsClampedToItsRange)
{
    const TColor c0 = 0x204060u;
    const TColor c1 = 0xA0C0E0u;
    EXPECT_EQ(BlendColor(c0, c1, -0.2), c0);
    EXPECT_EQ(BlendColor(c0, c1, 0.0), c0);
    EXPECT_EQ(BlendColor(c0, c1, 1.0), c1);
    EXPECT_EQ(BlendColor(c0, c1, 1.7), c1);
    EXPECT_EQ(BlendColor(c0, c1, std::numeric_limits<double>::quiet_NaN()), c0);
    EXPECT_EQ(BlendColor(c1, c0, 1.0), c0);  // blending downwards reaches the end exactly
}

TEST(BarGraphColors, InverseAtTheEnds)
{
    EXPECT_EQ(InverseColor(0xFFFF00u), 0x0000FFu);
    EXPECT_EQ(InverseColor(0x000000u), 0xFFFFFFu);
    EXPECT_EQ(InverseColor(0xFFFFFFu), 0x000000u);
    EXPECT_EQ(InverseColor(0x7F7FFFu), 0x808000u);
    EXPECT_EQ(InverseColor(InverseColor(0x123456u)), 0x123456u);
}
