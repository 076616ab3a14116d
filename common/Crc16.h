#pragma once
#include <cstddef>
#include <cstdint>

namespace qs {

// CRC-16/MODBUS: start 0xFFFF, reflected polynomial 0xA001, no final XOR.
// Both frame protocols (MBU3 and the older MBU) check their frames with it.
std::uint16_t CRC16Modbus(const std::uint8_t* bytes, std::size_t count);

}  // namespace qs
