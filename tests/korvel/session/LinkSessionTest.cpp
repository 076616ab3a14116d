// Whole request/reply roads through the link session and the HID layer, on the simulated
// meter: segmentation, CRC and resend, time-out, link error codes, unplug and replug,
// priority and the module slot.
#include "SessionHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace qs;
using namespace korvel;

using namespace mbu3;

namespace {

std::vector<std::uint8_t> Pattern(std::size_t n, std::uint8_t seed = 1)
{
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>(seed + i * 7);
    return v;
}

struct Seen {
    std::uint8_t flags;
    std::uint16_t length;
    std::uint16_t offset;
};

std::vector<Seen> Headers(const std::vector<Frame>& frames)
{
    std::vector<Seen> out;
    for (const Frame& f : frames)
        out.push_back({f[off::Flags], Get16(f, off::TotalLength), Get16(f, off::SegmentOffset)});
    return out;
}

MATCHER_P3(IsFrame, flags, length, offset, "")
{
    return arg.flags == flags && arg.length == length && arg.offset == offset;
}

class RequestSegmentation : public ::testing::TestWithParam<std::size_t> {};
class ReplySegmentation : public ::testing::TestWithParam<std::size_t> {};
// A case is named by its length in bytes.
std::string BytesName(const ::testing::TestParamInfo<std::size_t>& info)
{
    return "Bytes" + std::to_string(info.param);
}

}  // namespace

// A settings write with a request of n bytes (a test pattern in the record's place),
// answered by an empty acknowledgement.
TEST_P(RequestSegmentation, RequestIsCutInto46ByteSegments)
{
    SessionHarness h;
    const std::size_t n = GetParam();
    const auto data = Pattern(n);
    h.requestData[Command::SettingsWrite] = [&](ByteWriter& w) { w.PutBytes(data); };
    h.meter->setReplyData(109, {});
    h.meter->setReplyData(131, {});
    h.press(KeySettingsWrite);
    h.clear();
    h.tick();

    const std::size_t frames = std::max<std::size_t>(1, (n + 45) / 46);
    ASSERT_EQ(h.meter->framesReceived().size(), frames);
    const auto seen = Headers(h.meter->framesReceived());
    for (std::size_t i = 0; i < frames; ++i) {
        const std::uint8_t flags = (i == 0 ? kFlagFirst : 0) | (i + 1 == frames ? kFlagLast : 0);
        EXPECT_THAT(seen[i], IsFrame(flags, n, i * 46)) << "frame " << i;
    }
    ASSERT_EQ(h.meter->requests().size(), 1u);
    EXPECT_EQ(h.meter->requests()[0].command, 109);
    EXPECT_EQ(h.meter->requests()[0].data, data);
    EXPECT_EQ(h.s->Transfer().TxDataLen(), n);
    // The acknowledgement releases the write and presses the read.
    EXPECT_FALSE(h.pending(KeySettingsWrite));
    EXPECT_TRUE(h.pending(KeySettingsRead));
    EXPECT_EQ(h.pendingChanges, (std::vector<std::pair<RequestKey, bool>>{
                                    {KeySettingsWrite, false}, {KeySettingsRead, true}}));
}

INSTANTIATE_TEST_SUITE_P(Lengths, RequestSegmentation, ::testing::Values(0, 46, 47, 139),
                         BytesName);

TEST_P(ReplySegmentation, ReplyIsAskedForSegmentBySegment)
{
    SessionHarness h;
    const std::size_t n = GetParam();
    const auto data = Pattern(n, 3);
    h.meter->setReplyData(131, data);
    h.press(KeySettingsRead);
    h.clear();
    h.tick();

    const std::size_t asks = n <= 46 ? 0 : (n - 1) / 46;
    ASSERT_EQ(h.meter->framesReceived().size(), 1 + asks);
    const auto seen = Headers(h.meter->framesReceived());
    EXPECT_THAT(seen[0], IsFrame(kFlagFirst | kFlagLast, 0, 0));
    for (std::size_t i = 1; i <= asks; ++i)
        EXPECT_THAT(seen[i], IsFrame(kFlagAskReply, 0, i * 46)) << "ask " << i;
    // Everything announced is stored; reads past the end give zeros.
    ASSERT_EQ(h.completed.size(), 1u);
    EXPECT_EQ(h.completed[0].first, Command::SettingsRead);
    std::vector<std::uint8_t> expected = data;
    expected.resize(n + 4, 0);
    EXPECT_EQ(h.completed[0].second, expected);
    EXPECT_EQ(h.lengths.back(), n);
    EXPECT_EQ(h.lengths.size(), 1 + asks);
    EXPECT_FALSE(h.pending(KeySettingsRead));
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReplySegmentation, ::testing::Values(0, 47, 139, 16384),
                         BytesName);

