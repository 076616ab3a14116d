#include "common/display/DisplayImage.h"
#include "common/display/DisplayPainter.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qs;

namespace {

constexpr QRgb kBlack = DisplayPainter::kBlack;
constexpr QRgb kWhite = DisplayPainter::kWhite;

DisplayImage Decoded(const std::vector<std::uint8_t>& bytes)
{
    ByteReader r(bytes);
    return DisplayImage::Decode(r);
}

DisplayImage Filled(std::uint8_t b)
{
    DisplayImage image;
    image.bytes.fill(b);
    return image;
}

// The black pixels of the small picture.
std::vector<std::pair<int, int>> BlackPixels(const QImage& small)
{
    std::vector<std::pair<int, int>> black;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            if (small.pixel(x, y) == kBlack)
                black.emplace_back(x, y);
        }
    }
    return black;
}

// Every pixel of the large picture's block for display pixel (x, y) has the colour.
bool BlockIs(const QImage& large, int x, int y, QRgb colour)
{
    for (int j = 1; j <= 4; ++j) {
        for (int i = 1; i <= 4; ++i) {
            const int px = 4 * x + i;
            const int py = 4 * y + j;
            if (px < large.width() && py < large.height() && large.pixel(px, py) != colour)
                return false;
        }
    }
    return true;
}

TEST(DisplayImage, BitOrderRowStrideAndBlocksOnBothPictures)
{
    struct Row {
        const char* name;
        std::size_t byte;
        std::uint8_t value;
        std::vector<std::pair<int, int>> black;
    };
    const std::vector<Row> rows = {
        {"first byte 0x80: pixel (0, 0)", 0, 0x80, {{0, 0}}},
        {"least significant bit is the eighth pixel", 0, 0x01, {{7, 0}}},
        {"second byte of row 10", 16 * 10 + 1, 0x81, {{8, 10}, {15, 10}}},
        {"next row starts 16 bytes on", 16, 0x40, {{1, 1}}},
        {"last byte: pixel (127, 63)", 1023, 0x01, {{127, 63}}},
    };
    for (const Row& row : rows) {
        std::vector<std::uint8_t> bytes(DisplayImage::kSize, 0);
        bytes[row.byte] = row.value;
        DisplayPainter painter;
        painter.PaintAll(Decoded(bytes));
        EXPECT_EQ(BlackPixels(painter.Small()), row.black) << row.name;
        for (auto [x, y] : row.black) {
            EXPECT_TRUE(BlockIs(painter.Large(), x, y, kBlack)) << row.name;
            EXPECT_TRUE(BlockIs(painter.Large(), x == 0 ? 1 : x - 1, y, kWhite)) << row.name;
        }
    }
}

TEST(DisplayImage, LargePictureBlocksStartOnePixelInAndClipAtTheEdge)
{
    DisplayPainter painter;
    painter.PaintAll(Filled(0xFF));
    const QImage& large = painter.Large();
    ASSERT_EQ(large.size(), QSize(512, 256));
    ASSERT_EQ(painter.Small().size(), QSize(128, 64));
    // Column 0 and row 0 are never painted; every other pixel belongs to a block.
    for (int i = 0; i < 512; ++i)
        EXPECT_EQ(large.pixel(i, 0), kWhite) << i;
    for (int j = 0; j < 256; ++j)
        EXPECT_EQ(large.pixel(0, j), kWhite) << j;
    EXPECT_EQ(large.pixel(1, 1), kBlack);
    EXPECT_EQ(large.pixel(511, 255), kBlack);

    // Pixel (0, 0) alone covers 1..4 in both directions.
    DisplayPainter one;
    one.PaintAll(Decoded({0x80}));
    EXPECT_EQ(one.Large().pixel(4, 4), kBlack);
    EXPECT_EQ(one.Large().pixel(5, 4), kWhite);
    EXPECT_EQ(one.Large().pixel(4, 5), kWhite);

    // DrawDisplayPixel with n = 4 past the picture draws nothing and does not fail.
    painter.DrawDisplayPixel(200, 100, kWhite, 4);
    painter.DrawDisplayPixel(-1, -1, kWhite, 4);
    EXPECT_EQ(large.pixel(511, 255), kBlack);
}

