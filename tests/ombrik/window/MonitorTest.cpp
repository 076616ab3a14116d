// The link as the monitor shows it: the first poll on the wire, one whole exchange, the
// history and the frame rate, lost and bad replies and the unit's statuses.
#include "tests/FindControl.h"
#include "common/ui/Shape.h"
#include "common/ui/MemoText.h"
#include "tests/ombrik/link/ByteText.h"
#include "tests/LocaleScope.h"
#include "OmbrikHarness.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using bytetext::Hex;

namespace {

QString Zeros(int bytes)
{
    QStringList z;
    for (int i = 0; i < bytes; ++i)
        z << "00";
    return z.join(' ');
}

}  // namespace

TEST(OmbrikMonitor, TheFirstPollAndItsReplyWithEveryLabelAndBothDumps)
{
    LocaleScope scope(HungarianLocale());
    OmbrikHarness h;
    h.meter->status.iADRaw = 0x00123456;
    h.meter->status.uSPS = 0x1234;
    h.tick();
    ASSERT_EQ(h.meter->framesReceived().size(), 1u);
    EXPECT_EQ(Hex(h.meter->framesReceived()[0]),
              "9A 15 18 1B 1F 1B 65 02 00 00 00 " + Zeros(51).toStdString() + " 69 A8");
    EXPECT_EQ(h.label("Label_MBUTxDevice")->text(), "5530");
    EXPECT_EQ(h.label("Label_MBUTxVerL")->text(), "2018.08.24.");
    EXPECT_EQ(h.label("Label_MBUTxVerH")->text(), "2018.08.31.");
    EXPECT_EQ(h.label("Label_MBUTxCommand")->text(), "101");
    EXPECT_EQ(h.find<qs::MemoText>("Memo_MBUTx")->Text(), "02 00 00 00 " + Zeros(51));
    EXPECT_EQ(h.find<qs::MemoText>("Memo_MBUTx")->Text().size(), 164);
    EXPECT_EQ(h.label("Label_MBURxDevice")->text(), "5530");
    EXPECT_EQ(h.label("Label_MBURxVer")->text(), "2018.08.28.");
    EXPECT_EQ(h.label("Label_MBURxCounter")->text(), "0");
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "0");
    EXPECT_EQ(BackgroundColorOf(h.label("Label_MBURxError")), clBtnFace);
    EXPECT_EQ(h.find<qs::MemoText>("Memo_MBURx")->Text(),
              "56 34 12 00 " + Zeros(24) + " 34 12 00 " + Zeros(24));
    EXPECT_EQ(h.find<qs::Shape>("Shape_MBUCom")->brushColor(), 0x4080FFu) << "orange for a poll";
    EXPECT_TRUE(h.lampTimer()->isActive());
    EXPECT_EQ(h.lampTimer()->interval(), 100);
    EXPECT_EQ(h.label("Label_Commands")->text(), "101, ");
    eventloop::RunOut(h.lampTimer());
    EXPECT_EQ(h.find<qs::Shape>("Shape_MBUCom")->brushColor(), clBtnFace);

    h.button("SpeedButton_ReadCalPt")->click();
    h.tick();
    EXPECT_EQ(h.find<qs::Shape>("Shape_MBUCom")->brushColor(), clLime)
        << "lime for any other reply";
    EXPECT_EQ(h.label("Label_MBURxCounter")->text(), "1");
}

TEST(OmbrikMonitor, ElevenPollsAndAn102InTheHistoryAndTheRateAcrossAWrap)
{
    OmbrikHarness h;
    h.tick(11);
    EXPECT_EQ(h.label("Label_Commands")->text(), "n*101, ");
    h.button("SpeedButton_Cal0mA")->click();
    h.tick();
    EXPECT_EQ(h.label("Label_Commands")->text(), "n*101, 102, ");

    h.countTenFramesAcrossTheWrap(h.session(), [&] { h.tick(); });
    EXPECT_EQ(h.label("Label_FPS")->text(), "10");
}

TEST(OmbrikMonitor, ADroppedReplyTimesOutAndIsSentAgain)
{
    OmbrikHarness h;
    h.tick();
    h.button("SpeedButton_ReadPWMCal")->click();
    h.meter->dropNextReplies();
    h.session().Tick();
    EXPECT_TRUE(h.session().Clock().TimeOutArmed()) << "100 ms from the request";
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "6: Time out.");
    EXPECT_EQ(FontColorOf(h.label("Label_MBURxError")), clRed);
    for (QLabel* l :
         {h.label("Label_MBURxDevice"), h.label("Label_MBURxVer"), h.label("Label_MBURxCounter")})
        EXPECT_EQ(l->text(), "?");
    EXPECT_TRUE(h.find<qs::MemoText>("Memo_MBURx")->Text().isEmpty());
    EXPECT_TRUE(h.button("SpeedButton_ReadPWMCal")->IsDown());
    EXPECT_EQ(h.label("Label_PWM4mA")->text(), "?");

    h.meter->mbu.output.points = {100, 200, 300, 400};
    h.tick();
    EXPECT_EQ(h.sent(), (std::vector<std::uint8_t>{101, 116, 116}));
    EXPECT_FALSE(h.button("SpeedButton_ReadPWMCal")->IsDown());
    EXPECT_EQ(h.label("Label_PWM10V")->text(), "400");
}

