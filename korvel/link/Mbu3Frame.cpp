#include "Mbu3Frame.h"

#include "common/Crc16.h"
#include "common/link/HexDump.h"

#include <algorithm>

namespace korvel {

using namespace qs;

namespace mbu3 {

std::uint16_t Get16(const Frame& f, std::size_t at)
{
    return static_cast<std::uint16_t>(f[at] | (f[at + 1] << 8));
}

std::uint32_t Get32(const Frame& f, std::size_t at)
{
    return static_cast<std::uint32_t>(f[at]) | (static_cast<std::uint32_t>(f[at + 1]) << 8) |
           (static_cast<std::uint32_t>(f[at + 2]) << 16) |
           (static_cast<std::uint32_t>(f[at + 3]) << 24);
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

bool CrcMatches(const Frame& f)
{
    return CRC16(f.data(), kCrcOffset) == Get16(f, kCrcOffset);
}

bool CheckCRC(Frame& f)
{
    const bool ok = CrcMatches(f);
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

std::string HexDump(const Frame& f, Direction direction)
{
    // Header fields stand apart, the 46 data bytes in parentheses, the CRC after them.
    return qs::HexDump(f, [direction](std::size_t i) {
        switch (i) {
        case 15:
            return '(';
        case 61:
            return ')';
        case 1:
        case 3:
        case 5:
        case 6:
        case 7:
        case 9:
        case 11:
            return '|';
        case 4:
            return direction == Direction::Reply ? '|' : ' ';
        default:
            return ' ';
        }
    });
}

}  // namespace mbu3

}  // namespace korvel
