#include "MbuStatusRecord.h"

void MbuStatusRecord::Encode(ByteWriter& w) const
{
    w.PutInteger(iADRaw);
    w.PutInteger(iADAveraged);
    w.PutCardinal(uStatusBits);
    w.PutSingle(fFizikaiMennyiseg);
    w.PutSingle(fKimenetSzazalek);
    w.PutInteger(iSkalazottKijezesiErtek);
    for (std::uint8_t b : {uInputType, uDecimals, uCRCOKbits, uAfterWriteOKbits})
        w.PutByte(b);
    w.PutWord(uSPS);
    w.PutByte(uPt1000Flag);
}

MbuStatusRecord MbuStatusRecord::Decode(ByteReader& r)
{
    MbuStatusRecord s;
    s.iADRaw = r.GetInteger();
    s.iADAveraged = r.GetInteger();
    s.uStatusBits = r.GetCardinal();
    s.fFizikaiMennyiseg = r.GetSingle();
    s.fKimenetSzazalek = r.GetSingle();
    s.iSkalazottKijezesiErtek = r.GetInteger();
    for (std::uint8_t* b : {&s.uInputType, &s.uDecimals, &s.uCRCOKbits, &s.uAfterWriteOKbits})
        *b = r.GetByte();
    s.uSPS = r.GetWord();
    s.uPt1000Flag = r.GetByte();
    return s;
}