TEST(LinkErrors, BadCrcGivesError1AndTheSameRequestIsSentAgain)
{
    SessionHarness h;
    h.meter->setReplyData(110, Pattern(16));
    h.press(KeyInputCalRead);
    h.meter->corruptNextReplies();
    h.clear();
    h.tick();
    EXPECT_EQ(h.errors, (std::vector<std::uint8_t>{1}));
    EXPECT_TRUE(h.completed.empty());
    EXPECT_TRUE(h.pending(KeyInputCalRead));

    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{110, 110}));
    EXPECT_EQ(h.errors, (std::vector<std::uint8_t>{1, 0}));
    ASSERT_EQ(h.completed.size(), 1u);
    EXPECT_FALSE(h.pending(KeyInputCalRead));
}

TEST(LinkErrors, SilenceTimesOutWithError6ThenTheRequestIsResent)
{
    SessionHarness h;
    h.tick();
    h.s->SecondTick();  // a second with traffic
    ASSERT_GT(h.s->TrafficSeconds(), 0);
    ASSERT_GT(h.s->FramesPerSecond(), 0);
    h.press(KeyEraseFram);
    h.meter->setReplyData(106, {});
    h.meter->dropNextReplies();
    h.clear();
    h.s->Tick();
    EXPECT_TRUE(h.s->Busy());
    EXPECT_TRUE(h.s->Clock().TimeOutArmed());

    ASSERT_TRUE(SessionHarness::waitFor([&] { return !h.s->Busy(); }, 1000));
    EXPECT_EQ(h.errors, (std::vector<std::uint8_t>{6}));
    EXPECT_EQ(h.timeOuts, 1);
    EXPECT_EQ(h.s->TrafficSeconds(), 0);
    EXPECT_EQ(h.s->FramesPerSecond(), 0);
    EXPECT_EQ(h.s->Transfer().TransferState, 0);
    EXPECT_TRUE(h.pending(KeyEraseFram));

    h.tick();
    // The meter did get the first request; only its reply was lost.
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{106, 106}));
    EXPECT_EQ(h.meter->framesReceived().size(), 2u);
    EXPECT_FALSE(h.pending(KeyEraseFram));
}

TEST(LinkErrors, DeviceCodesEndTheTransferAndTheRequestRepeats)
{
    for (const std::uint8_t code :
         {ErrDevice, ErrProgramOld, ErrProgramNew, ErrCommand, ErrBufferFull}) {
        SCOPED_TRACE(int(code));
        SessionHarness h;
        h.meter->setReplyData(113, {});
        h.press(KeyReset);
        h.meter->failNextReplies(code);
        h.clear();
        h.tick();
        EXPECT_EQ(h.errors, (std::vector<std::uint8_t>{code}));
        EXPECT_EQ(h.s->Transfer().TransferState, 0);
        EXPECT_FALSE(h.s->Clock().TimeOutArmed());
        EXPECT_TRUE(h.completed.empty());
        EXPECT_TRUE(h.pending(KeyReset));
        h.tick();
        EXPECT_EQ(h.meter->framesReceived().size(), 2u);
        EXPECT_EQ(h.meter->framesReceived().back()[off::Command], 113);
        EXPECT_EQ(h.completed.size(), 1u);
        EXPECT_FALSE(h.pending(KeyReset));
    }
}

