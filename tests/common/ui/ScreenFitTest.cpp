#include "ui/ScreenFit.h"

#include <gtest/gtest.h>

// A window of 1280 x 930 with a frame of 4, 30, 4, 4 is 1288 x 964 outside.
TEST(ScreenFit, TheDesignSizeWhereTheAreaHoldsItElseTheAreaCentredEitherWay)
{
    const QSize design(1280, 930);
    const QMargins frame(4, 30, 4, 4);
    struct Case {
        QRect area;
        QRect expected;  // the frame's rectangle
    };
    const Case cases[] = {
        {{0, 0, 1920, 1080}, {316, 58, 1288, 964}},
        {{0, 0, 1288, 964}, {0, 0, 1288, 964}},      // just holds it
        {{0, 0, 1287, 963}, {0, 0, 1287, 963}},      // one short each way
        {{0, 0, 1366, 728}, {39, 0, 1288, 728}},     // a laptop, task bar below
        {{0, 40, 1366, 728}, {39, 40, 1288, 728}},   // task bar above
        {{1920, 0, 1024, 600}, {1920, 0, 1024, 600}},  // a second, small screen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.area.width());
        EXPECT_EQ(screenfit::FrameOn(c.area, design, frame), c.expected);
    }
}
