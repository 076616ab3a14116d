#pragma once
#include "common/link/ByteStream.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace qs {

// How one field of a device record travels, for a value that a window control holds.
//
// Each codec turns the control's value into the field's bytes (Put) and the field's bytes
// into the value the control is to be set to (Get), so every code table, default and clamp
// is applied here, on bytes, and a binder only moves values between controls and records.
// Records list their fields once, in wire order, as (control name, member, codec) through
// their VisitFields; encoding, decoding, slices and binders all walk that one list.
//
// Values the controls hold:
// - an item index: int, -1 for no selection;
// - a check state: bool;
// - an integer already taken from its edit: the number the entry rules gave;
// - a text: UTF-8.
namespace field {

// A byte carried as it is (a track bar's position: the track bar keeps it within its own
// range when it is set).
struct Byte {
    std::size_t Width() const { return 1; }
    void Put(ByteWriter& w, std::uint8_t v) const { w.PutByte(v); }
    std::uint8_t Get(ByteReader& r) const { return r.GetByte(); }
};

// A 16-bit unsigned value carried as it is.
struct Word {
    std::size_t Width() const { return 2; }
    void Put(ByteWriter& w, std::uint16_t v) const { w.PutWord(v); }
    std::uint16_t Get(ByteReader& r) const { return r.GetWord(); }
};

// A signed 32-bit value carried as it is (a dialog's value field).
struct Integer {
    std::size_t Width() const { return 4; }
    void Put(ByteWriter& w, std::int32_t v) const { w.PutInteger(v); }
    std::int32_t Get(ByteReader& r) const { return r.GetInteger(); }
};

// A scaled integer (signed 32 bits) that an edit shows in the window's current scaled
// format: the binder converts the text with that format and rewrites the edit.
struct Scaled : Integer {};

// An IEEE single kept as its bit pattern, so it goes back to the device bit for bit.
struct SingleBits {
    std::size_t Width() const { return 4; }
    void Put(ByteWriter& w, std::uint32_t bits) const { w.PutCardinal(bits); }
    std::uint32_t Get(ByteReader& r) const { return r.GetCardinal(); }
};

// A check box: 1 ticked, 0 not; any byte but 0 ticks it.
struct Check {
    std::size_t Width() const { return 1; }
    void Put(ByteWriter& w, bool ticked) const { w.PutBoolean(ticked); }
    bool Get(ByteReader& r) const { return r.GetBoolean(); }
};

// A check box that only the byte 1 ticks.
struct CheckExactlyOne : Check {
    bool Get(ByteReader& r) const { return r.GetByte() == 1; }
};

// The one-byte codecs of a selection share this shape: Code gives the byte for an item
// index, Select the item index for a byte.
template <class Self>
struct Selection {
    std::size_t Width() const { return 1; }
    void Put(ByteWriter& w, int index) const
    {
        w.PutByte(static_cast<const Self&>(*this).Code(index));
    }
    int Get(ByteReader& r) const { return static_cast<const Self&>(*this).Select(r.GetByte()); }
};

// A radio group's item index. No selection (-1) travels as its low byte, 0xFF. A byte past
// the last item selects the last item.
struct Radio : Selection<Radio> {
    int items;
    constexpr explicit Radio(int n) : items(n) {}
    std::uint8_t Code(int index) const { return static_cast<std::uint8_t>(index); }
    int Select(std::uint8_t v) const { return v < items ? v : items - 1; }
};

// A drop-down list's item index. No selection travels as 0xFF; a byte past the last item
// leaves the list without a selection.
struct List : Selection<List> {
    int items;
    constexpr explicit List(int n) : items(n) {}
    std::uint8_t Code(int index) const
    {
        return index < 0 ? 0xFF : static_cast<std::uint8_t>(index);
    }
    int Select(std::uint8_t v) const { return v < items ? v : -1; }
};

// A radio group whose items travel as codes: item i as codes[i]. An index outside the table
// (no selection included) sends `otherIndexCode`; a code not in the table selects
// `otherCodeIndex`.
struct Coded : Selection<Coded> {
    std::span<const std::uint8_t> codes;
    std::uint8_t otherIndexCode;
    int otherCodeIndex;
    constexpr Coded(std::span<const std::uint8_t> table, std::uint8_t indexDefault, int codeDefault)
        : codes(table), otherIndexCode(indexDefault), otherCodeIndex(codeDefault)
    {
    }
    std::uint8_t Code(int index) const;
    int Select(std::uint8_t v) const;
};

// A number of wires, 2..(items + 1), chosen in a radio group whose item i means i + 2 wires.
// Written as index + 2 (no selection: 1). Read: a count below 2 leaves no selection, one past
// the last item selects the last.
struct WireCount : Selection<WireCount> {
    int items;
    constexpr explicit WireCount(int n) : items(n) {}
    std::uint8_t Code(int index) const { return static_cast<std::uint8_t>(index + 2); }
    int Select(std::uint8_t v) const;
};

// An unsigned integer edit of 1 or 2 bytes, clamped when written. The value is the edit's
// signed entry seen as unsigned 32 bits, so a negative entry lies above every maximum and
// gives the maximum. Read as it is (the edit shows it in decimal).
struct Clamped {
    std::size_t width;  // 1 or 2
    std::uint32_t minimum;
    std::uint32_t maximum;
    std::size_t Width() const { return width; }
    std::uint32_t Clamp(std::uint32_t v) const
    {
        return v < minimum ? minimum : (v > maximum ? maximum : v);
    }
    void Put(ByteWriter& w, std::uint32_t v) const;
    std::uint32_t Get(ByteReader& r) const;
};

// A fixed-width text of at most `chars` characters in chars + 1 bytes, so at least one zero
// byte ends it. Written: the field zero-filled; the text cut to `chars` characters, trimmed
// of leading and trailing blanks and control characters, then its Windows-1250 bytes from
// the field's first byte (a character without a code goes as "?"). Read: the bytes up to
// the first zero byte, at most `chars` of them.
struct Text {
    std::size_t chars;
    std::size_t Width() const { return chars + 1; }
    void Put(ByteWriter& w, const std::string& utf8) const;
    std::string Get(ByteReader& r) const;
    // The bytes Put writes before its zero fill.
    std::string DeviceBytes(std::string_view utf8) const;
};

// ---- walking a record's field list ---------------------------------------------------------

// Calls v(name, member, codec) for the fields that lie wholly in the byte range
// [begin, end) of the record; the offsets come from the codecs' widths.
template <class Record, class Visitor>
void VisitFieldRange(Record& record, std::size_t begin, std::size_t end, Visitor&& v)
{
    std::size_t offset = 0;
    std::remove_cvref_t<Record>::VisitFields(
        record, [&](std::string_view name, auto& member, const auto& codec) {
            const std::size_t width = codec.Width();
            if (offset >= begin && offset + width <= end)
                v(name, member, codec);
            offset += width;
        });
}

// The record's width on the wire: the sum of its fields' widths.
template <class Record>
std::size_t FieldsWidth()
{
    std::size_t width = 0;
    const Record record{};
    Record::VisitFields(
        record, [&](std::string_view, const auto&, const auto& codec) { width += codec.Width(); });
    return width;
}

// Puts every field in order.
template <class Record>
void EncodeFields(const Record& record, ByteWriter& w)
{
    Record::VisitFields(record, [&](std::string_view, const auto& member, const auto& codec) {
        codec.Put(w, member);
    });
}

// Gets every field in order (zeros past the end of a short reply).
template <class Record>
Record DecodeFields(ByteReader& r)
{
    Record record{};
    Record::VisitFields(
        record, [&](std::string_view, auto& member, const auto& codec) { member = codec.Get(r); });
    return record;
}

}  // namespace field

}  // namespace qs
