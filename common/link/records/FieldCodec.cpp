#include "FieldCodec.h"

#include "common/text/Win1250.h"

namespace qs {

namespace field {

std::uint8_t Coded::Code(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= codes.size())
        return otherIndexCode;
    return codes[static_cast<std::size_t>(index)];
}

int Coded::Select(std::uint8_t v) const
{
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == v)
            return static_cast<int>(i);
    }
    return otherCodeIndex;
}

int WireCount::Select(std::uint8_t v) const
{
    if (v < 2)
        return -1;
    return v - 2 < items ? v - 2 : items - 1;
}

void Clamped::Put(ByteWriter& w, std::uint32_t v) const
{
    const std::uint32_t c = Clamp(v);
    if (width == 1)
        w.PutByte(static_cast<std::uint8_t>(c));
    else
        w.PutWord(static_cast<std::uint16_t>(c));
}

std::uint32_t Clamped::Get(ByteReader& r) const
{
    return width == 1 ? r.GetByte() : r.GetWord();
}

std::string Text::DeviceBytes(std::string_view utf8) const
{
    std::u32string text = Utf8ToCodePoints(utf8);
    if (text.size() > chars)
        text.resize(chars);
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] <= U' ')
        ++first;
    while (last > first && text[last - 1] <= U' ')
        --last;
    std::string bytes;
    for (std::size_t i = first; i < last; ++i)
        bytes.push_back(static_cast<char>(win1250::FromCodePoint(text[i])));
    return bytes;
}

void Text::Put(ByteWriter& w, const std::string& utf8) const
{
    const std::string bytes = DeviceBytes(utf8);
    for (std::size_t i = 0; i < Width(); ++i)
        w.PutByte(i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0);
}

std::string Text::Get(ByteReader& r) const
{
    std::string bytes;
    bool ended = false;
    for (std::size_t i = 0; i < Width(); ++i) {
        const std::uint8_t b = r.GetByte();
        if (b == 0)
            ended = true;
        if (!ended && bytes.size() < chars)
            bytes.push_back(static_cast<char>(b));
    }
    return Win1250ToUtf8(bytes);
}

}  // namespace field

}  // namespace qs
