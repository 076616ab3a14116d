#pragma once
#include "common/VersionDate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvel {

// The MBU3 frame: one 64-byte HID report each way, little-endian fields.
namespace mbu3 {

using Frame = std::array<std::uint8_t, 64>;

constexpr std::size_t kFrameSize = 64;
constexpr std::size_t kDataOffset = 16;   // first data byte
constexpr std::size_t kSegmentSize = 46;  // data bytes per frame
constexpr std::size_t kCrcOffset = 62;

// Header byte offsets. Request and reply share most places; bytes 2-5 and 7 differ.
namespace off {
constexpr std::size_t DeviceType = 0;      // request: requested type; reply: device's type
constexpr std::size_t VersionMin = 2;      // request: lowest accepted firmware
constexpr std::size_t VersionMax = 4;      // request: highest accepted firmware
constexpr std::size_t Firmware = 2;        // reply: the device's firmware version
constexpr std::size_t ErrorCode = 4;       // reply
constexpr std::size_t Counter = 5;         // reply: frame counter modulo 256
constexpr std::size_t Command = 6;         // request: command; reply: command echo
constexpr std::size_t Flags = 7;           // request: transfer flags
constexpr std::size_t TotalLength = 8;     // request/reply data length
constexpr std::size_t SegmentOffset = 10;  // offset of this segment; flags 4: bytes received
constexpr std::size_t HostOrDeviceId = 12;
}  // namespace off

// Transfer flags of a request frame (byte 7).
constexpr std::uint8_t kFlagFirst = 1;
constexpr std::uint8_t kFlagLast = 2;
constexpr std::uint8_t kFlagAskReply = 4;  // alone: asks for the next reply segment

constexpr std::uint32_t HostID = 0x3C5A9E17u;
// The firmware window this program accepts.
constexpr std::uint16_t kLowestFirmware = qs::VersionDateCode(2020, 6, 19);    // 7613
constexpr std::uint16_t kHighestFirmware = qs::VersionDateCode(2020, 12, 31);  // 7811

// Stream limits: a request carries at most 16383 bytes, a reply at most 16384.
constexpr std::size_t kStreamSize = 16384;

std::uint16_t Get16(const Frame& f, std::size_t at);
std::uint32_t Get32(const Frame& f, std::size_t at);
void Put16(Frame& f, std::size_t at, std::uint16_t v);
void Put32(Frame& f, std::size_t at, std::uint32_t v);

std::uint16_t CRC16(const std::uint8_t* bytes, std::size_t count);
// CRC of bytes 0..61 into bytes 62 (low) and 63 (high).
void SetCRC(Frame& f);
// Whether bytes 62-63 hold the CRC of bytes 0..61.
bool CrcMatches(const Frame& f);
// The device side's check (the simulated meter's): on a mismatch the error code byte becomes
// 1. Answers whether it matched. The host never rewrites a reply; it passes the code along.
bool CheckCRC(Frame& f);

// Fills the request header: type, firmware window, command, host id; bytes 16-63 zero.
// Bytes 7-11 and the CRC are set per frame by the transfer.
void BuildTxHeader(Frame& f, std::uint16_t requestedType, std::uint8_t command,
                   std::uint16_t lowest, std::uint16_t highest);

// Link error codes: 0 to 7 from the device (1 and 6 also from the host), 9 from the host.
enum ErrorCode : std::uint8_t {
    ErrNone = 0,
    ErrCrc = 1,
    ErrDevice = 2,
    ErrProgramOld = 3,
    ErrProgramNew = 4,
    ErrCommand = 5,
    ErrTimeOut = 6,
    ErrBufferFull = 7,
    ErrOversize = 9,
};
enum class Direction { Request, Reply };
// The 64 bytes as upper-case hex: "|" between header fields, "(" ... ")" around the data
// bytes, a blank elsewhere.
std::string HexDump(const Frame& f, Direction direction);

}  // namespace mbu3

}  // namespace korvel
