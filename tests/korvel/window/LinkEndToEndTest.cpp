// Whole request/reply roads through the real main window and HID layer, on the simulated meter.
#include "KorvelHarness.h"
#include "ModuleDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

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

// A write of the base-unit settings with a request of n bytes (the record comes later; here the
// encoder slot carries a test pattern), answered by an empty acknowledgement.
class RequestSegmentation : public ::testing::TestWithParam<std::size_t> {};

}  // namespace

TEST_P(RequestSegmentation, RequestIsCutInto46ByteSegments)
{
    KorvelHarness h;
    const std::size_t n = GetParam();
    const auto data = Pattern(n);
    h.w->RequestEncoders[109] = [&] {
        for (std::uint8_t b : data)
            h.w->PutByte(b);
    };
    h.meter->setReplyData(109, {});
    h.meter->setReplyData(131, {});
    h.w->SpeedButton_WriteSettings->SetDown(true);
    h.meter->clearLog();
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
    EXPECT_EQ(h.w->Label_uIndexForDataWrite->text(), QString::number(n));
    // The acknowledgement releases both writes and presses both reads.
    EXPECT_FALSE(h.w->SpeedButton_WriteSettings->IsDown());
    EXPECT_TRUE(h.w->SpeedButton_ReadSettings->IsDown());
    EXPECT_TRUE(h.w->SpeedButton_ReadSettings2->IsDown());
}

INSTANTIATE_TEST_SUITE_P(Lengths, RequestSegmentation, ::testing::Values(0, 46, 47, 139));

class ReplySegmentation : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ReplySegmentation, ReplyIsAskedForSegmentBySegment)
{
    KorvelHarness h;
    const std::size_t n = GetParam();
    const auto data = Pattern(n, 3);
    h.meter->setReplyData(131, data);
    std::vector<std::uint8_t> parsed;
    h.w->ReplyDecoders[131] = [&] {
        for (std::size_t i = 0; i < n + 4; ++i)
            parsed.push_back(h.w->GetByte());
    };
    h.w->SpeedButton_ReadSettings2->SetDown(true);
    h.meter->clearLog();
    h.tick();

    const std::size_t asks = n <= 46 ? 0 : (n - 1) / 46;
    ASSERT_EQ(h.meter->framesReceived().size(), 1 + asks);
    const auto seen = Headers(h.meter->framesReceived());
    EXPECT_THAT(seen[0], IsFrame(kFlagFirst | kFlagLast, 0, 0));
    for (std::size_t i = 1; i <= asks; ++i)
        EXPECT_THAT(seen[i], IsFrame(kFlagAskReply, 0, i * 46)) << "ask " << i;
    // Everything announced is stored; reads past the end give zeros.
    std::vector<std::uint8_t> expected = data;
    expected.resize(n + 4, 0);
    EXPECT_EQ(parsed, expected);
    EXPECT_EQ(h.w->Label_uSumDataByteFromRx->text(), QString::number(n));
    EXPECT_FALSE(h.w->SpeedButton_ReadSettings->IsDown());
    EXPECT_FALSE(h.w->SpeedButton_ReadSettings2->IsDown());
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReplySegmentation, ::testing::Values(0, 47, 139, 16384));

