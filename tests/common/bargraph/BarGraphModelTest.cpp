#include "common/bargraph/MBarGraphModel.h"

#include <gtest/gtest.h>

#include <limits>

using namespace qs;

namespace {

// Every character 7 pixels wide, 13 high.
TextExtent Monospace(const std::string& text)
{
    return {7 * static_cast<int>(text.size()), 13};
}

// A control as a form loads it: the stored values written one by one through their setters.
MBarGraphModel Loaded(int width = 105, int height = 17, TextMeasure measure = Monospace)
{
    MBarGraphModel m(std::move(measure));
    m.SetSize(width, height);
    m.SetMBGValue(0.5);
    m.SetMBGValueFrom(0.25);
    m.SetMBGValueTo(0.75);
    return m;
}

void ExpectShape(const BarShapeState& s, int left, int top, int width, int height)
{
    EXPECT_EQ(s.left, left);
    EXPECT_EQ(s.top, top);
    EXPECT_EQ(s.width, width);
    EXPECT_EQ(s.height, height);
}

}  // namespace

TEST(BarGraphModel, ConstructionPlacesTheFullScaleSignedLayout)
{
    const MBarGraphModel m(Monospace);
    EXPECT_EQ(m.Width(), 105);
    EXPECT_EQ(m.Height(), 17);
    ExpectShape(m.MinusBar(), 1, 1, 51, 15);
    ExpectShape(m.CentreGap(), 53, 1, 1, 15);
    ExpectShape(m.PlusBar(), 55, 1, 49, 15);
    EXPECT_FALSE(m.MinusBar().visible);
    EXPECT_FALSE(m.PlusBar().visible);
    EXPECT_TRUE(m.CentreGap().visible);
    EXPECT_EQ(m.MinusBar().brushColor, 0xFF0000u);
    EXPECT_EQ(m.PlusBar().brushColor, 0x0000FFu);
    EXPECT_EQ(m.CentreGap().brushColor, 0xFFFFFFu);
    EXPECT_EQ(m.Layout().barCentre, 52);
    EXPECT_EQ(m.Layout().plusStart, 55);
    EXPECT_EQ(m.Layout().barRight, 104);

    EXPECT_EQ(m.TextLabel().caption, "0%");
    EXPECT_EQ(m.TextLabel().width, 14);  // sized to its caption
    EXPECT_EQ(m.TextLabel().height, 13);

    EXPECT_EQ(m.MBGOrientation(), orientationHorizontal);
    EXPECT_EQ(m.MBGMode(), modeUnsigned);
    EXPECT_EQ(m.MBGTextPosition(), tpAuto);
    EXPECT_EQ(m.MBGValue(), 0.5);
    EXPECT_EQ(m.MBGValueFrom(), 0.25);
    EXPECT_EQ(m.MBGValueTo(), 0.75);
    EXPECT_EQ(m.ClampedValueFrom(), 0.0);  // drawn as 0 until their setters run
    EXPECT_EQ(m.ClampedValueTo(), 0.0);
    EXPECT_TRUE(m.MBGText().empty());
    EXPECT_TRUE(m.RedrawPending());
    EXPECT_TRUE(m.TextOutside());
    EXPECT_EQ(m.Constraints().minWidth, 30);
    EXPECT_EQ(m.Constraints().minHeight, 5);
}

TEST(BarGraphModel, FirstRedrawPlacesTheBarEvenIfTheValueDidNotMove)
{
    MBarGraphModel m(Monospace);
    m.SetMBGValue(0.0);  // clamped 0 equals the drawn 0, but a redraw is pending
    EXPECT_TRUE(m.LastRedraw().barPlaced);
    EXPECT_FALSE(m.RedrawPending());
    ExpectShape(m.PlusBar(), 1, 1, 0, 15);
    EXPECT_TRUE(m.PlusBar().visible);  // unsigned: shown with width 0
    EXPECT_FALSE(m.MinusBar().visible);
    EXPECT_FALSE(m.CentreGap().visible);
}

