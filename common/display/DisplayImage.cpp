#include "DisplayImage.h"

#include <algorithm>

namespace qs {

bool DisplayImage::Pixel(int x, int y) const
{
    if (x < 0 || x >= kWidth || y < 0 || y >= kHeight)
        return false;
    const std::uint8_t b =
        bytes[kBytesPerRow * static_cast<std::size_t>(y) + static_cast<std::size_t>(x / 8)];
    return (b & (0x80 >> (x % 8))) != 0;
}

void DisplayImage::Encode(ByteWriter& w) const
{
    w.PutBytes(bytes);
}

DisplayImage DisplayImage::Decode(ByteReader& r)
{
    DisplayImage image;
    r.GetBytes(image.bytes);
    return image;
}

void DisplayRowPair::Encode(ByteWriter& w) const
{
    w.PutByte(row);
    w.PutBytes(bytes);
}

DisplayRowPair DisplayRowPair::Decode(ByteReader& r)
{
    DisplayRowPair pair;
    pair.row = r.GetByte();
    r.GetBytes(pair.bytes);
    return pair;
}

DisplayRowPair DisplayRowPair::Of(const DisplayImage& image, std::uint8_t row)
{
    DisplayRowPair pair;
    pair.row = row;
    for (std::size_t k = 0; k < 2; ++k) {
        const std::size_t y = row + k;  // no wrap past 255
        if (y >= static_cast<std::size_t>(DisplayImage::kHeight))
            continue;
        std::copy_n(
            image.bytes.begin() + static_cast<std::ptrdiff_t>(y * DisplayImage::kBytesPerRow),
            DisplayImage::kBytesPerRow,
            pair.bytes.begin() + static_cast<std::ptrdiff_t>(k * DisplayImage::kBytesPerRow));
    }
    return pair;
}

void DisplayRowPair::StoreIn(DisplayImage& image) const
{
    for (std::size_t k = 0; k < 2; ++k) {
        const std::size_t y = row + k;  // no wrap past 255
        if (y >= static_cast<std::size_t>(DisplayImage::kHeight))
            continue;
        std::copy_n(
            bytes.begin() + static_cast<std::ptrdiff_t>(k * DisplayImage::kBytesPerRow),
            DisplayImage::kBytesPerRow,
            image.bytes.begin() + static_cast<std::ptrdiff_t>(y * DisplayImage::kBytesPerRow));
    }
}

}  // namespace qs
