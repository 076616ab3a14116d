#include "MbuFrame.h"

#include "common/Crc16.h"

#include <algorithm>
#include <span>

namespace ombrik {

using namespace qs;

namespace mbu {

namespace {
std::span<std::uint8_t> Bytes(MBUFrame& f, std::size_t at, std::size_t count)
{
    return std::span<std::uint8_t>(f).subspan(at, count);
}
}  // namespace

std::uint16_t FrameWord(const MBUFrame& f, std::size_t at)
{
    return ByteReader(std::span<const std::uint8_t>(f).subspan(at, 2)).GetWord();
}

void ClearData(MBUFrame& f)
{
    std::fill(f.begin() + kDataOffset, f.end(), std::uint8_t{0});
}

void BuildTxHeader(MBUFrame& f, std::uint16_t device, std::uint8_t command, std::uint16_t lowest,
                   std::uint16_t highest)
{
    ByteWriter header(Bytes(f, 0, kDataOffset));
    header.PutWord(device);
    header.PutWord(lowest);
    header.PutWord(highest);
    header.PutByte(command);
    ClearData(f);
}

void BuildTxHeader(MBUFrame& f, std::uint8_t command)
{
    BuildTxHeader(f, kDeviceType, command, kLowestFirmware, kHighestFirmware);
}

void SetTxCRC(MBUFrame& f)
{
    ByteWriter(Bytes(f, kCrcOffset, 2)).PutWord(CRC16Modbus(f.data(), kCrcOffset));
}

bool CheckRxCRC(MBUFrame& f)
{
    const bool ok = CRC16Modbus(f.data(), kCrcOffset) == FrameWord(f, kCrcOffset);
    if (!ok)
        f[off::Status] = StatusCrc;
    return ok;
}

ByteWriter DataWriter(MBUFrame& f)
{
    return ByteWriter(Bytes(f, kDataOffset, kDataSize));
}

ByteReader DataReader(const MBUFrame& f)
{
    return ByteReader(std::span<const std::uint8_t>(f).subspan(kDataOffset, kDataSize));
}

}  // namespace mbu

}  // namespace ombrik
