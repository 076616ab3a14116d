#include "ModuleBlocks.h"

void QvainBlock::Encode(ByteWriter& w) const { field::EncodeFields(*this, w); }

QvainBlock QvainBlock::Decode(ByteReader& r)
{
    ByteReader decimals = r;
    QvainBlock b = field::DecodeFields<QvainBlock>(r);
    decimals.GetWord();  // settling time and input type come first
    b.receivedDecimals = decimals.GetByte();
    return b;
}

void QvaoBlock::Encode(ByteWriter& w) const { field::EncodeFields(*this, w); }
QvaoBlock QvaoBlock::Decode(ByteReader& r) { return field::DecodeFields<QvaoBlock>(r); }

void QvroBlock::Encode(ByteWriter& w) const { field::EncodeFields(*this, w); }
QvroBlock QvroBlock::Decode(ByteReader& r) { return field::DecodeFields<QvroBlock>(r); }

void QvserBlock::Encode(ByteWriter& w) const { field::EncodeFields(*this, w); }
QvserBlock QvserBlock::Decode(ByteReader& r) { return field::DecodeFields<QvserBlock>(r); }

void Qv5510DisplayBlock::Encode(ByteWriter& w) const { field::EncodeFields(*this, w); }
Qv5510DisplayBlock Qv5510DisplayBlock::Decode(ByteReader& r) { return field::DecodeFields<Qv5510DisplayBlock>(r); }

void PasswordBlock::Encode(ByteWriter& w) const { field::EncodeFields(*this, w); }
PasswordBlock PasswordBlock::Decode(ByteReader& r) { return field::DecodeFields<PasswordBlock>(r); }
