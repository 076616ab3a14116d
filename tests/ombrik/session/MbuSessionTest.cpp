// Ombrik's link end to end on the session and the simulated meter in MBU mode: the frames
// on the wire, statuses and time-outs, chains, priority, the monitor counters and unplug.
#include "tests/ombrik/link/ByteText.h"
#include "MbuSessionHarness.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using namespace mbu;
using bytetext::Hex;
using Codes = std::vector<std::uint8_t>;

namespace {

std::string FrameHex(const MBUFrame& f)
{
    return Hex(f);
}

}  // namespace

TEST(MbuLink, APollGoesOutInOneFrameAndItsReplyIsHandedOver)
{
    MbuSessionHarness h;
    h.bindings.SetEncoder(Command::StatusPoll, [](ByteWriter& w) {
        for (std::uint8_t b : {0x01, 0xD2, 0x04, 0x00})
            w.PutByte(b);
    });
    h.meter->status.iADRaw = 0x01020304;
    h.tick();
    ASSERT_EQ(h.meter->framesReceived().size(), 1u);
    EXPECT_EQ(
        FrameHex(h.meter->framesReceived()[0]),
        "9A 15 18 1B 1F 1B 65 01 D2 04 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00 48 F6");
    EXPECT_EQ(h.statuses, Codes{0});
    ASSERT_EQ(h.completed.size(), 1u);
    EXPECT_EQ(h.completed[0].first, Command::StatusPoll);
    EXPECT_EQ(Hex(h.completed[0].second), "04 03 02 01 00 00 00 00");
    EXPECT_FALSE(h.s->Clock().TimeOutArmed());
    EXPECT_EQ(h.s->History().Text(), "101, ") << "the very first request is in the history";
    EXPECT_EQ(h.built, std::vector<bool>{false});
}

TEST(MbuLink, RequestsWithoutDataGoOutClearedAndLeaveTheBufferMark)
{
    MbuSessionHarness h;
    h.bindings.SetEncoder(Command::CalIn0mA,
                          [](ByteWriter& w) { w.PutByte(9); });  // never asked for
    mbu::InputData leftOver;
    leftOver.bytes.assign(kDataSize, 0xEE);
    h.s->PutHandMadeData(leftOver);
    h.press(Command::CalIn0mA);
    h.tick();
    const MBUFrame& f = h.meter->framesReceived().at(0);
    EXPECT_EQ(f[off::Command], 102);
    EXPECT_TRUE(std::all_of(f.begin() + kDataOffset, f.begin() + kCrcOffset,
                            [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(h.built.empty());
}

TEST(MbuLink, FiftyFiveDataBytesFitAndTheFiftySixthShowsTheBufferFull)
{
    for (const int n : {55, 56}) {
        MbuSessionHarness h;
        h.bindings.SetEncoder(Command::StatusPoll, [n](ByteWriter& w) {
            for (int i = 0; i < n; ++i)
                w.PutByte(static_cast<std::uint8_t>(i + 1));
        });
        h.tick();
        EXPECT_EQ(h.built, std::vector<bool>{n == 56}) << n;
        const MBUFrame& f = h.meter->framesReceived().at(0);
        EXPECT_EQ(f[61], 55) << "the 55th byte ends the data area";
        EXPECT_TRUE(CheckRxCRC(const_cast<MBUFrame&>(f))) << "the CRC is the frame's own";
    }
}

TEST(MbuLink, ALostReplyTimesOutAndTheRequestIsSentAgain)
{
    MbuSessionHarness h;
    h.press(Command::EraseFram);
    h.meter->dropNextReplies();
    h.s->Tick();
    EXPECT_TRUE(h.s->Busy());
    EXPECT_TRUE(h.s->Clock().TimeOutArmed());
    EXPECT_EQ(h.s->Clock().TimeOutTimer()->interval(), 100);
    h.s->Tick();  // nothing while the exchange is open
    EXPECT_EQ(h.meter->framesReceived().size(), 1u);

    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.s->Busy(); }));
    EXPECT_EQ(h.statuses, Codes{6});
    EXPECT_EQ(h.timeOuts, 1);
    EXPECT_TRUE(h.completed.empty());
    EXPECT_TRUE(h.pending(Command::EraseFram));

    h.tick();
    EXPECT_EQ(h.sent(), (Codes{106, 106}));
    EXPECT_FALSE(h.pending(Command::EraseFram));
    EXPECT_EQ(h.meter->mbu.framErasures, 2);
}

