#include "IdentityRecord.h"

void PutIdentityRecord(SegmentedTransfer& t, const IdentityRecord& r)
{
    t.PutDWord(r.uGyariSzam);
    t.PutByte(r.uGyariSzamEv);
    t.PutByte(r.uGyariSzamHonap);
    t.PutWord(r.uDeviceType);
    t.PutByte(r.uQVOptIn);
    t.PutByte(r.uQVOptOut2);
    t.PutByte(r.uQVOptOut1);
}
