#include "IdentityRecord.h"

namespace korvel {

using namespace qs;

void IdentityRecord::Encode(ByteWriter& w) const
{
    w.PutDWord(uGyariSzam);
    w.PutByte(uGyariSzamEv);
    w.PutByte(uGyariSzamHonap);
    w.PutWord(uDeviceType);
    w.PutByte(uQVOptIn);
    w.PutByte(uQVOptOut2);
    w.PutByte(uQVOptOut1);
}

IdentityRecord IdentityRecord::Decode(ByteReader& r)
{
    IdentityRecord id;
    id.uGyariSzam = r.GetCardinal();
    id.uGyariSzamEv = r.GetByte();
    id.uGyariSzamHonap = r.GetByte();
    id.uDeviceType = r.GetWord();
    id.uQVOptIn = r.GetByte();
    id.uQVOptOut2 = r.GetByte();
    id.uQVOptOut1 = r.GetByte();
    return id;
}

}  // namespace korvel