// A reply with status 1 or 6 answers nothing: the exchange stays open until its time-out,
// whether the CRC failed here or the unit itself sent the code.
TEST(MbuLink, CrcFailuresAndUnitStatusesOneAndSixEndAsATimeOut)
{
    enum class Fault { BadCrc, UnitSendsOne, UnitSendsSix };
    for (const Fault fault : {Fault::BadCrc, Fault::UnitSendsOne, Fault::UnitSendsSix}) {
        SCOPED_TRACE(static_cast<int>(fault));
        MbuSessionHarness h;
        h.press(Command::Reset);
        if (fault == Fault::BadCrc)
            h.meter->corruptNextReplies();
        else
            h.meter->failNextReplies(fault == Fault::UnitSendsOne ? 1 : 6);
        h.s->Tick();
        ASSERT_TRUE(eventloop::WaitFor([&] { return !h.statuses.empty(); }));
        const std::uint8_t first = fault == Fault::UnitSendsSix ? 6 : 1;
        EXPECT_EQ(h.statuses, Codes{first});
        EXPECT_TRUE(h.s->Busy());
        EXPECT_TRUE(h.s->Clock().TimeOutArmed()) << "the time-out still runs";

        ASSERT_TRUE(eventloop::WaitFor([&] { return !h.s->Busy(); }));
        EXPECT_EQ(h.statuses, (Codes{first, 6}));
        EXPECT_TRUE(h.completed.empty());
        EXPECT_TRUE(h.pending(Command::Reset));
        h.tick();
        EXPECT_EQ(h.sent(), (Codes{113, 113}));
        EXPECT_FALSE(h.pending(Command::Reset));
    }
}

TEST(MbuLink, UnitStatusesEndTheExchangeUnparsedAndTheRequestRepeats)
{
    for (const std::uint8_t status : {2, 3, 4, 5, 7, 9}) {
        SCOPED_TRACE(int(status));
        MbuSessionHarness h;
        h.press(Command::PwmCalRead);
        h.meter->failNextReplies(status);
        h.tick();
        EXPECT_EQ(h.statuses, Codes{status});
        EXPECT_FALSE(h.s->Clock().TimeOutArmed());
        EXPECT_TRUE(h.completed.empty());
        EXPECT_TRUE(h.pending(Command::PwmCalRead));
        EXPECT_EQ(h.s->LastRxCounter(), 0) << "the counter of a handled reply is taken";
        h.tick();
        EXPECT_EQ(h.statuses, (Codes{status, 0}));
        EXPECT_EQ(h.completed.size(), 1u);
        EXPECT_FALSE(h.pending(Command::PwmCalRead));
    }
}

