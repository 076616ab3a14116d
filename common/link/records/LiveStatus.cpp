#include "LiveStatus.h"

namespace qs {

void LiveStatus::EncodeLive(ByteWriter& w) const
{
    w.PutInteger(iADRaw);
    w.PutInteger(iADAveraged);
    w.PutCardinal(uErrorBits);
    w.PutSingle(fFizikaiMennyiseg);
    w.PutSingle(fKimenetSzazalek);
    w.PutInteger(iSkalazottKijezesiErtek);
    for (std::uint8_t b : {uInputType, uDecimals, uCRCOKbits, uAfterWriteOKbits})
        w.PutByte(b);
    w.PutWord(uSPS);
    w.PutBoolean(bPt1000);
}

void LiveStatus::DecodeLive(ByteReader& r)
{
    iADRaw = r.GetInteger();
    iADAveraged = r.GetInteger();
    uErrorBits = r.GetCardinal();
    fFizikaiMennyiseg = r.GetSingle();
    fKimenetSzazalek = r.GetSingle();
    iSkalazottKijezesiErtek = r.GetInteger();
    for (std::uint8_t* b : {&uInputType, &uDecimals, &uCRCOKbits, &uAfterWriteOKbits})
        *b = r.GetByte();
    uSPS = r.GetWord();
    bPt1000 = r.GetBoolean();
}

}  // namespace qs
