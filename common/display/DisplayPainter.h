#pragma once
#include "DisplayImage.h"

#include <QImage>

namespace qs {

// Draws the display image into the two pictures the windows show: enlarged four times
// (Image_OLED, 512 x 256) and at its own size (Image_OLEDNormalSize, 128 x 64). A reply is
// painted into these off-screen pictures in one go; the window then shows them once.
//
// Both pictures start white. On the large one pixel (x, y) is the block from (4x + 1, 4y + 1)
// to (4x + 4, 4y + 4): its column 0 and row 0 are never painted, and the blocks of column
// 127 and row 63 lose their last column or row at the picture's edge.
class DisplayPainter {
public:
    static constexpr int kScale = 4;
    static constexpr QRgb kBlack = 0xFF000000;
    static constexpr QRgb kWhite = 0xFFFFFFFF;

    DisplayPainter();

    // Fills the n x n block (n*x + i, n*y + j), i and j from 1 to n, of the large picture and
    // pixel (x, y) of the small one with the colour. What falls outside a picture is dropped.
    void DrawDisplayPixel(int x, int y, QRgb colour, int n);

    // Paints rows firstRow .. firstRow + rowCount - 1 of the image, every pixel with its
    // colour; rows off the display change nothing.
    void PaintRows(const DisplayImage& image, int firstRow, int rowCount);
    void PaintAll(const DisplayImage& image) { PaintRows(image, 0, DisplayImage::kHeight); }

    const QImage& Large() const { return large_; }
    const QImage& Small() const { return small_; }

private:
    QImage large_;
    QImage small_;
};

}  // namespace qs
