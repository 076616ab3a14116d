// Replies that do not answer the frame in flight: a late reply to a request that has timed
// out, and a device whose reply segments all claim offset 0. Neither may reach another
// command's data nor hold the link.
#include "SessionHarness.h"
#include "tests/HexText.h"

#include <span>
#include <string>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

using namespace mbu3;

namespace {

std::vector<std::uint8_t> Pattern(std::size_t n, std::uint8_t seed)
{
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>(seed + i * 3);
    return v;
}

// One line of the exchange as the meter sees it: "tx" and a request frame's flags, total
// length and segment offset (bytes 7-11), or "rx" and a reply's code, counter, echo, flags
// byte, total and offset (bytes 4-11).
std::string Line(const char* way, const Frame& f)
{
    const bool tx = way[0] == 't';
    return std::string(way) + " " +
           hextext::Hex(std::span<const std::uint8_t>(f).subspan(tx ? 7 : 4, tx ? 5 : 8));
}

}  // namespace

TEST(StrayReplies, ALateAcknowledgementLetsNoSegmentOutBeforeItsOwn)
{
    // A 139-byte settings write goes out in four segments. The reply to its last segment is
    // held back past the time-out; the write is sent again, and the late reply arrives while
    // the repeat's first segment waits for its acknowledgement. That reply's offset field
    // (0, the start of its reply data) is not the received count 46: it is dropped, and each
    // segment goes out only after the meter has acknowledged the one before it.
    SessionHarness h;
    const std::vector<std::uint8_t> record = Pattern(139, 0x40);
    h.requestData[Command::SettingsWrite] = [&](ByteWriter& w) { w.PutBytes(record); };
    h.meter->setReplyData(109, {});
    std::vector<std::string> seen;
    bool holdLast = true;
    h.meter->onFrameWritten = [&](const Frame& f) {
        seen.push_back(Line("tx", f));
        if (holdLast && (f[off::Flags] & kFlagLast) != 0) {
            holdLast = false;
            h.meter->holdNextReply();
        }
    };
    h.meter->onReplyDelivered = [&] { seen.push_back(Line("rx", h.meter->repliesSent().back())); };
    h.press(KeySettingsWrite);
    h.clear();
    h.s->Tick();
    ASSERT_TRUE(SessionHarness::waitFor([&] { return h.timeOuts == 1; }, 1000));

    h.meter->releaseHeldReply();  // on the next pass of the event loop
    h.meter->latencyMs = 20;
    h.s->Tick();
    ASSERT_TRUE(SessionHarness::waitFor([&] { return !h.completed.empty(); }, 2000));
    h.meter->latencyMs = 0;

    //                      code ctr echo flags total  offset
    const std::vector<std::string> expected = {
        "tx 01 8B 00 00 00",
        "rx 00 00 6D 00 00 00 2E 00",  // segment 0, acknowledged: 46
        "tx 00 8B 00 2E 00",
        "rx 00 01 6D 00 00 00 5C 00",  // segment 46: 92
        "tx 00 8B 00 5C 00",
        "rx 00 02 6D 00 00 00 8A 00",  // segment 92: 138
        "tx 02 8B 00 8A 00",           // segment 138; its reply held
        "tx 01 8B 00 00 00",
        "rx 00 03 6D 00 00 00 00 00",  // again segment 0; the late reply
        "rx 00 04 6D 00 00 00 2E 00",  // its own acknowledgement
        "tx 00 8B 00 2E 00",          "rx 00 05 6D 00 00 00 5C 00", "tx 00 8B 00 5C 00",
        "rx 00 06 6D 00 00 00 8A 00", "tx 02 8B 00 8A 00",
        "rx 00 07 6D 00 00 00 00 00",  // the write's reply: no data
    };
    EXPECT_EQ(seen, expected);
    ASSERT_EQ(h.meter->requests().size(), 2u);
    EXPECT_EQ(h.meter->requests()[1].data, record);
    EXPECT_EQ(h.completed.size(), 1u);
    EXPECT_EQ(h.timeOuts, 1) << "the late reply neither ended nor re-armed the repeat";
    EXPECT_FALSE(h.pending(KeySettingsWrite));
}

TEST(StrayReplies, ALateReplyIsDroppedAndTheCommandInFlightGetsItsOwnData)
{
    SessionHarness h;
    const std::vector<std::uint8_t> status = Pattern(53, 0x11);
    const std::vector<std::uint8_t> settings = Pattern(139, 0x80);
    h.meter->setReplyData(101, status);
    h.meter->setReplyData(131, settings);

    // The poll's reply comes 250 ms late: the poll times out at 200 ms.
    h.meter->delayNextReply(250);
    h.s->Tick();
    ASSERT_TRUE(SessionHarness::waitFor([&] { return h.timeOuts == 1; }, 1000));
    // The settings read goes out while that reply is still on its way, and the meter
    // answers it only after the late poll reply has arrived.
    h.meter->latencyMs = 100;
    h.press(KeySettingsRead);
    h.clear();
    h.s->Tick();
    ASSERT_TRUE(SessionHarness::waitFor([&] { return !h.completed.empty(); }, 2000));
    h.meter->latencyMs = 0;

    ASSERT_EQ(h.meter->repliesSent().size(), 5u)
        << "the late poll reply, then the settings read's four";
    EXPECT_EQ(h.meter->repliesSent().front()[off::Command], 101);
    ASSERT_EQ(h.completed.size(), 1u);
    EXPECT_EQ(h.completed[0].first, Command::SettingsRead);
    const std::vector<std::uint8_t>& got = h.completed[0].second;
    EXPECT_EQ(std::vector<std::uint8_t>(got.begin(), got.begin() + 139), settings);
    EXPECT_EQ(h.timeOuts, 1) << "the late reply neither ended nor re-armed the settings read";
    EXPECT_FALSE(h.pending(KeySettingsRead));
}

TEST(StrayReplies, SegmentsAtOffsetZeroCostOneTimeOutPerPollAndPollingResumes)
{
    SessionHarness h;
    h.meter->setReplyData(101, Pattern(53, 0x21));  // two segments
    h.meter->segmentsAtOffsetZero = true;
    h.clear();
    h.s->Clock().StartTicks();

    SessionHarness::waitMs(1000);
    // Each poll: its request, one request for the second segment, then the time-out.
    const std::size_t frames = h.meter->framesReceived().size();
    EXPECT_GE(h.timeOuts, 3);
    EXPECT_LE(h.timeOuts, 5);
    EXPECT_LE(frames, static_cast<std::size_t>(2 * h.timeOuts + 2)) << "the link does not spin";
    EXPECT_TRUE(h.completed.empty());

    // The device answers properly again: polls run at full rate.
    h.meter->segmentsAtOffsetZero = false;
    SessionHarness::waitMs(300);
    const std::size_t before = h.completed.size();
    SessionHarness::waitMs(1000);
    EXPECT_GE(h.completed.size() - before, 25u);
    SessionHarness::holdTimers(*h.s);
}
