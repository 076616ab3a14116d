#include "SettingsRecord.h"

namespace qs {

void SettingsRecord::Encode(ByteWriter& w) const
{
    field::EncodeFields(*this, w);
}

SettingsRecord SettingsRecord::Decode(ByteReader& r)
{
    return field::DecodeFields<SettingsRecord>(r);
}

void SettingsRecord::EncodePart(SettingsPart part, ByteWriter& w) const
{
    VisitPartFields(*this, part, [&](std::string_view, const auto& member, const auto& codec) {
        codec.Put(w, member);
    });
}

void SettingsRecord::DecodePart(SettingsPart part, ByteReader& r)
{
    VisitPartFields(*this, part, [&](std::string_view, auto& member, const auto& codec) {
        member = codec.Get(r);
    });
}

}  // namespace qs