TEST(BarGraphModel, ValuesAreClampedForDrawingButReadBackAsWritten)
{
    MBarGraphModel m = Loaded();
    m.SetMBGValue(1.5);
    EXPECT_EQ(m.MBGValue(), 1.5);
    EXPECT_EQ(m.ClampedValue(), 1.0);
    EXPECT_EQ(m.PlusBar().width, 103);

    m.SetMBGMode(modeSigned);
    m.SetMBGValue(-3);
    EXPECT_EQ(m.MBGValue(), -3.0);
    EXPECT_EQ(m.ClampedValue(), -1.0);
    ExpectShape(m.MinusBar(), 1, 1, 51, 15);

    m.SetMBGValue(-1);
    EXPECT_EQ(m.ClampedValue(), -1.0);
    m.SetMBGValue(1);
    EXPECT_EQ(m.ClampedValue(), 1.0);
    ExpectShape(m.PlusBar(), 55, 1, 49, 15);

    m.SetMBGValueFrom(-7);
    m.SetMBGValueTo(2);
    EXPECT_EQ(m.MBGValueFrom(), -7.0);
    EXPECT_EQ(m.ClampedValueFrom(), -1.0);
    EXPECT_EQ(m.ClampedValueTo(), 1.0);
}

TEST(BarGraphModel, NotANumberIsDrawnAsZero)
{
    MBarGraphModel m = Loaded();
    m.SetMBGMode(modeSigned);
    m.SetMBGValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(m.ClampedValue(), 0.0);
    EXPECT_FALSE(m.PlusBar().visible);
    EXPECT_FALSE(m.MinusBar().visible);
    m.SetMBGValue(std::numeric_limits<double>::infinity());
    EXPECT_EQ(m.ClampedValue(), 1.0);
}

TEST(BarGraphModel, ValueRedrawsOnlyWhenTheClampedValueMovesTextAlwaysRedraws)
{
    MBarGraphModel m = Loaded();
    m.SetMBGValue(0.3);
    EXPECT_TRUE(m.LastRedraw().barPlaced);
    m.SetMBGValue(0.3);
    EXPECT_FALSE(m.LastRedraw().barPlaced);
    m.SetMBGValue(2.0);
    EXPECT_TRUE(m.LastRedraw().barPlaced);
    m.SetMBGValue(3.0);  // still clamped to 1
    EXPECT_FALSE(m.LastRedraw().barPlaced);

    m.SetMBGText("x");
    m.SetMBGText("x");
    EXPECT_TRUE(m.LastRedraw().forced);
    EXPECT_TRUE(m.LastRedraw().barPlaced);
    EXPECT_FALSE(m.LastRedraw().textPlaced);
}

TEST(BarGraphModel, SignedHorizontal)
{
    MBarGraphModel m = Loaded();
    m.SetMBGMode(modeSigned);

    m.SetMBGValue(-1);
    ExpectShape(m.MinusBar(), 1, 1, 51, 15);
    EXPECT_TRUE(m.MinusBar().visible);
    EXPECT_EQ(m.MinusBar().brushColor, 0xFF0000u);
    EXPECT_FALSE(m.PlusBar().visible);
    ExpectShape(m.CentreGap(), 53, 1, 1, 15);
    EXPECT_TRUE(m.CentreGap().visible);

    m.SetMBGValue(-0.5);  // Left 52 + Round(-25.5) = 26, ends at C
    ExpectShape(m.MinusBar(), 26, 1, 26, 15);
    EXPECT_EQ(m.MinusBar().brushColor, 0xFF7F7Fu);

    m.SetMBGValue(0.5);  // Width Round(24.5) = 24
    ExpectShape(m.PlusBar(), 55, 1, 24, 15);
    EXPECT_TRUE(m.PlusBar().visible);
    EXPECT_EQ(m.PlusBar().brushColor, 0x7F7FFFu);
    EXPECT_FALSE(m.MinusBar().visible);

    m.SetMBGValue(0);
    EXPECT_FALSE(m.PlusBar().visible);
    EXPECT_FALSE(m.MinusBar().visible);
    EXPECT_TRUE(m.CentreGap().visible);
    ExpectShape(m.CentreGap(), 53, 1, 1, 15);
}

