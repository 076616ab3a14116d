#include "ModuleBlocks.h"

#include <algorithm>
#include <optional>

namespace korvel {

using namespace qs;

namespace {

// Plain decimal digits with an optional sign, within 0..9999; anything else gives nothing.
std::optional<std::uint16_t> PasswordOf(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<std::uint32_t>(value * 10 + static_cast<std::uint32_t>(c - '0'),
                                        PasswordBlock::kMaximum + 1);
    }
    if (value > PasswordBlock::kMaximum || (negative && value != 0))
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

PasswordEntryCheck CheckPasswordEntries(std::string_view user, std::string_view supervisor)
{
    const std::optional<std::uint16_t> a = PasswordOf(user);
    const std::optional<std::uint16_t> b = PasswordOf(supervisor);
    if (!a || !b)
        return {};
    if (*a == *b)
        return {PasswordEntries::Equal, {}};
    return {PasswordEntries::Valid, {*a, *b}};
}

void QvainBlock::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}

QvainBlock QvainBlock::Decode(ByteReader& r)
{
    ByteReader decimals = r;
    QvainBlock b = field::DecodeFields<QvainBlock>(r);
    decimals.GetWord();  // settling time and input type come first
    b.receivedDecimals = decimals.GetByte();
    return b;
}

void QvaoBlock::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}
QvaoBlock QvaoBlock::Decode(ByteReader& r)
{
    return field::DecodeFields<QvaoBlock>(r);
}

void QvroBlock::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}
QvroBlock QvroBlock::Decode(ByteReader& r)
{
    return field::DecodeFields<QvroBlock>(r);
}

void QvserBlock::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}
QvserBlock QvserBlock::Decode(ByteReader& r)
{
    return field::DecodeFields<QvserBlock>(r);
}

void Qv5510DisplayBlock::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}
Qv5510DisplayBlock Qv5510DisplayBlock::Decode(ByteReader& r)
{
    return field::DecodeFields<Qv5510DisplayBlock>(r);
}

void PasswordBlock::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}
PasswordBlock PasswordBlock::Decode(ByteReader& r)
{
    return field::DecodeFields<PasswordBlock>(r);
}

}  // namespace korvel
