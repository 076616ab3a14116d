#include "common/ui/CaptionFit.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace qs;

// A fitted caption keeps its font while it fits, and takes one a pixel smaller at a time
// (never below the floor) where its control is narrower than the caption needs; the control
// follows its width, and its caption's width no longer counts in a layout.
TEST(CaptionFit, TheCaptionTakesTheLargestFontThatFits)
{
    QCheckBox box(QStringLiteral("A már bekapcsolt kimenet gombnyomásig úgy marad."));
    QFont design(QStringLiteral("Arial"));
    design.setPixelSize(11);
    box.setFont(design);
    const int frame = box.sizeHint().width() - box.fontMetrics().horizontalAdvance(box.text());
    auto needs = [&](int pixels) {
        QFont f = design;
        f.setPixelSize(pixels);
        return QFontMetrics(f).horizontalAdvance(box.text()) + frame;
    };
    CaptionFit* fit = CaptionFit::Install(&box);
    box.show();
    EXPECT_EQ(box.sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
    struct Case {
        int width;
        int pixels;
    };
    const Case cases[] = {{needs(11), 11},     {needs(11) - 1, 10}, {needs(10), 10},
                          {needs(10) - 1, 9},  {needs(9), 9},       {1, CaptionFit::kFloorPixels},
                          {needs(11) + 50, 11}};
    for (const Case& c : cases) {
        EXPECT_EQ(fit->PixelsFor(c.width), c.pixels) << c.width;
        box.resize(c.width, 20);
        EXPECT_EQ(QFontInfo(box.font()).pixelSize(), c.pixels) << c.width;
    }
}