TEST(LinkErrors, BadCrcGivesError1AndTheSameRequestIsSentAgain)
{
    KorvelHarness h;
    int parses = 0;
    h.meter->setReplyData(110, Pattern(16));
    h.w->ReplyDecoders[110] = [&] { ++parses; };
    h.w->SpeedButton_ReadCalIn->SetDown(true);
    h.meter->corruptNextReplies();
    h.meter->clearLog();
    h.tick();

    EXPECT_EQ(h.w->Label_MBURxError->text(), "1: CRC.");
    EXPECT_EQ(h.w->Label_MBURxError2->text(), "CRC!");
    EXPECT_FALSE(h.w->Label_MBURxError2->isHidden());
    EXPECT_EQ(BackgroundColorOf(h.w->Label_MBURxError), clWhite);
    EXPECT_EQ(FontColorOf(h.w->Label_MBURxError), clRed);
    EXPECT_EQ(h.w->Label_MBURxDevice->text(), "?");
    EXPECT_TRUE(h.w->Memo_MBURx->toPlainText().isEmpty());
    EXPECT_EQ(parses, 0);
    EXPECT_TRUE(h.w->SpeedButton_ReadCalIn->IsDown());

    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{110, 110}));
    EXPECT_EQ(parses, 1);
    EXPECT_FALSE(h.w->SpeedButton_ReadCalIn->IsDown());
    EXPECT_EQ(h.w->Label_MBURxError->text(), "0");
    EXPECT_TRUE(h.w->Label_MBURxError2->isHidden());
    EXPECT_EQ(BackgroundColorOf(h.w->Label_MBURxError), clBtnFace);
}

TEST(LinkErrors, SilenceTimesOutWithError6ThenTheRequestIsResent)
{
    KorvelHarness h;  // outside factory mode
    h.tick();         // one good poll: header page
    ASSERT_EQ(h.w->PageControl5->activePage(), h.w->TabSheet_Header);
    h.w->TrafficSeconds = 5;
    h.w->FramesPerSecond = 33;
    h.w->PageControl4->setTabVisible(h.w->TabSheet_5530, true);
    h.w->SpeedButton_EraseFRAM1->SetDown(true);
    h.meter->setReplyData(106, {});
    h.meter->dropNextReplies();
    h.meter->clearLog();
    h.w->Timer_CommTimer();
    EXPECT_EQ(h.w->Busy, 1);

    ASSERT_TRUE(KorvelHarness::waitFor([&] { return h.w->Busy == 0; }, 1000));
    EXPECT_EQ(h.w->Label_MBURxError->text(), "6: Time out.");
    EXPECT_EQ(h.w->Label_MBURxError2->text(), "Time out!");
    EXPECT_EQ(h.w->TrafficSeconds, 0);
    EXPECT_EQ(h.w->FramesPerSecond, 0);
    EXPECT_EQ(h.w->Transfer.TransferState, 0);
    EXPECT_EQ(h.w->PageControl5->activePage(), h.w->TabSheet_NoComm);
    EXPECT_FALSE(h.w->PageControl4->isTabVisible(h.w->TabSheet_5530));  // activation ran again
    EXPECT_EQ(h.w->Label_MBURxCounter->text(), "?");
    EXPECT_TRUE(h.w->SpeedButton_EraseFRAM1->IsDown());

    h.tick();
    // The meter did get the first request; only its reply was lost.
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{106, 106}));
    EXPECT_EQ(h.meter->framesReceived().size(), 2u);
    EXPECT_FALSE(h.w->SpeedButton_EraseFRAM1->IsDown());
    EXPECT_EQ(h.w->PageControl5->activePage(), h.w->TabSheet_Header);
}

TEST(LinkErrors, TimeOutInFactoryModeKeepsTheHeader)
{
    KorvelHarness h({"/vorkal"});
    h.tick();
    h.meter->dropNextReplies();
    h.w->Timer_CommTimer();
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return h.w->Busy == 0; }, 1000));
    EXPECT_EQ(h.w->Label_MBURxError->text(), "6: Time out.");
    EXPECT_EQ(h.w->PageControl5->activePage(), h.w->TabSheet_Header);
}

