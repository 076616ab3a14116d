#include "Mbu3Frame.h"

#include "Crc16.h"

#include <algorithm>

namespace mbu3 {

std::uint16_t Get16(const Frame& f, std::size_t at)
{
    return static_cast<std::uint16_t>(f[at] | (f[at + 1] << 8));
}

std::uint32_t Get32(const Frame& f, std::size_t at)
{
    return static_cast<std::uint32_t>(f[at]) | (static_cast<std::uint32_t>(f[at + 1]) << 8) |
           (static_cast<std::uint32_t>(f[at + 2]) << 16) | (static_cast<std::uint32_t>(f[at + 3]) << 24);
}

void Put16(Frame& f, std::size_t at, std::uint16_t v)
{
    f[at] = static_cast<std::uint8_t>(v & 0xFF);
    f[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Frame& f, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        f[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

std::uint16_t CRC16(const std::uint8_t* bytes, std::size_t count)
{
    return CRC16Modbus(bytes, count);
}

void SetCRC(Frame& f)
{
    Put16(f, kCrcOffset, CRC16(f.data(), kCrcOffset));
}

bool CheckCRC(Frame& f)
{
    const bool ok = CRC16(f.data(), kCrcOffset) == Get16(f, kCrcOffset);
    if (!ok)
        f[off::ErrorCode] = ErrCrc;
    return ok;
}

void BuildTxHeader(Frame& f, std::uint16_t requestedType, std::uint8_t command,
                   std::uint16_t lowest, std::uint16_t highest)
{
    Put16(f, off::DeviceType, requestedType);
    Put16(f, off::VersionMin, lowest);
    Put16(f, off::VersionMax, highest);
    f[off::Command] = command;
    Put32(f, off::HostOrDeviceId, HostID);
    std::fill(f.begin() + kDataOffset, f.end(), std::uint8_t{0});
}

std::string_view ErrorText(std::uint8_t code)
{
    switch (code) {
    case 0: return "0";
    case 1: return "1: CRC.";
    case 2: return "2: Unknow device.";
    case 3: return "3: This program is old. Use new.";
    case 4: return "4: This program is too new. Use earlier.";
    case 5: return "5: Unkown command.";
    case 6: return "6: Time out.";
    case 7: return "7: Device RX buffer is full.";
    default: return {};
    }
}

std::string_view ErrorShortText(std::uint8_t code)
{
    switch (code) {
    case 1: return "CRC!";
    case 2: return "Device!";
    case 3: return "Old prg!";
    case 4: return "New prg!";
    case 5: return "Command!";
    case 6: return "Time out!";
    case 7: return "Buffer!";
    default: return {};
    }
}

std::string HexDump(const Frame& f, Direction direction)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    auto fieldEnd = [direction](std::size_t i) {
        switch (i) {
        case 1: case 3: case 5: case 6: case 7: case 9: case 11: return true;
        case 4: return direction == Direction::Reply;
        default: return false;
        }
    };
    std::string text;
    text.reserve(kFrameSize * 3);
    for (std::size_t i = 0; i < kFrameSize; ++i) {
        text += kHex[f[i] >> 4];
        text += kHex[f[i] & 0xF];
        if (i + 1 == kFrameSize)
            break;
        if (i == 15)
            text += '(';
        else if (i == 61)
            text += ')';
        else if (fieldEnd(i))
            text += '|';
        else
            text += ' ';
    }
    return text;
}

}  // namespace mbu3
