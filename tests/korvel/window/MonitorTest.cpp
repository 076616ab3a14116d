// The link monitor: dumps, command history, frame rate, receive lamp.
#include "KorvelHarness.h"

#include <gtest/gtest.h>

TEST(Monitor, CommandHistoryCountsRepeatsAndSkipsEmptyEntries)
{
    KorvelHarness h;
    for (int i = 0; i < 12; ++i)
        h.w->ShowCommandHistory(101);
    h.w->ShowCommandHistory(131);
    h.w->ShowCommandHistory(101);
    h.w->ShowCommandHistory(101);
    EXPECT_EQ(h.w->Label_Commands->text(), "n*101, 131, 2*101, ");
    EXPECT_EQ(h.w->Label_MBU_Commands->text(), " 131");

    for (int i = 0; i < 25; ++i)
        h.w->ShowCommandHistory(7);
    EXPECT_TRUE(h.w->Label_Commands->text().endsWith("2*101, n*7, "));

    h.w->Button_CommandsClearClick();
    EXPECT_TRUE(h.w->Label_Commands->text().endsWith("n*7, "));  // labels change with the next entry
    h.w->ShowCommandHistory(7);
    EXPECT_EQ(h.w->Label_Commands->text(), "n*7, ");
    h.w->ShowCommandHistory(1);
    EXPECT_EQ(h.w->Label_Commands->text(), "n*7, 1, ");
    EXPECT_EQ(h.w->Label_MBU_Commands->text(), " 7 1");

    // Fifteen entries at most: the oldest drop out.
    for (int c = 10; c < 30; ++c)
        h.w->ShowCommandHistory(static_cast<std::uint8_t>(c));
    EXPECT_EQ(h.w->Label_Commands->text().count(','), 15);
    EXPECT_TRUE(h.w->Label_Commands->text().startsWith("15, "));
}

TEST(Monitor, FramesPerSecondAcrossACounterWrap)
{
    KorvelHarness h;
    EXPECT_EQ(TForm1::CounterDiff(250, 4), 10);
    EXPECT_EQ(TForm1::CounterDiff(4, 4), 0);
    EXPECT_EQ(TForm1::CounterDiff(255, 0), 1);
    h.w->PrevRxCounter = 250;
    h.w->LastRxCounter = 4;
    h.w->Timer_1secTimer();
    EXPECT_EQ(h.w->FramesPerSecond, 10);
    EXPECT_EQ(h.w->Label_FPS->text(), "10");
    EXPECT_EQ(FontColorOf(h.w->Label_FPS2), clGreen);
    EXPECT_EQ(h.w->TrafficSeconds, 1);
    h.w->Timer_1secTimer();  // a silent second
    EXPECT_EQ(h.w->FramesPerSecond, 0);
    EXPECT_EQ(FontColorOf(h.w->Label_FPS), clRed);
    EXPECT_EQ(h.w->TrafficSeconds, 0);
}

TEST(Monitor, DumpsAndDecodedFieldsOfTheLastFrames)
{
    KorvelHarness h({"/VORKAL"});
    h.tick();
    EXPECT_EQ(h.w->Label_MBUTxVerL->text(), "2020.06.19.");
    EXPECT_EQ(h.w->Label_MBUTxVerH->text(), "2020.12.31.");
    EXPECT_EQ(h.w->Label_MBUTxCommand->text(), "101");
    EXPECT_EQ(h.w->Label_HostID->text(), "1 012 571 671");
    EXPECT_EQ(h.w->Label_DeviceID->text(), "1 234 567");
    EXPECT_EQ(h.w->Label_MBURxVer->text(), "2020.08.01.");
    EXPECT_EQ(h.w->Label_Firmware->text(), "v2020.08.01.");
    const QString tx = h.w->Memo_MBUTx->toPlainText();
    // The 53-byte status reply needed one segment request: flags 4, 46 bytes received so far; the
    // data bytes still hold the 5-byte status request.
    EXPECT_TRUE(tx.startsWith("00 00|BD 1D|83 1E|65|04|05 00|2E 00|17 9E 5A 3C(")) << tx.toStdString();
    EXPECT_EQ(tx.size(), 64 * 3 - 1);
    const QString rx = h.w->Memo_MBURx->toPlainText();
    EXPECT_TRUE(rx.startsWith("9A 15|")) << rx.toStdString();
    EXPECT_EQ(rx.mid(16 * 3 - 1, 1), "(");
}

TEST(Monitor, ReceiveLampYellowForPollAndIdentityLimeOtherwise)
{
    KorvelHarness h({"/VORKAL"});
    h.tick();
    EXPECT_EQ(h.w->Shape_MBUCom->brushColor(), clYellow);
    EXPECT_FALSE(h.w->Label_USBData->isHidden());
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return h.w->Label_USBData->isHidden(); }, 1000));
    EXPECT_EQ(h.w->Shape_MBUCom->brushColor(), clBtnFace);

    h.meter->setReplyData(113, {});
    h.w->SpeedButton_Reset->SetDown(true);
    h.tick();
    EXPECT_EQ(h.w->Shape_MBUCom->brushColor(), clLime);

    h.w->Timer_RxLEDTimer();
    h.meter->corruptNextReplies();
    h.tick();
    EXPECT_EQ(h.w->Shape_MBUCom->brushColor(), clBtnFace);  // a CRC error does not light it
}