TEST(LinkErrors, VersionErrorsSwitchPagesOnlyOutsideFactoryMode)
{
    for (const std::uint8_t code : {ErrProgramOld, ErrProgramNew}) {
        {
            KorvelHarness h;
            h.meter->failNextReplies(code);
            h.tick();
            QWidget* expected = code == ErrProgramOld ? h.w->TabSheet_TooOld : h.w->TabSheet_TooNew;
            EXPECT_EQ(h.w->PageControl4->activePage(), expected);
            EXPECT_EQ(FontColorOf(h.w->Label_MBURxVer), clRed);
            EXPECT_EQ(FontColorOf(h.w->Label_MBUTxVerL), clRed);
            EXPECT_EQ(h.w->Label_MBURxError->text(),
                      code == ErrProgramOld ? "3: This program is old. Use new." : "4: This program is too new. Use earlier.");
            EXPECT_EQ(h.w->Transfer.TransferState, 0);
        }
        {
            KorvelHarness h({"/VORKAL"});
            h.meter->failNextReplies(code);
            h.tick();
            EXPECT_EQ(h.w->PageControl4->activePage(), h.w->TabSheet_Quorin);
            EXPECT_EQ(FontColorOf(h.w->Label_MBURxVer), clRed);
        }
    }
}

TEST(LinkErrors, DeviceAndCommandErrorsHighlightTheirLabels)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->failNextReplies(ErrDevice);
    h.tick();
    EXPECT_EQ(h.w->Label_MBURxError->text(), "2: Unknow device.");
    EXPECT_EQ(FontColorOf(h.w->Label_MBUTxDevice), clRed);
    EXPECT_EQ(FontColorOf(h.w->Label_MBURxDevice), clRed);
    EXPECT_EQ(FontColorOf(h.w->Label_MBUTxCommand), clWindowText);

    h.meter->failNextReplies(ErrCommand);
    h.tick();
    EXPECT_EQ(h.w->Label_MBURxError->text(), "5: Unkown command.");
    EXPECT_EQ(h.w->Label_MBURxError2->text(), "Command!");
    EXPECT_EQ(FontColorOf(h.w->Label_MBUTxCommand), clRed);
    EXPECT_EQ(FontColorOf(h.w->Label_MBURxDevice), clWindowText);

    h.meter->failNextReplies(ErrBufferFull);
    h.tick();
    EXPECT_EQ(h.w->Label_MBURxError->text(), "7: Device RX buffer is full.");
    EXPECT_EQ(h.w->Label_MBURxError2->text(), "Buffer!");
}

TEST(LinkErrors, UnknownErrorCodeIsLeftToTheTimeOut)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->failNextReplies(ErrDevice);
    h.tick();
    h.meter->failNextReplies(42);
    h.w->Timer_CommTimer();
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return h.w->Busy == 0; }, 500));
    // Highlighted with the previous texts, and the transfer still under way.
    EXPECT_EQ(h.w->Label_MBURxError->text(), "2: Unknow device.");
    EXPECT_EQ(FontColorOf(h.w->Label_MBURxError), clRed);
    EXPECT_NE(h.w->Transfer.TransferState, 0);
    h.w->Timer_CommTimer();  // a tick mid-transfer starts nothing
    EXPECT_EQ(h.meter->framesReceived().size(), 2u);
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return h.w->Transfer.TransferState == 0; }, 1000));
    EXPECT_EQ(h.w->Label_MBURxError->text(), "6: Time out.");
}

TEST(LinkErrors, OversizedReplyGivesCode9AndNothingIsStored)
{
    KorvelHarness h({"/VORKAL"});
    int parses = 0;
    h.w->ReplyDecoders[131] = [&] { ++parses; };
    h.meter->setReplyData(131, Pattern(100));
    h.meter->announceLengthOnce(16385);
    h.w->SpeedButton_ReadSettings->SetDown(true);
    h.tick();
    EXPECT_EQ(parses, 0);
    EXPECT_TRUE(h.w->SpeedButton_ReadSettings->IsDown());
    EXPECT_EQ(h.w->Transfer.TransferState, 0);
    EXPECT_EQ(h.w->Transfer.RxData[0], 0);
    EXPECT_FALSE(h.w->Label_MBURxError2->isHidden());
    EXPECT_EQ(h.w->Label_MBURxError2->text(), "Error");  // no earlier error: the design caption
    EXPECT_EQ(h.w->Label_uSumDataByteFromRx->text(), "16385");

    h.tick();  // the button is still down: the read goes again, now with a sound length
    EXPECT_EQ(parses, 1);
    EXPECT_FALSE(h.w->SpeedButton_ReadSettings->IsDown());
}