TEST(BarGraphModel, SignedHorizontalCentreRoundsHalvesToEven)
{
    MBarGraphModel m = Loaded(106, 17);
    m.SetMBGMode(modeSigned);
    EXPECT_EQ(m.Layout().barCentre, 52);  // Round(52.5)
    m.Resize(108, 20);
    EXPECT_EQ(m.Layout().barCentre, 54);  // Round(53.5)
    EXPECT_EQ(m.Layout().plusStart, 57);
    EXPECT_EQ(m.Layout().barRight, 107);
    ExpectShape(m.CentreGap(), 55, 1, 1, 18);
    ExpectShape(m.PlusBar(), 57, 1, 25, 18);  // Round(50 * 0.5)
}

TEST(BarGraphModel, SignedVertical)
{
    MBarGraphModel m = Loaded(17, 100);
    m.SetMBGMode(modeSigned);
    m.SetMBGOrientation(orientationVertical);
    EXPECT_EQ(m.Layout().barTop, 1);
    EXPECT_EQ(m.Layout().barMiddle, 50);  // Round(49.5)
    EXPECT_EQ(m.Layout().minusStart, 53);
    EXPECT_EQ(m.Layout().barBottom, 99);
    ExpectShape(m.CentreGap(), 1, 51, 15, 1);
    EXPECT_TRUE(m.CentreGap().visible);

    // Plus bar above the mark: Top 1 + Round(24.5) = 25, Height Round(24.5) = 24.
    ExpectShape(m.PlusBar(), 1, 25, 15, 24);
    EXPECT_EQ(m.PlusBar().brushColor, 0x7F7FFFu);
    EXPECT_FALSE(m.MinusBar().visible);

    m.SetMBGValue(1);
    ExpectShape(m.PlusBar(), 1, 1, 15, 49);

    m.SetMBGValue(-0.5);  // from B0 downwards: Round((53 - 99) * -0.5) = 23
    ExpectShape(m.MinusBar(), 1, 53, 15, 23);
    EXPECT_TRUE(m.MinusBar().visible);
    EXPECT_FALSE(m.PlusBar().visible);
    m.SetMBGValue(-1);
    ExpectShape(m.MinusBar(), 1, 53, 15, 46);  // ends at B1

    m.SetMBGValue(0);
    EXPECT_FALSE(m.MinusBar().visible);
    EXPECT_FALSE(m.PlusBar().visible);
}

TEST(BarGraphModel, UnsignedHorizontal)
{
    MBarGraphModel m = Loaded();
    ExpectShape(m.PlusBar(), 1, 1, 52, 15);  // Round(51.5) = 52
    EXPECT_TRUE(m.PlusBar().visible);
    EXPECT_EQ(m.PlusBar().brushColor, 0x7F7FFFu);
    EXPECT_FALSE(m.MinusBar().visible);
    EXPECT_FALSE(m.CentreGap().visible);

    m.SetMBGValue(1);
    ExpectShape(m.PlusBar(), 1, 1, 103, 15);
    EXPECT_EQ(m.PlusBar().brushColor, 0x0000FFu);

    m.SetMBGValue(0);
    ExpectShape(m.PlusBar(), 1, 1, 0, 15);
    EXPECT_TRUE(m.PlusBar().visible);
    EXPECT_EQ(m.PlusBar().brushColor, 0xFFFFFFu);

    m.SetMBGValue(-0.3);
    EXPECT_FALSE(m.PlusBar().visible);
    EXPECT_FALSE(m.MinusBar().visible);
}

