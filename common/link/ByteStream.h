#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace qs {

// Little-endian request and reply data streams, shared by both programs' links.
//
// A writer appends to a fixed area; a byte that finds the area full is dropped and the
// writer reports itself full until the next byte that fits. Korvel's 16384-byte request
// stream and Ombrik's 55 frame data bytes are both such areas.
//
// A reader takes bytes in order from the data it was given; every read at or past the end
// yields 0 and leaves the position where it is, so a short reply reads as zeros and never
// past its buffer.
class ByteWriter {
public:
    ByteWriter() = default;
    explicit ByteWriter(std::span<std::uint8_t> area) : area_(area) {}

    void PutByte(std::uint8_t b);
    void PutWord(std::uint16_t v);
    void PutDWord(std::uint32_t v);
    void PutCardinal(std::uint32_t v) { PutDWord(v); }
    void PutInteger(std::int32_t v) { PutDWord(static_cast<std::uint32_t>(v)); }
    // The IEEE-754 single-precision bit pattern.
    void PutSingle(float x);
    void PutBoolean(bool b) { PutByte(b ? 1 : 0); }
    // Copies the bytes in order (each through PutByte).
    void PutBytes(std::span<const std::uint8_t> bytes);

    std::size_t Length() const { return length_; }
    // The last put found no room (its byte was dropped).
    bool Full() const { return full_; }
    std::span<const std::uint8_t> Data() const { return area_.first(length_); }
    // Empties the stream (the area keeps its bytes until they are overwritten).
    void Reset()
    {
        length_ = 0;
        full_ = false;
    }

private:
    std::span<std::uint8_t> area_;
    std::size_t length_ = 0;
    bool full_ = false;
};

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint8_t GetByte();
    std::uint16_t GetWord();
    std::uint32_t GetCardinal();
    std::int32_t GetInteger() { return static_cast<std::int32_t>(GetCardinal()); }
    float GetSingle();
    // True for any byte other than 0.
    bool GetBoolean() { return GetByte() != 0; }
    // Fills out with the next bytes (zeros past the end).
    void GetBytes(std::span<std::uint8_t> out);

    std::size_t Position() const { return pos_; }
    std::size_t Size() const { return data_.size(); }
    void Rewind() { pos_ = 0; }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

}  // namespace qs
