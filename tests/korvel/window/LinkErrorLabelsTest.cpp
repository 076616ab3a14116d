// What a user sees of the link errors: the monitor and header labels, their highlights and
// the page switches. (The link's own handling of each code is tested on the session.)
#include "KorvelHarness.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(LinkErrorLabels, DeviceCodesShowTheirTextsAndHighlights)
{
    struct Row {
        std::uint8_t code;
        const char* text;
        const char* shortText;
        bool command, device, version;
    };
    const Row rows[] = {
        {2, "2: Unknow device.", "Device!", false, true, false},
        {3, "3: This program is old. Use new.", "Old prg!", false, false, true},
        {4, "4: This program is too new. Use earlier.", "New prg!", false, false, true},
        {5, "5: Unkown command.", "Command!", true, false, false},
        {7, "7: Device RX buffer is full.", "Buffer!", false, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.code));
        KorvelHarness h({"/VORKAL"});
        h.meter->failNextReplies(r.code);
        h.tick();
        EXPECT_EQ(h.C<QLabel>("Label_MBURxError")->text(), r.text);
        EXPECT_EQ(h.C<QLabel>("Label_MBURxError2")->text(), r.shortText);
        EXPECT_FALSE(h.C<QLabel>("Label_MBURxError2")->isHidden());
        EXPECT_EQ(BackgroundColorOf(h.C<QLabel>("Label_MBURxError")), clWhite);
        EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_MBURxError")), clRed);
        EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_MBUTxCommand")), r.command ? clRed : clWindowText);
        EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_MBUTxDevice")), r.device ? clRed : clWindowText);
        EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_MBURxDevice")), r.device ? clRed : clWindowText);
        for (QLabel* l : {h.C<QLabel>("Label_MBUTxVerL"), h.C<QLabel>("Label_MBUTxVerH"),
                          h.C<QLabel>("Label_MBURxVer")})
            EXPECT_EQ(FontColorOf(l), r.version ? clRed : clWindowText);
        EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->activePage(),
                  h.C<QWidget>("TabSheet_Quorin"))
            << "factory mode switches no page";

        // A good reply puts everything back.
        h.tick();
        EXPECT_EQ(h.C<QLabel>("Label_MBURxError")->text(), "0");
        EXPECT_TRUE(h.C<QLabel>("Label_MBURxError2")->isHidden());
        EXPECT_EQ(BackgroundColorOf(h.C<QLabel>("Label_MBURxError")), clBtnFace);
        EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_MBURxDevice")), clWindowText);
    }
}

TEST(LinkErrorLabels, VersionErrorsSwitchPagesOnlyOutsideFactoryMode)
{
    for (const std::uint8_t code : {3, 4}) {
        KorvelHarness h;
        h.meter->failNextReplies(code);
        h.tick();
        EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->activePage(),
                  code == 3 ? h.C<QWidget>("TabSheet_TooOld") : h.C<QWidget>("TabSheet_TooNew"));
    }
}

TEST(LinkErrorLabels, BadCrcShowsQuestionMarksAndLightsNothing)
{
    KorvelHarness h({"/VORKAL"});
    h.tick();
    eventloop::RunOut(h.lampTimer());
    h.meter->corruptNextReplies();
    h.tick();
    EXPECT_EQ(h.C<QLabel>("Label_MBURxError")->text(), "1: CRC.");
    EXPECT_EQ(h.C<QLabel>("Label_MBURxError2")->text(), "CRC!");
    for (QLabel* l : {h.C<QLabel>("Label_MBURxDevice"), h.C<QLabel>("Label_MBURxVer"),
                      h.C<QLabel>("Label_MBURxCounter")})
        EXPECT_EQ(l->text(), "?");
    EXPECT_TRUE(h.C<qs::MemoText>("Memo_MBURx")->Text().isEmpty());
    EXPECT_EQ(h.C<qs::Shape>("Shape_MBUCom")->brushColor(), clBtnFace);
}

