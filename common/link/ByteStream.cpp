#include "ByteStream.h"

#include <bit>

namespace qs {

void ByteWriter::PutByte(std::uint8_t b)
{
    if (length_ < area_.size()) {
        area_[length_++] = b;
        full_ = false;
    } else {
        full_ = true;
    }
}

void ByteWriter::PutWord(std::uint16_t v)
{
    PutByte(static_cast<std::uint8_t>(v & 0xFF));
    PutByte(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::PutDWord(std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        PutByte(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

void ByteWriter::PutSingle(float x)
{
    PutDWord(std::bit_cast<std::uint32_t>(x));
}

void ByteWriter::PutBytes(std::span<const std::uint8_t> bytes)
{
    for (std::uint8_t b : bytes)
        PutByte(b);
}

std::uint8_t ByteReader::GetByte()
{
    if (pos_ >= data_.size())
        return 0;
    return data_[pos_++];
}

std::uint16_t ByteReader::GetWord()
{
    const std::uint16_t lo = GetByte();
    const std::uint16_t hi = GetByte();
    return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::uint32_t ByteReader::GetCardinal()
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(GetByte()) << (8 * i);
    return v;
}

float ByteReader::GetSingle()
{
    return std::bit_cast<float>(GetCardinal());
}

void ByteReader::GetBytes(std::span<std::uint8_t> out)
{
    for (std::uint8_t& b : out)
        b = GetByte();
}

}  // namespace qs