TEST(LinkErrors, UnknownErrorCodeIsLeftToTheTimeOut)
{
    SessionHarness h;
    h.meter->failNextReplies(42);
    h.clear();
    h.s->Tick();
    ASSERT_TRUE(SessionHarness::waitFor([&] { return !h.s->Busy(); }, 500));
    EXPECT_EQ(h.errors, (std::vector<std::uint8_t>{42}));
    EXPECT_NE(h.s->Transfer().TransferState, 0);
    h.s->Tick();  // a tick mid-transfer starts nothing
    EXPECT_EQ(h.meter->framesReceived().size(), 1u);
    ASSERT_TRUE(SessionHarness::waitFor([&] { return h.s->Transfer().TransferState == 0; }, 1000));
    EXPECT_EQ(h.errors, (std::vector<std::uint8_t>{42, 6}));
}

TEST(LinkErrors, OversizedReplyGivesCode9AndNothingIsStored)
{
    SessionHarness h;
    h.meter->setReplyData(131, Pattern(100));
    h.meter->announceLengthOnce(16385);
    h.press(KeySettingsRead);
    h.clear();
    h.tick();
    // The reply itself was good; the host refuses its length.
    EXPECT_EQ(h.errors, (std::vector<std::uint8_t>{0, 9}));
    EXPECT_TRUE(h.completed.empty());
    EXPECT_TRUE(h.pending(KeySettingsRead));
    EXPECT_EQ(h.s->Transfer().TransferState, 0);
    EXPECT_FALSE(h.s->Clock().TimeOutArmed());
    EXPECT_EQ(h.s->Transfer().RxData[0], 0);
    EXPECT_EQ(h.lengths, (std::vector<std::uint16_t>{16385}));

    h.tick();  // still pending: the read goes again, now with a sound length
    ASSERT_EQ(h.completed.size(), 1u);
    EXPECT_FALSE(h.pending(KeySettingsRead));
}

TEST(LinkErrors, UnplugMidTransferTimesOutAndThePendingRequestCompletesAfterReplug)
{
    SessionHarness h;
    bool online = true;
    QObject::connect(h.s.get(), &LinkSession::onlineChanged, [&](bool on) { online = on; });
    h.meter->latencyMs = 50;
    h.meter->setReplyData(131, Pattern(139));
    h.press(KeySettingsRead);
    h.s->Tick();
    h.meter->unplug();
    SessionHarness::pump();
    EXPECT_FALSE(h.s->Online());
    EXPECT_FALSE(online);
    ASSERT_TRUE(SessionHarness::waitFor([&] { return h.s->Transfer().TransferState == 0; }, 1000));
    EXPECT_EQ(h.errors.back(), 6);

    const std::size_t before = h.meter->framesReceived().size();
    for (int i = 0; i < 5; ++i)
        h.s->Tick();
    SessionHarness::waitMs(60);
    EXPECT_EQ(h.meter->framesReceived().size(), before);  // nothing while offline
    EXPECT_TRUE(h.pending(KeySettingsRead));

    h.meter->plug();
    SessionHarness::pump();
    EXPECT_TRUE(h.s->Online());
    EXPECT_EQ(h.s->Hook().CurrentDeviceInfo().productName, "Quorin panel meter");
    h.tick();
    EXPECT_FALSE(h.pending(KeySettingsRead));
    EXPECT_EQ(h.meter->commandsSeen().back(), 131);
}

TEST(Scheduler, HigherPriorityGoesFirstAndAWithdrawnKeyIsNeverSent)
{
    SessionHarness h;
    for (std::uint8_t c : {110, 116, 129, 113})
        h.meter->setReplyData(c, {});
    // Pressed in reverse priority order.
    for (RequestKey k : {KeyPtCalRead, KeyPwmCalRead, KeyReset, KeyInputCalRead})
        h.press(k);
    h.clear();
    h.tick();
    h.s->SetPending(KeyPwmCalRead, false);  // withdrawn before its turn
    for (int i = 0; i < 3; ++i)
        h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{110, 113, 129, 101}));
}