TEST(BarGraphModel, UnsignedVertical)
{
    MBarGraphModel m = Loaded(17, 100);
    m.SetMBGOrientation(orientationVertical);
    m.SetMBGValue(0.25);  // Top 1 + Round(73.5) = 75, Height Round(24.5) = 24, ends at 99
    ExpectShape(m.PlusBar(), 1, 75, 15, 24);
    EXPECT_TRUE(m.PlusBar().visible);
    EXPECT_FALSE(m.MinusBar().visible);
    EXPECT_FALSE(m.CentreGap().visible);

    m.SetMBGValue(1);
    ExpectShape(m.PlusBar(), 1, 1, 15, 98);

    m.SetMBGValue(0);  // unlike the horizontal bar, nothing is shown at 0
    EXPECT_FALSE(m.PlusBar().visible);
    EXPECT_FALSE(m.MinusBar().visible);
}

TEST(BarGraphModel, FromToHorizontal)
{
    MBarGraphModel m = Loaded();
    m.SetMBGMode(modeFromTo);
    // Marker: Width Round(2.06) = 2, Left Round(50.5) + 1 = 51.
    ExpectShape(m.PlusBar(), 51, 1, 2, 15);
    EXPECT_EQ(m.PlusBar().brushColor, 0x7F7FFFu);
    EXPECT_TRUE(m.PlusBar().visible);
    // Band: Left Round(25.75) + 1 = 27, Width Round(77.25 - 27) = 50, Top = Height =
    // Round(5.67) = 6.
    ExpectShape(m.MinusBar(), 27, 6, 50, 6);
    EXPECT_EQ(m.MinusBar().brushColor, 0xFF7F7Fu);
    EXPECT_TRUE(m.MinusBar().visible);
    EXPECT_FALSE(m.CentreGap().visible);

    // A value write moves only the marker.
    m.SetMBGValue(0.9);
    EXPECT_TRUE(m.LastRedraw().barPlaced);
    EXPECT_FALSE(m.LastRedraw().bandPlaced);

    m.SetMBGValueFrom(0.75);
    m.SetMBGValueTo(0.25);
    ExpectShape(m.MinusBar(), 27, 6, 50, 6);
    EXPECT_EQ(m.MinusBar().brushColor, 0xFF7F7Fu);

    m.SetMBGValue(-0.4);
    ExpectShape(m.PlusBar(), 1, 1, 2, 15);
    EXPECT_EQ(m.PlusBar().brushColor, 0xFFFFFFu);
}

TEST(BarGraphModel, FromToMarkerWidthFollowsTheTrack)
{
    MBarGraphModel m = Loaded(300, 17);
    m.SetMBGMode(modeFromTo);
    EXPECT_EQ(m.PlusBar().width, 6);   // Round(5.96)
    EXPECT_EQ(m.PlusBar().left, 147);  // Round(292 * 0.5) + 1
    m.Resize(60, 17);
    EXPECT_EQ(m.PlusBar().width, 2);  // Round(1.16) is below 2
}

TEST(BarGraphModel, FromToBandIsNotClampedAtTheTrackStart)
{
    MBarGraphModel m = Loaded();
    m.SetMBGMode(modeFromTo);
    m.SetMBGValueTo(0.25);
    m.SetMBGValueFrom(-0.5);  // Left Round(-51.5) + 1 = -51, Width Round(25.75 + 51) = 77
    ExpectShape(m.MinusBar(), -51, 6, 77, 6);
    EXPECT_EQ(m.MinusBar().brushColor, 0xFFFFFFu);  // the mean -0.125 blends as 0
}

TEST(BarGraphModel, FromToBandBeforeItsValuesAreWrittenShowsNothing)
{
    MBarGraphModel m(Monospace);
    m.SetMBGMode(modeFromTo);
    // from = to = 0: Left 1, Width Round(0 - 1) = -1, which shows as nothing.
    ExpectShape(m.MinusBar(), 1, 6, 0, 6);
    EXPECT_EQ(m.MBGValueFrom(), 0.25);
    EXPECT_EQ(m.MBGValueTo(), 0.75);
}