TEST(OmbrikMonitor, ABadCrcShowsOneThenTheTimeOutAndNothingIsParsed)
{
    OmbrikHarness h;
    h.meter->mbu.input.points = {1, 2, 3, 4};
    h.button("SpeedButton_ReadCalIn")->click();
    h.meter->corruptNextReplies();
    h.session().Tick();
    ASSERT_TRUE(
        eventloop::WaitFor([&] { return h.label("Label_MBURxError")->text() == "1: CRC."; }));
    EXPECT_EQ(h.label("Label_MBURxCounter")->text(), "?");
    EXPECT_TRUE(h.session().Busy());
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "6: Time out.");
    EXPECT_EQ(h.label("Label_RAM1_iCalLow1")->text(), "?");
    EXPECT_TRUE(h.button("SpeedButton_ReadCalIn")->IsDown());
    EXPECT_EQ(h.find<qs::Shape>("Shape_MBUCom")->brushColor(), clBtnFace)
        << "no reply lamp for a bad frame";
}

TEST(OmbrikMonitor, UnitStatusesShowTheirTextsAndHighlightsAndTheRequestRepeats)
{
    struct Row {
        std::uint8_t status;
        const char* text;
        bool device, version, command;
    };
    const Row rows[] = {
        {2, "2: Unknow device.", true, false, false},
        {3, "3: This program is old. Use new.", false, true, false},
        {4, "4: This program is too new. Use earlier.", false, true, false},
        {5, "5: Unkown command.", false, false, true},
        {9, "0", false, false, false},  // keeps the previous text
        {7, "0", false, false, false},  // no text of its own here
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.status));
        OmbrikHarness h;
        h.tick();
        h.button("SpeedButton_Reset")->click();
        h.meter->failNextReplies(row.status);
        h.tick();
        EXPECT_EQ(h.label("Label_MBURxError")->text(), row.text);
        EXPECT_EQ(BackgroundColorOf(h.label("Label_MBURxError")), clWhite);
        EXPECT_EQ(FontColorOf(h.label("Label_MBURxError")), clRed);
        for (QLabel* l : {h.label("Label_MBUTxDevice"), h.label("Label_MBURxDevice")})
            EXPECT_EQ(FontColorOf(l), row.device ? clRed : clWindowText);
        for (QLabel* l :
             {h.label("Label_MBUTxVerL"), h.label("Label_MBUTxVerH"), h.label("Label_MBURxVer")})
            EXPECT_EQ(FontColorOf(l), row.version ? clRed : clWindowText);
        EXPECT_EQ(BackgroundColorOf(h.label("Label_MBUTxCommand")),
                  row.command ? clWhite : clBtnFace);
        EXPECT_EQ(h.label("Label_MBURxDevice")->text(), "5530") << "the reply's header is shown";
        EXPECT_FALSE(h.session().Busy());
        EXPECT_TRUE(h.button("SpeedButton_Reset")->IsDown());
        h.tick();
        EXPECT_EQ(h.sent(), (std::vector<std::uint8_t>{101, 113, 113}));
        EXPECT_EQ(h.label("Label_MBURxError")->text(), "0");
        EXPECT_EQ(FontColorOf(h.label("Label_MBURxDevice")), clWindowText);
        EXPECT_FALSE(h.button("SpeedButton_Reset")->IsDown());
    }
}

// A 6 that the unit itself sends answers nothing: the time-out still ends the exchange, and
// the link goes on.
TEST(OmbrikMonitor, StatusSixFromTheUnitIsEndedByTheTimeOut)
{
    OmbrikHarness h;
    h.meter->failNextReplies(6);
    h.session().Tick();
    ASSERT_TRUE(
        eventloop::WaitFor([&] { return h.label("Label_MBURxError")->text() == "6: Time out."; }));
    EXPECT_TRUE(h.session().Busy());
    EXPECT_TRUE(h.session().Clock().TimeOutArmed());
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    h.tick();
    EXPECT_EQ(h.sent(), (std::vector<std::uint8_t>{101, 101}));
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "0");
}

TEST(OmbrikMonitor, TheFiftySixthDataByteShowsTheBufferFullUntilABytFits)
{
    // No record of the program puts more than the frame's 55 data bytes (the link's own tests
    // put a 56th and see it reported): here the link reports one, as it does then.
    OmbrikHarness h;
    emit h.session().requestBuilt(true);
    EXPECT_FALSE(h.label("Label_TXBufferIsFull")->isHidden());
    // Typed data fills the frame as far as its 55 bytes go, and the Tx dump shows them.
    h.edit("Edit_InputText")->setText(QStringList(56, "165").join(' '));
    EXPECT_EQ(h.find<qs::MemoText>("Memo_MBUTx")->Text().count("A5"), 55);
    h.button("SpeedButton_Cal0V")->click();
    h.tick();
    EXPECT_FALSE(h.label("Label_TXBufferIsFull")->isHidden())
        << "a request without data leaves the mark";
    h.tick();
    EXPECT_TRUE(h.label("Label_TXBufferIsFull")->isHidden());
}
