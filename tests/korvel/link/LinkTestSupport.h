#pragma once
// Helpers shared by the link tests: hex views of byte ranges, reply frames as the device
// builds them, and a stand-in device that answers a whole segmented transfer.
#include "korvel/link/Mbu3Frame.h"
#include "korvel/link/SegmentedTransfer.h"
#include "tests/HexText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace linktest {

using hextext::Hex;

using Bytes = std::vector<std::uint8_t>;

inline std::string Hex(const Bytes& bytes)
{
    return Hex(std::span<const std::uint8_t>(bytes));
}

inline std::string Hex(const korvel::mbu3::Frame& f, std::size_t at, std::size_t count)
{
    return Hex(std::span<const std::uint8_t>(f).subspan(at, count));
}

// Fills the sequence 1, 2, 3 ... (mod 256): every position of a stream is recognisable.
inline Bytes Counting(std::size_t count, std::uint8_t first = 1)
{
    Bytes b(count);
    for (std::size_t i = 0; i < count; ++i)
        b[i] = static_cast<std::uint8_t>(first + i);
    return b;
}

struct ReplyHeader {
    std::uint16_t deviceType = 0x0203;
    std::uint16_t firmware = 7700;
    std::uint8_t error = 0;
    std::uint8_t counter = 0;
    std::uint8_t echo = 0;
    std::uint16_t total = 0;
    std::uint16_t offset = 0;
    std::uint32_t deviceId = 1234567;
};

// A reply frame with up to 46 data bytes (the rest 0) and a correct CRC.
inline korvel::mbu3::Frame MakeReply(const ReplyHeader& h, std::span<const std::uint8_t> data = {})
{
    korvel::mbu3::Frame f{};
    korvel::mbu3::Put16(f, 0, h.deviceType);
    korvel::mbu3::Put16(f, 2, h.firmware);
    f[4] = h.error;
    f[5] = h.counter;
    f[6] = h.echo;
    korvel::mbu3::Put16(f, 8, h.total);
    korvel::mbu3::Put16(f, 10, h.offset);
    korvel::mbu3::Put32(f, 12, h.deviceId);
    std::copy_n(data.begin(), std::min<std::size_t>(data.size(), korvel::mbu3::kSegmentSize),
                f.begin() + korvel::mbu3::kDataOffset);
    korvel::mbu3::SetCRC(f);
    return f;
}

// The received count a device acknowledges a request segment with: the request bytes up to
// the end of that segment.
inline std::uint16_t AckCount(const korvel::mbu3::Frame& request)
{
    const std::size_t end =
        korvel::mbu3::Get16(request, korvel::mbu3::off::SegmentOffset) + korvel::mbu3::kSegmentSize;
    return static_cast<std::uint16_t>(
        std::min<std::size_t>(end, korvel::mbu3::Get16(request, korvel::mbu3::off::TotalLength)));
}

// Answers like a well-behaved device: request segments before the last are acknowledged
// with their received count and a length field that would be refused if the host read it
// (0xFFFF); the reply
// to the last request segment carries reply segment 0; a flags-4 frame gets the segment at
// the received count it names.
struct FakeDevice {
    Bytes replyData;
    std::uint8_t echo = 0;
    std::vector<korvel::mbu3::Frame> requests;  // every frame the host sent, in order

    korvel::mbu3::Frame Answer(const korvel::mbu3::Frame& request)
    {
        requests.push_back(request);
        ReplyHeader h;
        h.echo = request[korvel::mbu3::off::Command];
        h.counter = static_cast<std::uint8_t>(requests.size());
        const std::uint8_t flags = request[korvel::mbu3::off::Flags];
        if (flags != korvel::mbu3::kFlagAskReply && (flags & korvel::mbu3::kFlagLast) == 0) {
            h.total = 0xFFFF;
            h.offset = AckCount(request);
            return MakeReply(h);
        }
        const std::uint16_t at =
            flags == korvel::mbu3::kFlagAskReply
                ? korvel::mbu3::Get16(request, korvel::mbu3::off::SegmentOffset)
                : 0;
        h.total = static_cast<std::uint16_t>(replyData.size());
        h.offset = at;
        std::span<const std::uint8_t> rest;
        if (at < replyData.size())
            rest = std::span<const std::uint8_t>(replyData).subspan(at);
        return MakeReply(h, rest);
    }
};

// Sends the request prepared in t (Begin and puts done) and plays the exchange with the
// device until the transfer stops asking for frames. Answers the last step's result.
inline korvel::SegmentedTransfer::StepResult Exchange(korvel::SegmentedTransfer& t,
                                                      FakeDevice& device)
{
    EXPECT_TRUE(t.SendNextFrame());
    for (int guard = 0; guard < 2000; ++guard) {
        const auto r = t.RxTransferStep(device.Answer(t.TxFrame));
        if (r != korvel::SegmentedTransfer::StepResult::SendFrame)
            return r;
    }
    ADD_FAILURE() << "transfer never ended";
    return korvel::SegmentedTransfer::StepResult::Ignored;
}

}  // namespace linktest