TEST(Scheduler, EachModuleTrioGoesOutForItsOwnSlot)
{
    SessionHarness h;
    for (std::uint8_t c : {203, 205, 208, 209, 214})
        h.meter->setReplyData(c, {});
    // The relay dialog was last opened for the additional slot, the analogue output dialog for
    // the main slot; the global ModuleSlot (the last opener's) plays no part. QVSER serves the
    // main slot whatever ModuleSlot says, so it never waits.
    h.s->SelectSlot(Trio::Qvao, 1);
    h.s->SelectSlot(Trio::Qvro, 0);
    ASSERT_EQ(h.s->ModuleSlot(), 0);
    for (RequestKey k : {KeyQvserRead, KeyQvaoRead, KeyQvroRead})
        h.press(k);
    h.clear();
    for (int i = 0; i < 4; ++i)
        h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{203, 209, 214, 101}));

    h.s->SelectSlot(Trio::Qvao, 0);
    h.s->SelectSlot(Trio::Qvro, 1);
    h.press(KeyQvaoRead);
    h.press(KeyQvroWrite);
    h.clear();
    for (int i = 0; i < 3; ++i)
        h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{205, 208, 207}));
}

// A read already in flight when its dialog is reopened for the other slot: its reply fills
// nothing and releases nothing, and the read goes out again for the new slot.
TEST(Scheduler, AReplyForTheSlotTheDialogNoLongerHasIsNotApplied)
{
    SessionHarness h;
    h.meter->setReplyData(203, {1, 2, 3});
    h.meter->setReplyData(205, {4, 5, 6});
    h.meter->latencyMs = 20;
    h.s->SelectSlot(Trio::Qvao, 1);
    h.press(KeyQvaoRead);
    h.clear();
    h.s->Tick();  // 203 goes out
    h.s->SelectSlot(Trio::Qvao, 0);
    ASSERT_TRUE(h.waitFor([&] { return h.idle(); }));
    EXPECT_TRUE(h.completed.empty());
    EXPECT_TRUE(h.pending(KeyQvaoRead));
    EXPECT_TRUE(h.pendingChanges.empty());
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{203, 205}));
    ASSERT_EQ(h.completed.size(), 1u);
    EXPECT_EQ(h.completed[0].first, Command::QvaoReadAdditional);
    EXPECT_FALSE(h.pending(KeyQvaoRead));
}

TEST(Scheduler, PausedPollLeavesTheLinkSilent)
{
    SessionHarness h;
    h.s->SetPollPaused(true);
    h.clear();
    for (int i = 0; i < 3; ++i)
        h.tick();
    EXPECT_TRUE(h.meter->framesReceived().empty());
    h.press(KeyReset);
    h.meter->setReplyData(113, {});
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{113}));
}

TEST(Scheduler, WriteAcknowledgementLeadsToExactlyOneRead)
{
    SessionHarness h;
    h.meter->setReplyData(109, {});
    h.meter->setReplyData(131, Pattern(139));
    h.press(KeySettingsWrite);
    h.clear();
    for (int i = 0; i < 4; ++i)
        h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{109, 131, 101, 101}));
}

// A command its check refuses when it would start is withdrawn: its key is released,
// nothing is built or sent, and the link stays idle, so the next tick polls as usual. A
// command the check lets through goes out with its data.
TEST(Requests, ACommandRefusedByItsCheckIsWithdrawn)
{
    SessionHarness h;
    h.meter->setReplyData(222, {});
    h.meter->setReplyData(220, {});
    bool allowed = false;
    std::vector<Command> asked;
    for (const CommandInfo& row : CommandTable())
        h.bindings.SetCheck(row.code, [&, c = row.code] {
            asked.push_back(c);
            return c != Command::PasswordWrite || allowed;
        });
    h.requestData[Command::PasswordWrite] = [](ByteWriter& w) { w.PutWord(0x1234); };
    h.press(KeyPasswordWrite);
    h.clear();
    h.s->Tick();
    EXPECT_TRUE(h.idle());
    EXPECT_FALSE(h.s->Clock().TimeOutArmed());
    EXPECT_FALSE(h.pending(KeyPasswordWrite));
    EXPECT_EQ(h.pendingChanges,
              (std::vector<std::pair<RequestKey, bool>>{{KeyPasswordWrite, false}}));
    EXPECT_TRUE(h.built.empty());
    SessionHarness::pump();
    EXPECT_TRUE(h.meter->framesReceived().empty());
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{101}));

    allowed = true;
    h.press(KeyPasswordWrite);
    h.clear();
    h.tick();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{222, 220}));
    EXPECT_EQ(h.meter->requests()[0].data, (std::vector<std::uint8_t>{0x34, 0x12}));
    EXPECT_EQ(asked, (std::vector<Command>{Command::PasswordWrite, Command::StatusPoll,
                                           Command::PasswordWrite, Command::PasswordRead}));
}

