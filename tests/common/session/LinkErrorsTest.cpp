// The link machinery both programs share: error texts and highlights, the USB id labels and
// the link clock's Busy and time-out.
#include "common/session/LinkClock.h"
#include "common/session/LinkErrors.h"
#include "common/session/UsbHook.h"
#include "tests/EventLoop.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace qs;

TEST(LinkErrors, TextsAndHighlightsByCode)
{
    struct Row {
        std::uint8_t code;
        std::string_view text;
        std::string_view shortText;
        bool command, device, version, unknown;
    };
    const Row rows[] = {
        {0, "0", "", false, false, false, false},
        {1, "1: CRC.", "CRC!", false, false, false, true},
        {2, "2: Unknow device.", "Device!", false, true, false, false},
        {3, "3: This program is old. Use new.", "Old prg!", false, false, true, false},
        {4, "4: This program is too new. Use earlier.", "New prg!", false, false, true, false},
        {5, "5: Unkown command.", "Command!", true, false, false, false},
        {6, "6: Time out.", "Time out!", false, false, false, true},
        {7, "7: Device RX buffer is full.", "Buffer!", false, false, false, false},
        // 9 and unknown codes keep the labels' previous texts: no text of their own.
        {9, "", "", false, false, false, false},
        {8, "", "", false, false, false, false},
        {255, "", "", false, false, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.code));
        EXPECT_EQ(linkerror::Text(r.code), r.text);
        // Ombrik's monitor has texts up to 6 only.
        EXPECT_EQ(linkerror::Text(r.code, linkerror::TimeOut), r.code <= 6 ? r.text : "");
        EXPECT_EQ(linkerror::ShortText(r.code), r.shortText);
        const linkerror::Marks m = linkerror::MarksFor(r.code);
        EXPECT_EQ(m.error, r.code != 0);
        EXPECT_EQ(m.command, r.command);
        EXPECT_EQ(m.device, r.device);
        EXPECT_EQ(m.version, r.version);
        EXPECT_EQ(m.replyUnknown, r.unknown);
    }
}

TEST(UsbHook, IdLabels)
{
    EXPECT_EQ(UsbHook::IdText(0x04D8), "$04D8 = 1240");
    EXPECT_EQ(UsbHook::IdText(0x003F), "$003F = 63");
}

TEST(LinkClock, BusyHoldsTheTickAndTheTimeOutLengthIsAParameter)
{
    LinkClock clock(30, 100);
    clock.StopTicks();
    EXPECT_EQ(clock.TickTimer()->interval(), 30);
    EXPECT_EQ(clock.TimeOutTimer()->interval(), 100);
    int idle = 0;
    int timeOuts = 0;
    QObject::connect(&clock, &LinkClock::idleTick, [&] { ++idle; });
    QObject::connect(&clock, &LinkClock::timedOut, [&] { ++timeOuts; });
    clock.Tick();
    EXPECT_EQ(idle, 1);
    clock.FrameSent();
    EXPECT_TRUE(clock.Busy());
    EXPECT_TRUE(clock.TimeOutArmed());
    clock.Tick();
    EXPECT_EQ(idle, 1) << "no tick work while a frame is in flight";
    eventloop::WaitFor([&] { return timeOuts != 0; });
    EXPECT_EQ(timeOuts, 1);
    EXPECT_FALSE(clock.TimeOutArmed()) << "one-shot";
    EXPECT_TRUE(clock.Busy()) << "the owner clears Busy when it has handled the time-out";
    clock.ClearBusy();
    clock.Tick();
    EXPECT_EQ(idle, 2);
}