TEST(DisplayImage, ShortReplyPaintsTheRestWhite)
{
    DisplayPainter painter;
    painter.PaintAll(Filled(0xFF));
    painter.PaintAll(Decoded({0xFF, 0xFF}));  // the first 16 pixels of row 0
    const auto black = BlackPixels(painter.Small());
    ASSERT_EQ(black.size(), 16u);
    EXPECT_EQ(black.back(), std::make_pair(15, 0));
    EXPECT_TRUE(BlockIs(painter.Large(), 16, 0, kWhite));
    EXPECT_TRUE(BlockIs(painter.Large(), 127, 63, kWhite));
}

TEST(DisplayRowPair, TwoRowsFromTheRowByte)
{
    std::vector<std::uint8_t> reply(DisplayRowPair::kSize, 0);
    reply[0] = 10;
    reply[1] = 0x81;
    reply[17] = 0x01;
    ByteReader r(reply);
    const DisplayRowPair pair = DisplayRowPair::Decode(r);

    DisplayImage image;
    pair.StoreIn(image);
    DisplayPainter painter;
    painter.PaintAll(Filled(0xFF));  // pixels keep their colour until their rows are painted
    painter.PaintRows(image, pair.row, 2);
    const QImage& small = painter.Small();
    EXPECT_EQ(small.pixel(0, 10), kBlack);
    EXPECT_EQ(small.pixel(7, 10), kBlack);
    for (int x = 1; x <= 6; ++x)
        EXPECT_EQ(small.pixel(x, 10), kWhite) << x;
    EXPECT_EQ(small.pixel(7, 11), kBlack);
    EXPECT_EQ(small.pixel(6, 11), kWhite);
    EXPECT_EQ(small.pixel(0, 9), kBlack);
    EXPECT_EQ(small.pixel(0, 12), kBlack);

    // The pair the device would send back for the same rows.
    EXPECT_EQ(DisplayRowPair::Of(image, 10), pair);
}

TEST(DisplayRowPair, RowsPastTheDisplayChangeNothing)
{
    DisplayRowPair pair;
    pair.bytes.fill(0xFF);
    for (std::uint8_t row : {64, 100, 254, 255}) {
        DisplayImage image;
        pair.row = row;
        pair.StoreIn(image);
        EXPECT_EQ(image, DisplayImage{}) << int(row);

        DisplayPainter painter;
        painter.PaintRows(Filled(0xFF), row, 2);
        EXPECT_TRUE(BlackPixels(painter.Small()).empty()) << int(row);
    }
    // Row 63 stores its first row only.
    DisplayImage image;
    pair.row = 63;
    pair.StoreIn(image);
    EXPECT_TRUE(image.Pixel(127, 63));
    EXPECT_FALSE(image.Pixel(0, 62));
    EXPECT_EQ(DisplayRowPair::Of(image, 63).bytes[16], 0);
}

// Three images side by side in memory: a read or write one row or column past the middle
// one lands in a neighbour, where the test sees it.
static_assert(sizeof(DisplayImage) == DisplayImage::kSize);
using Neighbours = std::array<DisplayImage, 3>;

TEST(DisplayImage, NothingOffTheDisplayIsReadOrWritten)
{
    const Neighbours lit = {Filled(0xFF), Filled(0xFF), Filled(0xFF)};
    EXPECT_TRUE(lit[1].Pixel(127, 63));
    for (auto [x, y] : {std::pair{0, 64}, {127, 64}, {0, -1}, {128, 63}, {128, 0}})
        EXPECT_FALSE(lit[1].Pixel(x, y)) << x << ", " << y;

    // A pair from row 63 or 64 holds nothing of row 64; stored, it writes nothing past row 63.
    const Neighbours clearAmidLit = {Filled(0xFF), Filled(0), Filled(0xFF)};
    Neighbours clear = {};
    for (std::uint8_t row : {63, 64}) {
        DisplayRowPair pair = DisplayRowPair::Of(clearAmidLit[1], row);
        EXPECT_EQ(pair.bytes, decltype(pair.bytes){}) << int(row);
        pair.bytes.fill(0xFF);
        pair.StoreIn(clear[1]);
        EXPECT_EQ(clear[2], DisplayImage{}) << int(row);
    }
    EXPECT_TRUE(clear[1].Pixel(0, 63));
}

}  // namespace