TEST(MbuLink, TheUnitsChecksGiveCodesTwoToFive)
{
    struct Row {
        const char* name;
        std::uint16_t firmware;
        std::uint16_t type;
        std::uint8_t code;
        std::uint8_t expected;
    };
    const Row rows[] = {
        {"another device", VersionDateCode(2018, 8, 28), 5531, 101, 2},
        {"a newer unit", VersionDateCode(2018, 9, 1), 5530, 101, 3},
        {"an older unit", VersionDateCode(2018, 8, 23), 5530, 101, 4},
        {"an unknown command", VersionDateCode(2018, 8, 28), 5530, 200, 5},
        {"a developer preset", VersionDateCode(2018, 8, 28), 5530, 7, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MbuSessionHarness h;
        h.meter->firmware = row.firmware;
        MBUFrame request{};
        BuildTxHeader(request, row.type, row.code, kLowestFirmware, kHighestFirmware);
        h.s->SendHandMade(request);
        ASSERT_TRUE(eventloop::WaitFor([&] { return !h.s->Busy(); }));
        EXPECT_EQ(h.statuses, Codes{row.expected});
        EXPECT_TRUE(h.completed.empty()) << "only the table's echoes are parsed";
    }
}

TEST(MbuLink, PressedButtonsGoInPriorityOrderThenThePoll)
{
    MbuSessionHarness h;
    for (RequestKey k : {Command::Pt1000Write, Command::PtCalRead, Command::CalPwmHigh,
                         Command::Reset, Command::OptionsRead, Command::InputCalRead,
                         Command::EraseFram, Command::CalIn10V, Command::CalIn0mA})
        h.press(k);
    for (int i = 0; i < 10; ++i)
        h.tick();
    EXPECT_EQ(h.sent(), (Codes{102, 105, 106, 110, 111, 113, 115, 129, 130, 101}));
    EXPECT_TRUE(h.s->Pending().Empty());
}

TEST(MbuLink, ThePauseStopsThePollButNotTheButtons)
{
    MbuSessionHarness h;
    h.s->SetPollPaused(true);
    h.tick();
    h.tick();
    EXPECT_TRUE(h.meter->framesReceived().empty());
    h.press(Command::OptionsRead);
    h.tick();
    h.tick();
    EXPECT_EQ(h.sent(), Codes{111});
}

// The chain machinery on replies the meter acknowledges with no data (the settings parts and
// the display rows come with their records): the key stays pending through the chain, the
// last reply releases it, and a lost step restarts the chain from its first command.
TEST(MbuLink, ChainsRunToTheirLastStepAndALostStepRestartsThem)
{
    MbuSessionHarness h;
    for (std::uint8_t c : {107, 117, 120})
        h.meter->setReplyData(c, {});
    h.press(Command::SettingsRead1);
    h.tick();
    EXPECT_EQ(h.s->ChainedCommand(), 117);
    h.tick();
    h.meter->dropNextReplies();
    h.tick();  // 120 lost
    EXPECT_EQ(h.s->ChainedCommand(), 0);
    EXPECT_TRUE(h.pending(Command::SettingsRead1));
    for (int i = 0; i < 4; ++i)
        h.tick();
    EXPECT_EQ(h.sent(), (Codes{107, 117, 120, 107, 117, 120, 101}));
    EXPECT_FALSE(h.pending(Command::SettingsRead1));
    EXPECT_EQ(ChainOf(Command::SettingsRead1).size(), 3u);
}

TEST(MbuLink, AChainThatRepeatsItsStepEndsWhenItsReplySaysSo)
{
    MbuSessionHarness h;
    h.meter->setReplyData(123, {});
    h.meter->setReplyData(124, {});
    int rows = 0;
    h.onCompleted = [&](Command c) {
        if (c == Command::DisplayNextRows && ++rows == 3)
            h.s->EndChain();
    };
    h.press(Command::DisplayFirstRows);
    for (int i = 0; i < 5; ++i)
        h.tick();
    EXPECT_EQ(h.sent(), (Codes{123, 124, 124, 124, 101}));
    EXPECT_FALSE(h.pending(Command::DisplayFirstRows));
}

TEST(MbuLink, HistoryKeepsSixteenSlotsAndTheFrameRateWraps)
{
    MbuSessionHarness h;
    for (int i = 0; i < 11; ++i)
        h.tick();
    h.press(Command::CalIn0mA);
    h.tick();
    EXPECT_EQ(h.s->History().Text(), "n*101, 102, ");
    EXPECT_EQ(h.s->History().Entries().size(), 16u);

    h.countTenFramesAcrossTheWrap(*h.s, [&] { h.tick(); });
    EXPECT_EQ(h.s->FramesPerSecond(), 10);
    h.s->SecondTick();
    EXPECT_EQ(h.s->FramesPerSecond(), 0) << "the second counts from the last reply's counter";
}

TEST(MbuLink, AnUnplugMidExchangeTimesOutNothingGoesOfflineAndThePollResumes)
{
    MbuSessionHarness h;
    h.meter->latencyMs = 50;
    h.s->Tick();
    h.meter->unplug();
    eventloop::Pump();
    EXPECT_FALSE(h.s->Online());
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.s->Busy(); }));
    EXPECT_EQ(h.statuses, Codes{6});
    const std::size_t before = h.meter->framesReceived().size();
    h.press(Command::Reset);
    for (int i = 0; i < 3; ++i)
        h.s->Tick();
    EXPECT_EQ(h.meter->framesReceived().size(), before);

    h.meter->latencyMs = 0;
    h.meter->plug();
    eventloop::Pump();
    EXPECT_TRUE(h.s->Online());
    h.tick();
    h.tick();
    EXPECT_EQ(h.sent(), (Codes{101, 113, 101}));
}

