// Replies that do not answer the frame in flight: a late reply to a request that has timed
// out, and a device whose reply segments all claim offset 0. Neither may reach another
// command's data nor hold the link.
#include "SessionHarness.h"

#include <gtest/gtest.h>

using namespace mbu3;

namespace {

std::vector<std::uint8_t> Pattern(std::size_t n, std::uint8_t seed)
{
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>(seed + i * 3);
    return v;
}

}  // namespace

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

    ASSERT_EQ(h.meter->repliesSent().size(), 5u) << "the late poll reply, then the settings read's four";
    EXPECT_EQ(h.meter->repliesSent().front()[off::Command], 101);
    ASSERT_EQ(h.completed.size(), 1u);
    EXPECT_EQ(h.completed[0].first, CmdSettingsRead);
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
    h.s->Clock().StopTicks();
}
