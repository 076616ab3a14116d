#include "QvtmpBlock.h"

#include <string_view>

namespace korvel {

using namespace qs;

std::optional<int> QvtmpBlock::ScaleDecimals() const
{
    if (uDecimals > 4)
        return std::nullopt;
    return uDecimals;
}

QvtmpSelection QvtmpBlock::Selection() const
{
    // The block's selection bytes, in the order the selection lists its groups.
    const std::array<std::uint8_t, 5> bytes = {uMode, uWires, uAverage, uDecimals, uRound};
    QvtmpSelection s;
    std::size_t i = 0;
    QvtmpSelection::VisitFields(s, [&](std::string_view, int& index, const auto& codec) {
        index = codec.Select(bytes[i++]);
    });
    return s;
}

QvtmpBlock QvtmpBlock::WithSelection(const QvtmpSelection& s) const
{
    QvtmpBlock b = *this;
    const std::array<std::uint8_t*, 5> bytes = {&b.uMode, &b.uWires, &b.uAverage, &b.uDecimals,
                                                &b.uRound};
    std::size_t i = 0;
    QvtmpSelection::VisitFields(s, [&](std::string_view, int index, const auto& codec) {
        *bytes[i++] = codec.Code(index);
    });
    return b;
}

void QvtmpBlock::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}
QvtmpBlock QvtmpBlock::Decode(ByteReader& r)
{
    return field::DecodeFields<QvtmpBlock>(r);
}

}  // namespace korvel
