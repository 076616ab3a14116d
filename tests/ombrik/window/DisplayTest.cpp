// The display image read two rows a frame end to end: the requests on the wire, both images,
// a broken readout and row bytes the images cannot hold.
#include "OmbrikHarness.h"
#include "common/display/DisplayPainter.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using Codes = std::vector<std::uint8_t>;

namespace {

struct OmbrikDisplay : ::testing::Test {
    OmbrikHarness h;
    DisplayImage& shown = h.meter->mbu.display;

    // The image as the window shows it: from the small picture, and the large picture's
    // blocks that agree with it (each pixel's 4 x 4 block from (4x + 1, 4y + 1), clipped).
    DisplayImage Small() const
    {
        const QImage small = h.label("Image_OLEDNormalSize")->pixmap().toImage();
        DisplayImage image;
        for (int y = 0; y < DisplayImage::kHeight; ++y)
            for (int x = 0; x < DisplayImage::kWidth; ++x)
                if (small.pixel(x, y) == DisplayPainter::kBlack)
                    image.bytes[16 * static_cast<std::size_t>(y) +
                                static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
        return image;
    }
    int LargeBlocksOff(const DisplayImage& image) const
    {
        const QImage large = h.label("Image_OLED")->pixmap().toImage();
        int off = 0;
        for (int Y = 1; Y < large.height(); ++Y)
            for (int X = 1; X < large.width(); ++X)
                off += (large.pixel(X, Y) == DisplayPainter::kBlack) !=
                       image.Pixel((X - 1) / 4, (Y - 1) / 4);
        return off;
    }
    std::vector<std::uint8_t> RowsAsked(int from, int to)
    {
        std::vector<std::uint8_t> rows;
        for (int r = from; r <= to; r += 2)
            rows.push_back(static_cast<std::uint8_t>(r));
        return rows;
    }
};

}  // namespace

TEST_F(OmbrikDisplay, AWholeReadoutAsksFor32RowPairsAndPaintsBothImages)
{
    for (std::size_t i = 0; i < shown.bytes.size(); ++i)
        shown.bytes[i] = static_cast<std::uint8_t>(i * 37 + i / 16);
    // The pixel cases: $81 in row 10 gives (0, 10) and (7, 10) black, $01 in row 11 (7, 11).
    shown.bytes[16 * 10] = 0x81;
    shown.bytes[16 * 11] = 0x01;
    h.button("SpeedButton_ReadDisplay")->click();
    h.tick(32);
    const Codes sent = h.sent();
    ASSERT_EQ(sent.size(), 32u);
    EXPECT_EQ(sent.front(), 123);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), 124), 31);
    EXPECT_EQ(h.meter->mbu.displayRowsAsked, RowsAsked(0, 62));
    EXPECT_EQ(h.state().DisplayRowCounter, 64);
    EXPECT_FALSE(h.button("SpeedButton_ReadDisplay")->IsDown());
    h.tick(2);
    EXPECT_EQ(h.sent().back(), 101) << "no further 124; the poll goes on";
    EXPECT_EQ(h.sent()[h.sent().size() - 2], 101);

    EXPECT_EQ(Small(), shown);
    EXPECT_EQ(LargeBlocksOff(shown), 0);
    const QImage large = h.label("Image_OLED")->pixmap().toImage();
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(Small().Pixel(x, 10), x == 0 || x == 7) << x;
    EXPECT_EQ(large.pixel(1, 41), DisplayPainter::kBlack);
    EXPECT_EQ(large.pixel(4, 44), DisplayPainter::kBlack);
    EXPECT_EQ(large.pixel(5, 41), DisplayPainter::kWhite);
    EXPECT_TRUE(Small().Pixel(7, 11));
    EXPECT_FALSE(Small().Pixel(0, 11));
}

TEST_F(OmbrikDisplay, ATimeOutMidWayRestartsAtRowZeroAndKeepsWhatWasPainted)
{
    shown.bytes.fill(0xFF);
    h.button("SpeedButton_ReadDisplay")->click();
    h.tick(15);  // rows 0 .. 29
    h.meter->dropNextReplies();
    h.tick();  // the 124 for row 30 times out
    EXPECT_EQ(h.session().ChainedCommand(), 0);
    EXPECT_TRUE(h.button("SpeedButton_ReadDisplay")->IsDown());
    EXPECT_TRUE(Small().Pixel(127, 29));
    EXPECT_FALSE(Small().Pixel(0, 30));

    shown.bytes.fill(0);  // the images are not cleared: the new readout repaints them
    h.tick();
    EXPECT_EQ(h.sent().back(), 123);
    EXPECT_TRUE(Small().Pixel(0, 2)) << "only rows 0 and 1 repainted so far";
    EXPECT_FALSE(Small().Pixel(0, 1));
    h.tick(31);
    EXPECT_EQ(h.meter->mbu.displayRowsAsked.size(), 16u + 32u);
    EXPECT_EQ(Small(), shown);
    EXPECT_FALSE(h.button("SpeedButton_ReadDisplay")->IsDown());
}

// The row byte comes from the unit: a pair is drawn where it says, and rows past 63 change
// nothing and never write outside an image. The counter alone ends the readout.
TEST(OmbrikDisplayRows, RowBytesPastTheDisplayChangeNothing)
{
    for (const std::uint8_t answered : {63, 64, 200, 255}) {
        SCOPED_TRACE(int(answered));
        OmbrikHarness h;
        h.meter->setHandler(124, [answered](const std::vector<std::uint8_t>&) {
            DisplayRowPair pair;
            pair.row = answered;
            pair.bytes.fill(0xFF);
            std::vector<std::uint8_t> data(DisplayRowPair::kSize);
            ByteWriter w(data);
            pair.Encode(w);
            return MeterCore::Reply{0, data};
        });
        h.meter->mbu.display.bytes.fill(0xFF);
        h.button("SpeedButton_ReadDisplay")->click();
        h.tick(33);
        EXPECT_FALSE(h.button("SpeedButton_ReadDisplay")->IsDown());
        EXPECT_EQ(h.sent().back(), 101);
        const QImage small = h.label("Image_OLEDNormalSize")->pixmap().toImage();
        int black = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 128; ++x)
                black += small.pixel(x, y) == DisplayPainter::kBlack;
        EXPECT_EQ(black, 128 * (answered == 63 ? 3 : 2))
            << "rows 0 and 1 from 123, row 63 only when named";
        EXPECT_EQ(h.label("Image_OLED")->pixmap().size(), QSize(512, 256));
    }
}
