// The developer page's hand-made request on bytes: the typed data and the header.
#include "ByteText.h"
#include "ombrik/link/HandMadeRequest.h"

#include <gtest/gtest.h>

#include <string>

using namespace qs;
using namespace ombrik;

using bytetext::Hex;
using namespace mbu;

namespace {
std::string Numbers(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + " ";
    return text;
}
}  // namespace

TEST(HandMadeRequest, DigitRunsAreTheBytesAndEverythingElseSeparates)
{
    struct Row {
        std::string text;
        const char* bytes;
        bool tooLong;
    };
    const Row rows[] = {
        {"1, 2, 3; 255 256 -7", "01 02 03 FF 07", false},
        {"0x1F", "00 01", false},
        {"", "", false},
        {"1 99999999999999999999 2", "01 02", false},  // any run of 256 or more is dropped
        {"007,0256,x9y", "07 09", false},
        {"é5ő", "05", false},
        {Numbers(55), "", false},
        {Numbers(56) + "57", "", true},  // the 56th ends the scan
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const InputData data = ParseInputText(row.text);
        EXPECT_EQ(data.tooLong, row.tooLong);
        if (row.text.size() > 100)
            EXPECT_EQ(data.bytes.size(), 55u);
        else
            EXPECT_EQ(Hex(data.bytes), row.bytes);
    }
}

TEST(HandMadeRequest, HeaderTakesTheLowBitsOfTypeAndCommandThenTheData)
{
    MBUFrame f;
    f.fill(0xEE);  // the frame last sent
    BuildManualTxHeader(f, 70000, 300, {2018, 2, 26}, {2040, 1, 1}, ParseInputText("1 2"));
    std::string expected = "70 11 60 1A 20 3A 2C 01 02";
    for (int i = 9; i < 64; ++i)
        expected += " 00";
    EXPECT_EQ(Hex(f), expected);

    BuildManualTxHeader(f, -1, -1, {2000, 1, 1}, {2176, 3, 2}, ParseInputText(Numbers(55)));
    EXPECT_EQ(Hex(std::span(f).first(7)), "FF FF 00 00 FF FF FF");
    EXPECT_EQ(f[61], 55);
    EXPECT_EQ(Hex(std::span(f).last(2)), "00 00") << "the CRC is set when the frame is sent";
}
