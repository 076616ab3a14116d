#include "common/Crc16.h"
#include "common/VersionDate.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace qs;

TEST(Crc16, CheckValueAndEmptyInput)
{
    constexpr std::string_view text = "123456789";
    EXPECT_EQ(CRC16Modbus(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), 0x4B37);
    EXPECT_EQ(CRC16Modbus(nullptr, 0), 0xFFFF);
}

TEST(VersionDate, CodesAndTextRoundTrip)
{
    EXPECT_EQ(VersionDateCode(2020, 6, 19), 7613);
    EXPECT_EQ(VersionDateCode(2020, 12, 31), 7811);
    EXPECT_EQ(VersionToStr(7613, "."), "2020.06.19.");
    EXPECT_EQ(VersionToStr(7811, "-"), "2020-12-31-");
    EXPECT_EQ(VersionToStr(0, "."), "2000.01.01.");
    // The largest code still reads as digits: 65535 = 176 * 372 + 63 -> 2176, month 3, day 2.
    EXPECT_EQ(VersionToStr(65535, "."), "2176.03.02.");
}
