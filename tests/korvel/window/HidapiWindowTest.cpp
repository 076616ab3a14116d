// Korvel's window on the real HID backend with its threads, over the fake hidapi and a
// meter on it: a device that holds a write must not hold the window.
#include "tests/FindControl.h"
#include "tests/fakes/FakeMeter.h"
#include "korvel/session/LinkSession.h"
#include "korvel/window/MainWindow.h"
#include "korvel/window/pages/SettingsPage.h"
#include "korvel/window/KorvelApp.h"
#include "common/hid/HidapiBackend.h"
#include "tests/EventLoop.h"
#include "tests/korvel/window/MainWindowTestAccess.h"

#include <QLabel>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

using namespace qs;
using namespace korvel;

namespace {

using namespace std::chrono_literals;

using eventloop::WaitFor;

TEST(KorvelOnHidapi, AStalledWriteTimesTheRequestOutWhileTheTickRuns)
{
    fakehid::reset();
    fakehid::forbidThread(std::this_thread::get_id());  // the GUI thread
    {
        FakeMeter meter;
        hid::UsbHid usb(std::make_unique<hid::HidapiBackend>(0x04D8, 0x003F));
        KorvelForms forms(usb, {});
        MainWindow* w = forms.Form1;
        MainWindowTestAccess::SetBeep(*w, {});

        std::vector<std::chrono::steady_clock::time_point> ticks;
        QObject::connect(MainWindowTestAccess::Session(*w).Clock().TickTimer(), &QTimer::timeout,
                         [&] { ticks.push_back(std::chrono::steady_clock::now()); });

        // The status poll runs through the backend's threads to the meter and back.
        auto polls = [&] {
            return meter.withCore([](MeterCore& core) { return core.commandsSeen().size(); });
        };
        ASSERT_TRUE(WaitFor([&] { return polls() >= 5; }, 3000));
        ASSERT_EQ(findcontrol::Find<QLabel>(w, "Label_MBURxError")->text(), "0");

        // The device now holds the next write for 2 s.
        meter.device()->stallWrites(2000ms);
        ASSERT_TRUE(WaitFor([&] { return meter.device()->writesHeld() == 1; }, 1000));
        ticks.clear();
        ASSERT_TRUE(WaitFor(
            [&] {
                return findcontrol::Find<QLabel>(w, "Label_MBURxError")->text() == "6: Time out.";
            },
            1500));
        // It timed out on its own 200 ms, not when the device let go of the write.
        EXPECT_EQ(meter.device()->writesHeld(), 1);
        WaitFor([] { return false; }, 200);
        EXPECT_EQ(meter.device()->writesHeld(), 1);
        ASSERT_GE(ticks.size(), 5u);
        for (std::size_t i = 1; i < ticks.size(); ++i)
            EXPECT_LT(ticks[i] - ticks[i - 1], 500ms) << "tick " << i;
    }
    // The window and the backend are gone; the stuck writer closes its handle when the
    // device lets go, and hidapi ends after it.
    EXPECT_TRUE(fakehid::waitUntilIdle(3s));
    EXPECT_EQ(fakehid::counts().exitCalls, 1);
    EXPECT_THAT(fakehid::faults(), ::testing::IsEmpty());
    fakehid::reset();
}

}  // namespace
