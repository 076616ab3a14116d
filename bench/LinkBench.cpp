// Link benchmarks through the real main window and HID layer, with the simulated meter
// answering at once:
//  - the host's turnaround from a reply report's arrival to the next request frame's write,
//    over 16384-byte replies (median and 99th percentile);
//  - the status poll rate with nothing pending.
#include "KorvelApp.h"
#include "MainWindow.h"
#include "pages/MonitorPage.h"
#include "pages/SettingsPage.h"
#include "SimulatedMeter.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

void runFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}
}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    auto* meter = new SimulatedMeter;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(meter)};
    KorvelForms forms(usb, {"/VORKAL"});
    MainWindow* w = forms.Form1;
    w->Beep = {};
    meter->setReplyData(101, std::vector<std::uint8_t>(53, 0));
    std::vector<std::uint8_t> big(16384);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i);
    meter->setReplyData(131, big);

    // Turnaround: the reply is handed to the host, the host writes its next frame.
    Clock::time_point arrived{};
    bool waiting = false;
    std::vector<double> samples;
    meter->onReplyDelivered = [&] {
        arrived = Clock::now();
        waiting = true;
    };
    meter->onFrameWritten = [&](const mbu3::Frame& f) {
        if (waiting && f[mbu3::off::Flags] == mbu3::kFlagAskReply)
            samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - arrived).count());
        waiting = false;
    };
    w->Monitor->CheckBox_MBUPause->setChecked(true);
    runFor(100);
    const int reads = 20;
    for (int i = 0; i < reads; ++i) {
        w->Settings->SpeedButton_ReadSettings->SetDown(true);
        QElapsedTimer t;
        t.start();
        while (w->Settings->SpeedButton_ReadSettings->IsDown() && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    std::sort(samples.begin(), samples.end());
    if (samples.empty()) {
        std::puts("no samples");
        return 1;
    }
    const double median = samples[samples.size() / 2];
    const double p99 = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
    std::printf("turnaround over %d x 16384-byte replies (%zu segment requests): median %.1f us, p99 %.1f us"
                " (targets: median <= 100 us, p99 <= 1000 us)\n",
                reads, samples.size(), median, p99);

    // Poll rate with nothing pending.
    meter->onReplyDelivered = {};
    meter->onFrameWritten = {};
    w->Monitor->CheckBox_MBUPause->setChecked(false);
    runFor(500);
    meter->clearLog();
    QElapsedTimer t;
    t.start();
    runFor(5000);
    const double seconds = t.elapsed() / 1000.0;
    std::size_t polls = 0;
    for (std::uint8_t c : meter->commandsSeen())
        polls += c == 101 ? 1 : 0;
    std::printf("poll rate with nothing pending: %.2f polls/s over %.1f s (target 33 +/- 0.5)\n",
                polls / seconds, seconds);
    return 0;
}