TEST(LinkErrorLabels, TimeOutShowsNoConnectionOutsideFactoryModeAndRunsTheActivation)
{
    for (const bool factory : {false, true}) {
        SCOPED_TRACE(factory);
        KorvelHarness h(factory ? QStringList{"/VORKAL"} : QStringList{});
        h.tick();
        ASSERT_EQ(h.C<qs::PageControl>("PageControl5")->activePage(),
                  h.C<QWidget>("TabSheet_Header"));
        h.C<qs::PageControl>("PageControl4")->setTabVisible(h.C<QWidget>("TabSheet_5530"), true);
        h.meter->dropNextReplies();
        h.session().Tick();
        ASSERT_TRUE(KorvelHarness::waitFor([&] { return !h.session().Busy(); }, 1000));
        EXPECT_EQ(h.C<QLabel>("Label_MBURxError")->text(), "6: Time out.");
        EXPECT_EQ(h.C<QLabel>("Label_MBURxError2")->text(), "Time out!");
        EXPECT_EQ(h.C<QLabel>("Label_MBURxCounter")->text(), "?");
        EXPECT_EQ(h.C<qs::PageControl>("PageControl5")->activePage(),
                  factory ? h.C<QWidget>("TabSheet_Header") : h.C<QWidget>("TabSheet_NoComm"));
        // The activation ran again: outside factory mode the model tabs are hidden.
        EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_5530")),
                  factory);

        h.tick();
        EXPECT_EQ(h.C<qs::PageControl>("PageControl5")->activePage(),
                  h.C<QWidget>("TabSheet_Header"));
    }
}

TEST(LinkErrorLabels, OversizeAndUnknownCodesKeepThePreviousTexts)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->setReplyData(131, std::vector<std::uint8_t>(100, 1));
    h.meter->announceLengthOnce(16385);
    h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->SetDown(true);
    h.tick();
    EXPECT_FALSE(h.C<QLabel>("Label_MBURxError2")->isHidden());
    EXPECT_EQ(h.C<QLabel>("Label_MBURxError2")->text(),
              "Error");  // no earlier error: the design caption
    EXPECT_EQ(h.C<QLabel>("Label_MBURxError")->text(), "0");
    EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_MBURxError")), clRed);
    EXPECT_EQ(h.C<QLabel>("Label_uSumDataByteFromRx")->text(), "16385");
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->IsDown());
    // The dump shows the reply with the host's code 9 in its error byte.
    EXPECT_EQ(h.C<qs::MemoText>("Memo_MBURx")->Text().section(QChar('|'), 2, 2), "09");

    h.meter->failNextReplies(mbu3::ErrDevice);
    h.tick();
    h.meter->failNextReplies(42);
    h.session().Tick();
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return !h.session().Busy(); }, 500));
    EXPECT_EQ(h.C<QLabel>("Label_MBURxError")->text(), "2: Unknow device.");
    EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_MBURxError")), clRed);
}

TEST(LinkErrorLabels, OverfullRequestShowsBufferFullUntilARequestPutsDataThatFits)
{
    // No record of the program puts more than the buffer holds. The main window before its
    // dialogs are attached has none for the QV5510 display write: a stand-in there does.
    KorvelHarness h({"/VORKAL"}, false, false);
    ASSERT_TRUE(MainWindowTestAccess::AddEncoder(*h.w, Command::Qv5510Write, [](ByteWriter& w) {
        for (int i = 0; i < 16390; ++i)
            w.PutByte(static_cast<std::uint8_t>(i));
    }));
    h.meter->setReplyData(Code(Command::Qv5510Write), {});
    h.meter->setReplyData(Code(Command::Qv5510Read), {});
    h.C<qs::SpeedButton>("SpeedButton_WriteToDevice_QV5510")->SetDown(true);
    h.tick();
    EXPECT_FALSE(h.C<QLabel>("Label_TXBufferIsFull")->isHidden());
    EXPECT_EQ(h.C<QLabel>("Label_uIndexForDataWrite")->text(), "16383");
    h.tick();  // the read the write's acknowledgement pressed puts nothing: the label stays
    EXPECT_FALSE(h.C<QLabel>("Label_TXBufferIsFull")->isHidden());
    h.tick();  // the poll's five bytes fit
    EXPECT_TRUE(h.C<QLabel>("Label_TXBufferIsFull")->isHidden());
    EXPECT_EQ(h.meter->commandsSeen(),
              (std::vector<std::uint8_t>{Code(Command::Qv5510Write), Code(Command::Qv5510Read),
                                         Code(Command::StatusPoll)}));
}