TEST(Requests, OverfullRequestIsReportedAndStillGoesOutWith16383Bytes)
{
    SessionHarness h;
    h.requestData[Command::SettingsWrite] = [](ByteWriter& w) {
        for (int i = 0; i < 16390; ++i)
            w.PutByte(static_cast<std::uint8_t>(i));
    };
    h.meter->setReplyData(109, {});
    h.meter->setReplyData(131, {});
    h.press(KeySettingsWrite);
    h.clear();
    h.tick();
    ASSERT_EQ(h.meter->requests().size(), 1u);
    EXPECT_EQ(h.meter->requests()[0].data.size(), 16383u);
    EXPECT_EQ(h.meter->requests()[0].data[16382], static_cast<std::uint8_t>(16382));
    EXPECT_EQ(h.meter->framesReceived().size(), (16383u + 45) / 46);
    // A request without data reports nothing; the poll reports its five bytes.
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen().back(), 131);
    h.requestData[Command::StatusPoll] = [](ByteWriter& w) { StatusRequest{}.Encode(w); };
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen().back(), 101);
    EXPECT_EQ(h.built, (std::vector<std::pair<std::size_t, bool>>{{16383, true}, {5, false}}));
}

TEST(Requests, CommandHistoryAndFramesPerSecond)
{
    SessionHarness h;
    h.meter->setReplyData(113, {});
    for (int i = 0; i < 3; ++i)
        h.tick();
    h.press(KeyReset);
    h.tick();
    h.tick();
    EXPECT_EQ(h.s->History().Text(), "3*101, 113, 101, ");
    EXPECT_EQ(h.s->History().FilteredText(), " 113");
    // The replies of the second, from the device's frame counter.
    h.s->SecondTick();
    EXPECT_GT(h.s->FramesPerSecond(), 0);
    EXPECT_EQ(h.s->FramesPerSecond(), h.s->LastRxCounter());
    EXPECT_EQ(h.s->TrafficSeconds(), 1);
    h.s->SecondTick();
    EXPECT_EQ(h.s->FramesPerSecond(), 0);
    EXPECT_EQ(h.s->TrafficSeconds(), 0);
}

TEST(Fuzz, RandomReplyFramesNeverBreakTheLink)
{
    SessionHarness h;
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    h.meter->setReplyData(131, Pattern(300));
    for (int round = 0; round < 400; ++round) {
        if (round % 3 == 0)
            h.press(KeySettingsRead);
        h.s->Tick();
        Frame f{};
        for (auto& b : f)
            b = static_cast<std::uint8_t>(next());
        const std::uint32_t shape = next();
        if (shape & 1)
            f[off::ErrorCode] = static_cast<std::uint8_t>(next() % 11);
        if (shape & 2)
            Put16(f, off::TotalLength, static_cast<std::uint16_t>(next() % 17000));
        if (shape & 4)
            Put16(f, off::SegmentOffset, static_cast<std::uint16_t>(next() % 17000));
        if ((shape & 8) == 0)
            SetCRC(f);
        h.meter->injectReport(f);
        SessionHarness::pump(2);
        ASSERT_LE(h.s->Transfer().TxDataLen(), 16383);
    }
    // The link still works afterwards.
    SessionHarness::waitFor([&] { return h.s->Transfer().TransferState == 0; }, 1000);
    h.clear();
    h.tick();
    EXPECT_FALSE(h.meter->framesReceived().empty());
}