TEST(LinkErrors, UnplugMidTransferTimesOutAndThePendingRequestCompletesAfterReplug)
{
    KorvelHarness h;
    h.meter->latencyMs = 50;
    h.meter->setReplyData(131, Pattern(139));
    h.w->SpeedButton_ReadSettings->SetDown(true);
    h.w->Timer_CommTimer();
    h.meter->unplug();
    KorvelHarness::pump();
    EXPECT_EQ(h.w->UsbOnline, 0);
    EXPECT_TRUE(h.w->Label_VendorName->text().isEmpty());
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return h.w->Transfer.TransferState == 0; }, 1000));
    EXPECT_EQ(h.w->Label_MBURxError->text(), "6: Time out.");

    const std::size_t before = h.meter->framesReceived().size();
    for (int i = 0; i < 5; ++i)
        h.w->Timer_CommTimer();
    KorvelHarness::waitMs(60);
    EXPECT_EQ(h.meter->framesReceived().size(), before);  // nothing while offline
    EXPECT_TRUE(h.w->SpeedButton_ReadSettings->IsDown());

    h.meter->plug();
    KorvelHarness::pump();
    EXPECT_EQ(h.w->UsbOnline, 1);
    EXPECT_EQ(h.w->Label_ProductName->text(), "Quorin panel meter");
    h.tick();
    EXPECT_FALSE(h.w->SpeedButton_ReadSettings->IsDown());
    EXPECT_EQ(h.meter->commandsSeen().back(), 131);
}

TEST(Scheduler, HigherPriorityGoesFirstAndAReleasedButtonIsNeverSent)
{
    KorvelHarness h({"/VORKAL"});
    for (std::uint8_t c : {110, 116, 129, 113})
        h.meter->setReplyData(c, {});
    // Pressed in reverse priority order.
    h.w->SpeedButton_ReadCalPt->SetDown(true);
    h.w->SpeedButton_ReadPWMCal->SetDown(true);
    h.w->SpeedButton_Reset->SetDown(true);
    h.w->SpeedButton_ReadCalIn->SetDown(true);
    h.meter->clearLog();
    h.tick();
    h.w->SpeedButton_ReadPWMCal->click();  // the user withdraws it before its turn
    h.tick();
    h.tick();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{110, 113, 129, 101}));
}

TEST(Scheduler, ModuleSlotSelectsTheCommandPair)
{
    KorvelHarness h;
    for (std::uint8_t c : {203, 205, 214})
        h.meter->setReplyData(c, {});
    auto* qvaoRead = h.button("Form_QVAO", "SpeedButton_ReadFromDevice");
    auto* qvserRead = h.button("Form_QVSER", "SpeedButton_ReadFromDevice");
    ASSERT_NE(qvaoRead, nullptr);
    ASSERT_NE(qvserRead, nullptr);

    h.w->ModuleSlot = 0;
    qvserRead->SetDown(true);
    qvaoRead->SetDown(true);
    h.meter->clearLog();
    h.tick();
    h.tick();  // QVSER waits for the main slot: the poll goes instead
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{205, 101}));
    EXPECT_TRUE(qvserRead->IsDown());

    h.w->ModuleSlot = 1;
    qvaoRead->SetDown(true);
    h.meter->clearLog();
    h.tick();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{203, 214}));
    EXPECT_FALSE(qvserRead->IsDown());
}

TEST(Scheduler, PausedPollLeavesTheLinkSilent)
{
    KorvelHarness h({"/VORKAL"});
    h.w->CheckBox_MBUPause->setChecked(true);
    h.meter->clearLog();
    for (int i = 0; i < 3; ++i)
        h.tick();
    EXPECT_TRUE(h.meter->framesReceived().empty());
    h.w->SpeedButton_Reset->SetDown(true);
    h.meter->setReplyData(113, {});
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{113}));
}