TEST(BarGraphModel, FromToVerticalLeavesTheBarsAsTheyWere)
{
    MBarGraphModel m = Loaded();
    m.SetMBGOrientation(orientationVertical);  // unsigned vertical: Top 9, Height 8
    ExpectShape(m.PlusBar(), 1, 9, 103, 8);
    m.SetMBGMode(modeSigned);
    EXPECT_TRUE(m.CentreGap().visible);
    const BarShapeState plus = m.PlusBar();
    const BarShapeState minus = m.MinusBar();

    m.SetMBGMode(modeFromTo);
    m.SetMBGValue(0.9);
    m.SetMBGValueFrom(0.1);
    EXPECT_FALSE(m.CentreGap().visible);
    ExpectShape(m.PlusBar(), plus.left, plus.top, plus.width, plus.height);
    EXPECT_EQ(m.PlusBar().visible, plus.visible);
    EXPECT_EQ(m.PlusBar().brushColor, plus.brushColor);
    ExpectShape(m.MinusBar(), minus.left, minus.top, minus.width, minus.height);
    EXPECT_EQ(m.MinusBar().visible, minus.visible);
}

TEST(BarGraphModel, OrientationSetsTheSizeConstraints)
{
    MBarGraphModel m(Monospace);
    m.SetMBGOrientation(orientationHorizontal);
    EXPECT_EQ(m.Constraints().minWidth, 30);
    EXPECT_EQ(m.Constraints().minHeight, 6);
    m.SetMBGOrientation(orientationVertical);
    EXPECT_EQ(m.Constraints().minWidth, 6);
    EXPECT_EQ(m.Constraints().minHeight, 30);
    m.SetMBGOrientation(static_cast<TMBGOrientation>(7));
    EXPECT_EQ(m.Constraints().minWidth, 6);
    EXPECT_EQ(m.Constraints().minHeight, 30);
}

TEST(BarGraphModel, TextPlacementAgainstTheBar)
{
    MBarGraphModel m = Loaded();                 // bar Left 1, Width 52, Top 1, Height 15
    EXPECT_TRUE(m.TextLabel().caption.empty());  // the first redraw placed the empty text

    m.SetMBGTextPosition(tpInside);
    m.SetMBGText("50%");  // 21 x 13
    EXPECT_TRUE(m.LastRedraw().textPlaced);
    EXPECT_EQ(m.TextLabel().caption, "50%");
    EXPECT_EQ(m.TextLabel().left, 1 + 52 - 2 - 21);
    EXPECT_EQ(m.TextLabel().top, 2);  // 1 + Round(1)
    EXPECT_EQ(m.TextLabel().width, 21);
    EXPECT_EQ(m.TextLabel().height, 13);
    EXPECT_EQ(m.TextLabel().fontColor, 0u);

    m.SetMBGTextPosition(tpOutside);
    m.SetMBGText("51%");
    EXPECT_EQ(m.TextLabel().left, 1 + 52 + 2);

    m.SetMBGTextPosition(tpCentre);
    m.SetMBGText("52%");  // Round(103 / 2) + 1 - Round(10.5) = 52 + 1 - 10
    EXPECT_EQ(m.TextLabel().left, 43);
    m.SetMBGText("ab");  // 52 + 1 - 7
    EXPECT_EQ(m.TextLabel().left, 46);

    m.SetMBGTextPosition(tpFix);
    m.SetMBGTextLeft(7);
    m.SetMBGTextTop(-3);
    m.SetMBGText("fix");
    EXPECT_EQ(m.TextLabel().left, 7);
    EXPECT_EQ(m.TextLabel().top, -3);
    m.SetMBGValue(0.9);
    m.SetMBGText("fix2");
    EXPECT_EQ(m.TextLabel().left, 7);
    EXPECT_EQ(m.TextLabel().top, -3);
}

TEST(BarGraphModel, TextTopRoundsHalvesToEven)
{
    int height = 14;
    MBarGraphModel m = Loaded(105, 17, [&height](const std::string&) {
        return TextExtent{10, height};
    });
    m.SetMBGText("a");  // 1 + Round(0.5) = 1
    EXPECT_EQ(m.TextLabel().top, 1);
    height = 12;
    m.SetMBGText("b");  // 1 + Round(1.5) = 3
    EXPECT_EQ(m.TextLabel().top, 3);
}

