#include "DisplayPainter.h"

#include <algorithm>

namespace qs {

namespace {

void SetPixelClipped(QImage& image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
}

}  // namespace

DisplayPainter::DisplayPainter()
    : large_(DisplayImage::kWidth * kScale, DisplayImage::kHeight * kScale, QImage::Format_RGB32),
      small_(DisplayImage::kWidth, DisplayImage::kHeight, QImage::Format_RGB32)
{
    large_.fill(kWhite);
    small_.fill(kWhite);
}

void DisplayPainter::DrawDisplayPixel(int x, int y, QRgb colour, int n)
{
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i)
            SetPixelClipped(large_, n * x + i, n * y + j, colour);
    }
    SetPixelClipped(small_, x, y, colour);
}

void DisplayPainter::PaintRows(const DisplayImage& image, int firstRow, int rowCount)
{
    const int from = std::max(firstRow, 0);
    const long long end = static_cast<long long>(firstRow) + rowCount;
    const int to = static_cast<int>(std::min<long long>(end, DisplayImage::kHeight));
    for (int y = from; y < to; ++y) {
        for (int x = 0; x < DisplayImage::kWidth; ++x)
            DrawDisplayPixel(x, y, image.Pixel(x, y) ? kBlack : kWhite, kScale);
    }
}

}  // namespace qs
