// The link monitor: dumps, command history, frame rate, receive lamp.
#include "tests/korvel/window/KorvelHarness.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(Monitor, HistoryLabelsFollowTheCommandsSentAndClClearsTheOlderOnes)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->setReplyData(113, {});
    for (int i = 0; i < 12; ++i)
        h.tick();
    h.C<qs::SpeedButton>("SpeedButton_Reset")->SetDown(true);
    h.tick();
    h.tick();
    EXPECT_EQ(h.C<QLabel>("Label_Commands")->text(), "n*101, 113, 101, ");
    EXPECT_EQ(h.C<QLabel>("Label_MBU_Commands")->text(), " 113");

    h.C<QPushButton>("Button_CommandsClear")->click();
    EXPECT_EQ(h.C<QLabel>("Label_Commands")->text(), "n*101, 113, 101, ")
        << "labels change with the next entry";
    h.tick();
    EXPECT_EQ(h.C<QLabel>("Label_Commands")->text(), "2*101, ");
    EXPECT_EQ(h.C<QLabel>("Label_MBU_Commands")->text(), "");
}

TEST(Monitor, FramesPerSecondAcrossACounterWrap)
{
    KorvelHarness h;
    h.countTenFramesAcrossTheWrap(h.session(), [&] { h.tick(); });
    EXPECT_EQ(h.session().FramesPerSecond(), 10);
    EXPECT_EQ(h.C<QLabel>("Label_FPS")->text(), "10");
    EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_FPS2")), clGreen);
    EXPECT_EQ(h.session().TrafficSeconds(), 1);
    h.session().SecondTick();  // a silent second
    EXPECT_EQ(h.session().FramesPerSecond(), 0);
    EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_FPS")), clRed);
    EXPECT_EQ(h.session().TrafficSeconds(), 0);
}

TEST(Monitor, DumpsAndDecodedFieldsOfTheLastFrames)
{
    KorvelHarness h({"/VORKAL"});
    h.tick();
    EXPECT_EQ(h.C<QLabel>("Label_MBUTxVerL")->text(), "2020.06.19.");
    EXPECT_EQ(h.C<QLabel>("Label_MBUTxVerH")->text(), "2020.12.31.");
    EXPECT_EQ(h.C<QLabel>("Label_MBUTxCommand")->text(), "101");
    EXPECT_EQ(h.C<QLabel>("Label_HostID")->text(), "1 012 571 671");
    EXPECT_EQ(h.C<QLabel>("Label_DeviceID")->text(), "1 234 567");
    EXPECT_EQ(h.C<QLabel>("Label_MBURxVer")->text(), "2020.08.01.");
    EXPECT_EQ(h.C<QLabel>("Label_Firmware")->text(), "v2020.08.01.");
    const QString tx = h.C<qs::MemoText>("Memo_MBUTx")->Text();
    // The 53-byte status reply needed one segment request: flags 4, 46 bytes received so far; the
    // data bytes still hold the 5-byte status request.
    EXPECT_TRUE(tx.startsWith("00 00|BD 1D|83 1E|65|04|05 00|2E 00|17 9E 5A 3C("))
        << tx.toStdString();
    EXPECT_EQ(tx.size(), 64 * 3 - 1);
    const QString rx = h.C<qs::MemoText>("Memo_MBURx")->Text();
    EXPECT_TRUE(rx.startsWith("9A 15|")) << rx.toStdString();
    EXPECT_EQ(rx.mid(16 * 3 - 1, 1), "(");
}

TEST(Monitor, ReceiveLampYellowForPollAndIdentityLimeOtherwise)
{
    KorvelHarness h({"/VORKAL"});
    h.tick();
    EXPECT_EQ(h.C<qs::Shape>("Shape_MBUCom")->brushColor(), clYellow);
    EXPECT_FALSE(h.C<QLabel>("Label_USBData")->isHidden());
    ASSERT_TRUE(
        KorvelHarness::waitFor([&] { return h.C<QLabel>("Label_USBData")->isHidden(); }, 1000));
    EXPECT_EQ(h.C<qs::Shape>("Shape_MBUCom")->brushColor(), clBtnFace);

    h.meter->setReplyData(113, {});
    h.C<qs::SpeedButton>("SpeedButton_Reset")->SetDown(true);
    h.tick();
    EXPECT_EQ(h.C<qs::Shape>("Shape_MBUCom")->brushColor(), clLime);

    eventloop::RunOut(h.lampTimer());
    h.meter->corruptNextReplies();
    h.tick();
    EXPECT_EQ(h.C<qs::Shape>("Shape_MBUCom")->brushColor(),
              clBtnFace);  // a CRC error does not light it
}