TEST(BarGraphModel, LabelStaysWhileTheTextStaysTheSame)
{
    MBarGraphModel m = Loaded();
    m.SetMBGTextPosition(tpOutside);
    m.SetMBGText("50%");
    EXPECT_EQ(m.TextLabel().left, 55);
    m.SetMBGValue(0.9);
    m.SetMBGText("50%");
    EXPECT_FALSE(m.LastRedraw().textPlaced);
    EXPECT_EQ(m.TextLabel().left, 55);
    m.SetMBGText("90%");
    EXPECT_EQ(m.TextLabel().left, 1 + 93 + 2);  // Round(92.7)
}

TEST(BarGraphModel, TextOfAHiddenBarGoesAgainstItsLastPlace)
{
    MBarGraphModel m = Loaded();
    m.SetMBGTextPosition(tpOutside);
    m.SetMBGValue(-0.3);
    EXPECT_FALSE(m.PlusBar().visible);
    m.SetMBGText("abc");
    EXPECT_EQ(m.TextLabel().left, 1 + 52 + 2);
}

TEST(BarGraphModel, InverseTextTakesTheBarColourInverted)
{
    MBarGraphModel m = Loaded();
    m.SetMBGInverseText(true);
    m.SetMBGText("50%");
    EXPECT_EQ(m.PlusBar().brushColor, 0x7F7FFFu);
    EXPECT_EQ(m.TextLabel().fontColor, 0x808000u);
    m.SetMBGInverseText(false);
    m.SetMBGText("51%");
    EXPECT_EQ(m.TextLabel().fontColor, 0u);
}

TEST(BarGraphModel, AutomaticTextPositionHasHysteresis)
{
    // A text 20 pixels wide on a track of 100: outside below 24, inside above 28.
    MBarGraphModel m([](const std::string&) { return TextExtent{20, 13}; });
    m.SetSize(102, 17);
    ASSERT_EQ(m.MBGTextPosition(), tpAuto);
    ASSERT_TRUE(m.TextOutside());
    struct Step {
        double value;
        int barWidth;
        bool outside;
    };
    const Step steps[] = {
        {0.26, 26, true},                      // starts outside, 26 is within the band
        {0.28, 28, true},  {0.29, 29, false},  // wider than 28: inside
        {0.28, 28, false}, {0.24, 24, false}, {0.23, 23, true},  // narrower than 24: outside
        {0.28, 28, true},  {1.0, 100, false}, {0.0, 0, true},
    };
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(n);
        m.SetMBGValue(s.value);
        m.SetMBGText("t" + std::to_string(n++));
        ASSERT_EQ(m.PlusBar().width, s.barWidth);
        EXPECT_EQ(m.TextOutside(), s.outside);
        EXPECT_EQ(m.TextLabel().left, s.outside ? 1 + s.barWidth + 2 : 1 + s.barWidth - 2 - 20);
    }
}

TEST(BarGraphModel, OnlyTheHorizontalUnsignedModePlacesText)
{
    MBarGraphModel m = Loaded();
    m.SetMBGText("50%");
    const BarLabelState before = m.TextLabel();
    for (TMBGMode mode : {modeSigned, modeFromTo}) {
        m.SetMBGMode(mode);
        m.SetMBGText(mode == modeSigned ? "s" : "f");
        EXPECT_FALSE(m.LastRedraw().textPlaced);
        EXPECT_EQ(m.TextLabel().caption, "50%");
        EXPECT_EQ(m.TextLabel().left, before.left);
    }
    m.SetMBGOrientation(orientationVertical);
    m.SetMBGMode(modeUnsigned);
    m.SetMBGText("v");
    EXPECT_EQ(m.TextLabel().caption, "50%");
    m.SetMBGOrientation(orientationHorizontal);  // the pending text is placed now
    EXPECT_EQ(m.TextLabel().caption, "v");
}
