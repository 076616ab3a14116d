#pragma once
#include "common/link/ByteStream.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qs {

// The device's display as 128 x 64 one-bit pixels in 1024 bytes: 16 bytes a row, rows from
// the top, bytes from the left, the most significant bit the leftmost pixel. A set bit is a
// lit pixel, drawn black; a clear bit is drawn white.
struct DisplayImage {
    static constexpr int kWidth = 128;
    static constexpr int kHeight = 64;
    static constexpr std::size_t kBytesPerRow = 16;
    static constexpr std::size_t kSize = kBytesPerRow * kHeight;

    std::array<std::uint8_t, kSize> bytes{};

    // Whether pixel (x, y) is set; false off the display.
    bool Pixel(int x, int y) const;

    // Korvel's readout: the whole image in one reply. A short reply reads zeros, so the
    // missing part is white.
    void Encode(ByteWriter& w) const;
    static DisplayImage Decode(ByteReader& r);

    friend bool operator==(const DisplayImage&, const DisplayImage&) = default;
};

// Ombrik's readout: one reply of two rows, the first row's index, then rows y and y + 1.
struct DisplayRowPair {
    static constexpr std::size_t kSize = 1 + 2 * DisplayImage::kBytesPerRow;

    std::uint8_t row = 0;
    std::array<std::uint8_t, 2 * DisplayImage::kBytesPerRow> bytes{};

    void Encode(ByteWriter& w) const;
    static DisplayRowPair Decode(ByteReader& r);

    // The pair of rows `row` and `row` + 1 of an image (a row off the display reads clear).
    static DisplayRowPair Of(const DisplayImage& image, std::uint8_t row);

    // Stores the pair's rows in the image. The row index comes from the device: a row past 63
    // changes nothing (row 63 stores its first row only).
    void StoreIn(DisplayImage& image) const;

    friend bool operator==(const DisplayRowPair&, const DisplayRowPair&) = default;
};

}  // namespace qs
