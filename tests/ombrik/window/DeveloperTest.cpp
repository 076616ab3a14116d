// The developer page end to end: the typed data, the hand-made frame on the wire, the
// presets, a send with no device, the dates, and hand-made chain commands.
#include "tests/FindControl.h"
#include "common/ui/MemoText.h"
#include "tests/ombrik/link/ByteText.h"
#include "OmbrikHarness.h"
#include "ombrik/window/SettingsParts.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using bytetext::Hex;
using Codes = std::vector<std::uint8_t>;

namespace {

struct OmbrikDeveloper : ::testing::Test {
    OmbrikHarness h;

    // The edits of a request to the unit: its type and a window around its firmware date.
    void Address(const char* command, const char* data)
    {
        const std::pair<QLineEdit*, const char*> edits[] = {
            {h.edit("Edit1"), "5530"}, {h.edit("Edit2"), "2018"}, {h.edit("Edit3"), "8"},
            {h.edit("Edit4"), "24"},   {h.edit("Edit5"), "2018"}, {h.edit("Edit6"), "8"},
            {h.edit("Edit7"), "31"},   {h.edit("Edit8"), command}};
        for (const auto& [edit, text] : edits)
            edit->setText(QString::fromLatin1(text));
        h.edit("Edit_InputText")->setText(QString::fromLatin1(data));
    }
    // Button1, then the event loop until the exchange has ended.
    void Send()
    {
        h.find<QPushButton>("Button1")->click();
        ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    }
};

}  // namespace

TEST_F(OmbrikDeveloper, EveryChangeOfTheDataTextIsParsedIntoTheFrameAndTheTxMonitor)
{
    EXPECT_EQ(h.label("Label_InputSequence")->text(), "Adat bájtok száma = 0")
        << "parsed when the settings file was loaded";
    std::string numbers;
    for (int i = 1; i <= 56; ++i)
        numbers += std::to_string(i) + ";";
    struct Row {
        std::string text;
        const char* label;
        TColor colour;
        const char* dump;  // the first data bytes in the Tx monitor
    };
    const Row rows[] = {
        {"1, 2, 3; 255 256 -7", "Adat bájtok száma = 5", clWindow, "01 02 03 FF 07 00"},
        {numbers, "Adat bájtok száma = 55", clRed, "01 02 03"},
        {"", "Adat bájtok száma = 0", clWindow, "00 00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        h.edit("Edit_InputText")->setText(QString::fromStdString(row.text));
        EXPECT_EQ(h.label("Label_InputSequence")->text(), QString::fromUtf8(row.label));
        EXPECT_EQ(BackgroundColorOf(h.edit("Edit_InputText")), row.colour);
        EXPECT_TRUE(h.find<qs::MemoText>("Memo_MBUTx")->Text().startsWith(row.dump))
            << h.find<qs::MemoText>("Memo_MBUTx")->Text().toStdString();
    }
    EXPECT_EQ(h.session().TxFrame()[61], 0) << "the 56th number is never put";
}

TEST_F(OmbrikDeveloper, AHandMadeFrameByteForByteAndItsReplyOnlyInTheMonitor)
{
    Address("7", "1 2 3");
    Send();
    mbu::MBUFrame expected{};
    const auto head = bytetext::FromHex("9A 15 18 1B 1F 1B 07 01 02 03");
    std::copy(head.begin(), head.end(), expected.begin());
    mbu::SetTxCRC(expected);
    EXPECT_EQ(Hex(h.meter->framesReceived().back()), Hex(expected));
    EXPECT_EQ(h.label("Label_MBUTxCommand")->text(), "7");
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "0");
    EXPECT_EQ(h.session().History().Text(), "7, ");

    // The edits as converted: type and command rewritten as integers, the dates left as typed.
    Address("300", "");
    h.edit("Edit1")->setText("70000");
    h.edit("Edit3")->setText("08");
    Send();
    const auto& f = h.meter->framesReceived().back();
    EXPECT_EQ(Hex(std::span(f).first(7)), "70 11 18 1B 1F 1B 2C");
    EXPECT_EQ(h.edit("Edit8")->text(), "300");
    EXPECT_EQ(h.edit("Edit3")->text(), "08");
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "2: Unknow device.");
    h.edit("Edit8")->setText("x");
    h.edit("Edit1")->setText(" 5530");
    Send();
    EXPECT_EQ(h.edit("Edit8")->text(), "0");
    EXPECT_EQ(h.edit("Edit1")->text(), "5530");
    EXPECT_EQ(h.meter->framesReceived().back()[6], 0);
}

