// Windows on screens of any size: the client size that fits, and the move that keeps a
// window on the screen, each at its bound and one past it.
#include "common/ui/ScreenFit.h"

#include <gtest/gtest.h>

using namespace qs;

using namespace screenfit;

TEST(ScreenFit, TheUsualFrameMakesTheDesignOuterSize)
{
    EXPECT_EQ(ClientOf({1271, 538}), QSize(1255, 500));
    EXPECT_EQ(QSize(1255, 500).grownBy(kUsualFrame), QSize(1271, 538));
}

TEST(ScreenFit, TheDesignSizeWhereItFitsElseAsMuchAsFits)
{
    const QSize design(1321, 946);
    struct Case {
        QRect available;
        QSize fitted;
    };
    const Case cases[] = {
        {{0, 0, 1337, 984}, {1321, 946}},    // exactly room for it and its frame
        {{0, 0, 1336, 983}, {1320, 945}},    // one pixel short each way
        {{0, 0, 1366, 768}, {1321, 730}},    // a laptop: the height gives way
        {{0, 40, 1920, 1160}, {1321, 946}},  // a desktop with a task bar on top
        {{}, {1321, 946}},                   // no screen
    };
    for (const Case& c : cases)
        EXPECT_EQ(FittedSize(design, kUsualFrame, c.available), c.fitted) << c.available.width();
}

TEST(ScreenFit, AWindowIsMovedJustEnoughToLieOnTheScreen)
{
    const QRect area(0, 0, 1366, 768);
    const QSize outer(1255, 500);
    struct Case {
        QPoint place;
        QPoint kept;
    };
    const Case cases[] = {
        {{43, 268}, {43, 268}},  // its bottom on the screen's last row: unmoved
        {{43, 269}, {43, 268}},  // one row past: moved up by one
        {{43, 355}, {43, 268}},  // a dialog below a main window at the top
        {{111, 0}, {111, 0}},    // its right edge on the last column
        {{112, 0}, {111, 0}},    // one column past
        {{-5, -1}, {0, 0}},      // off the top left
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeptOnScreen(c.place, outer, area), c.kept) << c.place.x() << "," << c.place.y();
    // Larger than the screen: its top-left corner stays on it.
    EXPECT_EQ(KeptOnScreen({200, 300}, {1400, 800}, area), QPoint(0, 0));
    EXPECT_EQ(KeptOnScreen({200, 300}, outer, {}), QPoint(200, 300));
}

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
        {{0, 0, 1288, 964}, {0, 0, 1288, 964}},        // just holds it
        {{0, 0, 1287, 963}, {0, 0, 1287, 963}},        // one short each way
        {{0, 0, 1366, 728}, {39, 0, 1288, 728}},       // a laptop, task bar below
        {{0, 40, 1366, 728}, {39, 40, 1288, 728}},     // task bar above
        {{1920, 0, 1024, 600}, {1920, 0, 1024, 600}},  // a second, small screen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.area.width());
        EXPECT_EQ(FrameOn(c.area, design, frame), c.expected);
    }
}

// A window centred on another: an odd pixel left over goes right and below; one larger than
// the other overhangs it on all sides.
TEST(ScreenFit, AWindowCentredOnAnother)
{
    EXPECT_EQ(CentredOn({298, 54, 1323, 971}, {636, 301}), QPoint(641, 389));
    EXPECT_EQ(CentredOn({0, 0, 1366, 768}, {1323, 768}), QPoint(21, 0));
    EXPECT_EQ(CentredOn({100, 100, 200, 100}, {300, 200}), QPoint(50, 50));
}
