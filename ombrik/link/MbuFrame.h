#pragma once
#include "common/link/ByteStream.h"
#include "common/VersionDate.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace ombrik {

// The MBU frame: one 64-byte HID report each way, multi-byte fields little-endian.
// A fixed 7-byte header, 55 data bytes and a CRC; every request and every reply fits one
// frame, so there is no segmentation.
namespace mbu {

using MBUFrame = std::array<std::uint8_t, 64>;

constexpr std::size_t kFrameSize = 64;
constexpr std::size_t kDataOffset = 7;  // first data byte
constexpr std::size_t kDataSize = 55;   // data bytes 7..61
constexpr std::size_t kCrcOffset = 62;  // CRC of bytes 0..61, low byte first
static_assert(kDataOffset + kDataSize == kCrcOffset);

// Header byte offsets. Request and reply share bytes 0-1 and 6; bytes 2-5 differ.
namespace off {
constexpr std::size_t DeviceType = 0;  // request: requested type; reply: the unit's type
constexpr std::size_t VersionMin = 2;  // request: lowest accepted firmware date code
constexpr std::size_t VersionMax = 4;  // request: highest accepted firmware date code
constexpr std::size_t Firmware = 2;    // reply: the unit's firmware date code
constexpr std::size_t Status = 4;      // reply: status code
constexpr std::size_t Counter = 5;     // reply: reply counter, wrapping at 256
constexpr std::size_t Command = 6;     // request: command code; reply: its echo
}  // namespace off

// The header every scheduled request carries: the QV5530 and the firmware window
// 2018-08-24 .. 2018-08-31.
constexpr std::uint16_t kDeviceType = 5530;
constexpr std::uint16_t kLowestFirmware = qs::VersionDateCode(2018, 8, 24);   // 6936
constexpr std::uint16_t kHighestFirmware = qs::VersionDateCode(2018, 8, 31);  // 6943

// The 16-bit field at `at` (a header field or the CRC), low byte first.
std::uint16_t FrameWord(const MBUFrame& f, std::size_t at);

// Bytes 7..63 (the data area and the CRC) := 0.
void ClearData(MBUFrame& f);

// Bytes 0-1 := device, 2-3 := lowest, 4-5 := highest, 6 := command, bytes 7..63 := 0.
// A writer made afterwards starts at the first data byte.
void BuildTxHeader(MBUFrame& f, std::uint16_t device, std::uint8_t command, std::uint16_t lowest,
                   std::uint16_t highest);
// The same with the fixed device type and firmware window of scheduled requests.
void BuildTxHeader(MBUFrame& f, std::uint8_t command);

// CRC-16/MODBUS of bytes 0..61 into bytes 62 (low) and 63 (high).
void SetTxCRC(MBUFrame& f);
// Compares bytes 62..63 with the CRC of bytes 0..61. On a mismatch the status byte becomes
// StatusCrc, before anything else reads the frame. Answers whether it matched.
bool CheckRxCRC(MBUFrame& f);

// The request data writer over bytes 7..61. Its length + 1 is the number of the next data
// byte (1..55); a byte that finds all 55 written is dropped and the writer reports Full()
// until a later byte fits, so a 16-bit value put at the 55th byte keeps only its low byte.
// The CRC bytes are never written.
qs::ByteWriter DataWriter(MBUFrame& f);
// The reply data reader over bytes 7..61. Reads past the 55th data byte yield 0: they never
// reach the CRC or anything beyond the frame.
qs::ByteReader DataReader(const MBUFrame& f);

// Status codes of reply byte 4. 0 and 2 to 5 come from the unit; 1 and 6 are set by the host
// for a CRC mismatch and for a missing reply. Their texts and the labels they highlight are
// the link error rules both programs share (common/session/LinkErrors).
enum StatusCode : std::uint8_t {
    StatusOk = 0,
    StatusCrc = 1,
    StatusDevice = 2,
    StatusProgramOld = 3,
    StatusProgramNew = 4,
    StatusCommand = 5,
    StatusTimeOut = 6,
};

}  // namespace mbu

}  // namespace ombrik