TEST_F(OmbrikDeveloper, APresetSetsItsCodeAndSendsTheOtherEditsAsTheyStand)
{
    Address("1", "9");
    h.find<QPushButton>("Button9")->click();  // "Menü Cím = 5x7 font"
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    EXPECT_EQ(h.find<QPushButton>("Button9")->text(), "Menü Cím = 5x7 font");
    EXPECT_EQ(h.edit("Edit8")->text(), "16");
    EXPECT_EQ(Hex(std::span(h.meter->framesReceived().back()).first(8)), "9A 15 18 1B 1F 1B 10 09");
    Send();
    EXPECT_EQ(h.sent(), (Codes{16, 16})) << "the code stays in Edit8";
}

// No device: the frame is built and shown, nothing is written, the exchange ends as a
// time-out; and a hand-made send goes out while a scheduled exchange is in flight.
TEST_F(OmbrikDeveloper, ASendWithNoDeviceEndsAsATimeOut)
{
    h.meter->unplug();
    eventloop::Pump();
    ASSERT_FALSE(h.session().Online());
    Address("7", "5");
    h.find<QPushButton>("Button1")->click();
    EXPECT_TRUE(h.session().Busy());
    EXPECT_EQ(h.label("Label_MBUTxCommand")->text(), "7");
    EXPECT_TRUE(h.find<qs::MemoText>("Memo_MBUTx")->Text().startsWith("05 00"));
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "6: Time out.");
    EXPECT_TRUE(h.meter->framesReceived().empty());

    h.meter->plug();
    eventloop::Pump();
    h.meter->latencyMs = 20;
    h.session().Tick();  // a poll in flight
    h.find<QPushButton>("Button1")->click();
    ASSERT_TRUE(eventloop::WaitFor([&] { return h.meter->repliesSent().size() == 2; }));
    EXPECT_EQ(h.sent(), (Codes{101, 7}));
}

TEST_F(OmbrikDeveloper, DatesWithoutASixteenBitCodeGiveToday)
{
    const QDate now = QDate::currentDate();
    const int today = (now.year() - 2000) * 372 + (now.month() - 1) * 31 + now.day() - 1;
    struct Row {
        const char* year;
        const char* month;
        const char* day;
        int code;  // -1: today
    };
    const Row rows[] = {
        {"2018", "2", "26", 6752}, {"2176", "3", "2", 65535}, {"2018", "2", "30", -1},
        {"1999", "12", "31", -1},  {"2176", "3", "3", -1},    {"abc", "1", "1", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.year) + "-" + row.month + "-" + row.day);
        Address("7", "");
        h.edit("Edit2")->setText(row.year);
        h.edit("Edit3")->setText(row.month);
        h.edit("Edit4")->setText(row.day);
        Send();
        EXPECT_EQ(mbu::FrameWord(h.session().TxFrame(), mbu::off::VersionMin),
                  row.code < 0 ? today : row.code);
        EXPECT_EQ(h.edit("Edit2")->text(), row.year) << "the edits keep what was typed";
    }
}

// A hand-made first part of a chain (settings read 107, settings write 109, display read
// 123) fills nothing, chains nothing and releases nothing; a chain started from a page runs
// to its end (a hand-made send only makes it start over).
TEST_F(OmbrikDeveloper, HandMadeChainCommandsStartNothing)
{
    const QImage before = h.label("Image_OLEDNormalSize")->pixmap().toImage();
    h.meter->mbu.display.bytes.fill(0xFF);
    for (const char* code : {"107", "109", "123"}) {
        SCOPED_TRACE(code);
        h.meter->clearLog();
        Address(code, "");
        Send();
        EXPECT_EQ(h.label("Label_MBURxError")->text(), "0");
        EXPECT_EQ(h.session().ChainedCommand(), 0);
        h.tick();
        EXPECT_EQ(h.sent(), (Codes{static_cast<std::uint8_t>(std::stoi(code)), 101}));
    }
    EXPECT_EQ(h.edit("Edit_DisplayTagname")->text(), "123456789012345678901");
    EXPECT_EQ(h.settings->writes.size(), 1u)
        << "the unit took the hand-made part 1; no part 2 or 3 followed";
    EXPECT_EQ(h.label("Image_OLEDNormalSize")->pixmap().toImage(), before);

    h.meter->clearLog();
    h.button("SpeedButton_ReadSettings")->click();
    h.tick();
    Address("109", "");
    Send();
    h.tick(4);
    EXPECT_EQ(h.sent(), (Codes{107, 109, 107, 117, 120, 101}));
    ByteReader stored(h.settings->stored);
    EXPECT_EQ(OmbrikWindowTestAccess::SettingsIO(*h.w).Binding().Take(),
              SettingsRecord::Decode(stored));
    EXPECT_FALSE(h.button("SpeedButton_ReadSettings")->IsDown());
}