// The unit is gone but its unplug event has not been handled yet: the scheduler still sends,
// the write finds no device and does nothing, and the exchange ends as a time-out.
TEST(MbuLink, AWriteWithNoDeviceWritesNothingAndTimesOut)
{
    MbuSessionHarness h;
    h.meter->unplug();  // the event is still on its way
    EXPECT_TRUE(h.s->Online());
    h.press(Command::OptionsRead);
    h.s->Tick();
    EXPECT_TRUE(h.s->Busy());
    EXPECT_EQ(h.s->TxFrame()[off::Command], 111);
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.s->Busy(); }));
    EXPECT_EQ(h.statuses, Codes{6});
    EXPECT_TRUE(h.meter->framesReceived().empty());
    EXPECT_TRUE(h.pending(Command::OptionsRead));
    EXPECT_FALSE(h.s->Online());
}

TEST(MbuLink, AGoodReplyWithAnotherEchoIsShownButNotParsed)
{
    MbuSessionHarness h;
    MBUFrame reply{};
    reply[off::Command] = 7;
    reply[off::Counter] = 42;
    SetTxCRC(reply);
    int received = 0;
    QObject::connect(h.s.get(), &MbuSession::frameReceived, [&] { ++received; });
    h.meter->injectReport(reply);
    eventloop::Pump();
    EXPECT_EQ(h.statuses, Codes{0});
    EXPECT_EQ(received, 1);
    EXPECT_EQ(h.s->LastRxCounter(), 42);
    EXPECT_TRUE(h.completed.empty());
}

// Replies of a chain's commands act only as the answer to the step the scheduler sent: a
// hand-made 107, 109 or 123 fills nothing, chains nothing and releases nothing.
TEST(MbuLink, HandMadeChainCommandsStartNothing)
{
    MbuSessionHarness h;
    for (std::uint8_t c : {107, 109})
        h.meter->setReplyData(c, {1, 2, 3});
    for (const Command code :
         {Command::SettingsRead1, Command::SettingsWrite1, Command::DisplayFirstRows}) {
        SCOPED_TRACE(int(code));
        h.clear();
        MBUFrame request{};
        BuildTxHeader(request, Code(code));
        h.s->SendHandMade(request);
        ASSERT_TRUE(eventloop::WaitFor([&] { return !h.s->Busy(); }));
        EXPECT_EQ(h.statuses, Codes{0}) << "the reply is shown";
        EXPECT_TRUE(h.completed.empty());
        EXPECT_EQ(h.s->ChainedCommand(), 0);
    }
}

// A hand-made send abandons a chain under way, even with a step in flight; the chain's
// button, still Down, starts it again from its first part.
TEST(MbuLink, AHandMadeSendAbandonsAChainItsButtonRestartsIt)
{
    MbuSessionHarness h;
    for (std::uint8_t c : {107, 117, 120})
        h.meter->setReplyData(c, {});
    h.press(Command::SettingsRead1);
    h.tick();
    h.meter->latencyMs = 20;
    h.s->Tick();  // 117 on its way
    MBUFrame request{};
    BuildTxHeader(request, kShowMeasuredValue);
    h.s->SendHandMade(request);
    ASSERT_TRUE(eventloop::WaitFor([&] { return h.statuses.size() == 3; }));
    h.meter->latencyMs = 0;
    EXPECT_EQ(h.completed.size(), 1u) << "only the first part's reply was acted on";
    EXPECT_EQ(h.s->ChainedCommand(), 0);
    EXPECT_TRUE(h.pending(Command::SettingsRead1));
    for (int i = 0; i < 4; ++i)
        h.tick();
    EXPECT_EQ(h.sent(), (Codes{107, 117, 1, 107, 117, 120, 101}));
    EXPECT_FALSE(h.pending(Command::SettingsRead1));
}