TEST(Scheduler, WriteAcknowledgementLeadsToExactlyOneRead)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->setReplyData(109, {});
    h.meter->setReplyData(131, Pattern(139));
    h.w->SpeedButton_WriteSettings2->SetDown(true);
    h.meter->clearLog();
    for (int i = 0; i < 4; ++i)
        h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{109, 131, 101, 101}));
}

TEST(Fuzz, RandomReplyFramesNeverBreakTheLink)
{
    KorvelHarness h({"/VORKAL"});
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    h.meter->setReplyData(131, Pattern(300));
    for (int round = 0; round < 400; ++round) {
        if (round % 3 == 0)
            h.w->SpeedButton_ReadSettings->SetDown(true);
        h.w->Timer_CommTimer();
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
        KorvelHarness::pump(2);
        ASSERT_LE(h.w->Transfer.RxReadIndex, std::min<int>(h.w->Transfer.RxDataSize, 16384));
        ASSERT_LE(h.w->Transfer.TxDataLen, 16383);
    }
    // The link still works afterwards.
    KorvelHarness::waitFor([&] { return h.w->Transfer.TransferState == 0; }, 1000);
    h.meter->clearLog();
    h.tick();
    EXPECT_FALSE(h.meter->framesReceived().empty());
}

TEST(LinkErrors, OverfullRequestShowsBufferFullAndStillGoesOutWith16383Bytes)
{
    KorvelHarness h({"/VORKAL"});
    h.w->RequestEncoders[109] = [&] {
        for (int i = 0; i < 16390; ++i)
            h.w->PutByte(static_cast<std::uint8_t>(i));
    };
    h.meter->setReplyData(109, {});
    h.w->SpeedButton_WriteSettings->SetDown(true);
    h.meter->clearLog();
    h.tick();
    EXPECT_FALSE(h.w->Label_TXBufferIsFull->isHidden());
    ASSERT_EQ(h.meter->requests().size(), 1u);
    EXPECT_EQ(h.meter->requests()[0].data.size(), 16383u);
    EXPECT_EQ(h.meter->requests()[0].data[16382], static_cast<std::uint8_t>(16382));
    EXPECT_EQ(h.meter->framesReceived().size(), (16383u + 45) / 46);

    // A request without data leaves the label; the next one that puts data hides it.
    h.meter->setReplyData(131, {});
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen().back(), 131);
    EXPECT_FALSE(h.w->Label_TXBufferIsFull->isHidden());
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen().back(), 101);
    EXPECT_TRUE(h.w->Label_TXBufferIsFull->isHidden());
}

TEST(Safety, WritesWithoutTheirRecordAreNotOffered)
{
    KorvelHarness h({"/VORKAL"});
    // No settings or identity record is built into the window yet: their writes are disabled,
    // reads stay available.
    EXPECT_FALSE(h.w->SpeedButton_WriteSettings->isEnabled());
    EXPECT_FALSE(h.w->SpeedButton_WriteSettings2->isEnabled());
    EXPECT_FALSE(h.w->SpeedButton_GyariSzamAKeszulekbe->isEnabled());
    EXPECT_FALSE(h.button("Form_QVAO", "SpeedButton_WriteToDevice")->isEnabled());
    EXPECT_FALSE(h.button("Form_Password", "SpeedButton_WriteToDevice_Password")->isEnabled());
    EXPECT_TRUE(h.w->SpeedButton_ReadSettings->isEnabled());
    EXPECT_TRUE(h.w->SpeedButton_ReadDisplay->isEnabled());
    EXPECT_TRUE(h.button("Form_QVAO", "SpeedButton_ReadFromDevice")->isEnabled());
    // A write whose record is there is offered.
    h.w->RequestEncoders[109] = [] {};
    h.w->BindPriorityTable();
    EXPECT_TRUE(h.w->SpeedButton_WriteSettings->isEnabled());
    EXPECT_TRUE(h.w->SpeedButton_WriteSettings2->isEnabled());
    EXPECT_FALSE(h.w->SpeedButton_GyariSzamAKeszulekbe->isEnabled());
}
