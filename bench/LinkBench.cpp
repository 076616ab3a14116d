// Link benchmarks through the real main window and HID layer.
//
//   link_bench                        on the simulated meter behind the HID layer, answering
//                                     at once on the GUI thread (the window and link alone)
//   link_bench --backend=hidapi-fake  on the real hidapi backend with its threads, over the
//                                     fake hidapi and a meter on it (the whole host side)
//
// Both print the host's turnaround from a reply's arrival to the next request frame's
// write, over 16384-byte replies (median and 99th percentile), and the status poll rate with
// nothing pending. The hidapi mode measures the turnaround from the moment the reader's
// hid_read_timeout returns the reply to the moment the writer enters hid_write, and also
// prints the process's CPU time while idling on the status poll for 10 s, and how long
// shutdown takes with a meter attached and a write held in the device.
#include "tests/fakes/FakeMeter.h"
#include "korvel/session/LinkSession.h"
#include "korvel/window/MainWindow.h"
#include "korvel/window/KorvelApp.h"
#include "tests/korvel/window/MainWindowTestAccess.h"
#include "tests/sim/SimulatedMeter.h"
#include "OmbrikWindowFactory.h"
#include "common/hid/HidapiBackend.h"
#include "common/ui/DesignFonts.h"
#include "common/ui/SpeedButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

using namespace qs;
using namespace korvel;
using namespace ombrik;

namespace {
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The event loop as the program runs it: the GUI thread sleeps until something happens.
// (QCoreApplication::processEvents with a time limit never sleeps, which would show neither
// the real turnaround nor the real idle CPU.)
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The one control of that name in the window (a missing name ends the run: the figures would
// mean nothing).
template <class T>
T* Control(QWidget* window, const char* name)
{
    T* found = nullptr;
    for (T* child : window->findChildren<T*>(QString::fromLatin1(name)))
        if (child->window() == window) {
            if (found) {
                std::fprintf(stderr, "two controls named %s\n", name);
                std::exit(2);
            }
            found = child;
        }
    if (!found) {
        std::fprintf(stderr, "no control named %s\n", name);
        std::exit(2);
    }
    return found;
}

// Runs the event loop until pred holds (checked every 10 ms) or timeoutMs passes.
bool waitFor(const std::function<bool()>& pred, int timeoutMs)
{
    if (pred())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (pred())
            loop.quit();
    });
    check.start(10);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return pred();
}

double cpuSeconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

std::vector<std::uint8_t> bigReply()
{
    std::vector<std::uint8_t> big(16384);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i);
    return big;
}

// Reads the settings `reads` times with the status poll paused.
void readSettings(MainWindow* w, int reads)
{
    Control<QCheckBox>(w, "CheckBox_MBUPause")->setChecked(true);
    runFor(100);
    SpeedButton* read = Control<SpeedButton>(w, "SpeedButton_ReadSettings");
    for (int i = 0; i < reads; ++i) {
        read->SetDown(true);
        waitFor([read] { return !read->IsDown(); }, 5000);
    }
}

bool printTurnaround(std::vector<double> samples, int reads, const char* from, const char* targets)
{
    std::sort(samples.begin(), samples.end());
    if (samples.empty()) {
        std::puts("no samples");
        return false;
    }
    const double median = samples[samples.size() / 2];
    const double p99 = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
    std::printf(
        "turnaround (%s) over %d x 16384-byte replies (%zu segment requests): median %.1f us, p99 %.1f us"
        " (targets: %s)\n",
        from, reads, samples.size(), median, p99, targets);
    return true;
}

// Sits between UsbHid and the real backend and notes when a report reaches the GUI thread
// and when the window hands over its next frame, so the turnaround splits into the HID
// layer's inbound hop, the window's own time, and the HID layer's outbound hop.
class TimedBackend final : public hid::Backend, hid::Backend::Sink {
public:
    explicit TimedBackend(std::unique_ptr<hid::Backend> inner) : inner_(std::move(inner)) {}
    void start(hid::Backend::Sink& sink) override
    {
        sink_ = &sink;
        inner_->start(*this);
    }
    bool write(hid::Handle handle, const hid::Report& report) override
    {
        if (onWrite)
            onWrite(report);
        return inner_->write(handle, report);
    }
    bool callsSinkFromEventLoop() const override { return inner_->callsSinkFromEventLoop(); }
    void deviceArrived(hid::Handle handle, const hid::DeviceIdentity& identity) override
    {
        sink_->deviceArrived(handle, identity);
    }
    void deviceLeft(hid::Handle handle) override { sink_->deviceLeft(handle); }
    void reportArrived(hid::Handle handle, const hid::Report& report) override
    {
        if (onReport)
            onReport();
        sink_->reportArrived(handle, report);
    }

    std::function<void()> onReport;
    std::function<void(const hid::Report&)> onWrite;

private:
    std::unique_ptr<hid::Backend> inner_;
    hid::Backend::Sink* sink_ = nullptr;
};

double micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int runSimulated()
{
    auto* meter = new SimulatedMeter;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(meter)};
    KorvelForms forms(usb, {"/VORKAL"});
    MainWindow* w = forms.Form1;
    MainWindowTestAccess::SetBeep(*w, {});
    meter->setReplyData(101, std::vector<std::uint8_t>(53, 0));
    meter->setReplyData(131, bigReply());

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
            samples.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - arrived).count());
        waiting = false;
    };
    const int reads = 20;
    readSettings(w, reads);
    if (!printTurnaround(samples, reads, "reply handed to the HID layer to next frame written",
                         "median <= 100 us, p99 <= 1000 us"))
        return 1;

    // Poll rate with nothing pending.
    meter->onReplyDelivered = {};
    meter->onFrameWritten = {};
    Control<QCheckBox>(w, "CheckBox_MBUPause")->setChecked(false);
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

// The HID layer's own share: a Sink that writes every report straight back, on a device
// that answers every write at once. Reply read to next write entered, through the GUI thread.
void runHidLayerAlone()
{
    struct EchoSink final : hid::Backend::Sink {
        hid::HidapiBackend* backend = nullptr;
        hid::Handle handle = 0;
        int left = 0;
        void deviceArrived(hid::Handle h, const hid::DeviceIdentity&) override { handle = h; }
        void deviceLeft(hid::Handle) override { handle = 0; }
        void reportArrived(hid::Handle h, const hid::Report& report) override
        {
            if (left > 0 && --left > 0)
                backend->write(h, report);
        }
    };
    fakehid::DevicePtr device = fakehid::plug({"/dev/hidraw-echo"});
    std::weak_ptr<fakehid::Device> weak = device;
    device->setResponder([weak](const fakehid::Report& r) {
        if (auto d = weak.lock())
            d->inject(r);
    });
    std::mutex m;
    Clock::time_point read{};
    std::vector<double> samples;
    fakehid::setHooks(
        [&] {
            std::lock_guard lock(m);
            read = Clock::now();
        },
        [&](const fakehid::Report&) {
            const auto now = Clock::now();
            std::lock_guard lock(m);
            if (read != Clock::time_point{})
                samples.push_back(micros(now - read));
        });
    {
        EchoSink sink;
        hid::HidapiBackend backend(0x04D8, 0x003F);
        sink.backend = &backend;
        backend.start(sink);
        waitFor([&] { return sink.handle != 0; }, 3000);
        sink.left = 5000;
        backend.write(sink.handle, hid::Report{});
        waitFor([&] { return sink.left == 0; }, 10000);
    }
    fakehid::setHooks({}, {});
    fakehid::unplug(device);
    fakehid::waitUntilIdle(3s);
    std::sort(samples.begin(), samples.end());
    if (!samples.empty())
        std::printf(
            "HID layer alone (a sink that writes each report straight back), %zu round trips:"
            " median %.1f us, p99 %.1f us\n",
            samples.size(), samples[samples.size() / 2],
            samples[std::min(samples.size() - 1, samples.size() * 99 / 100)]);
}

// What idling on the status poll costs over 10 s of the event loop: the poll rate, and the CPU
// time of the whole process and of the GUI thread alone, in % of one core.
struct IdleFigures {
    double seconds = 0, polls = 0, process = 0, gui = 0;
};

IdleFigures measureIdleOnPoll(FakeMeter& meter)
{
    auto polls = [&] {
        return meter.withCore([](MeterCore& core) {
            const std::vector<std::uint8_t> seen = core.commandsSeen();
            return std::count(seen.begin(), seen.end(), std::uint8_t{101});
        });
    };
    const auto pollsBefore = polls();
    const double cpuBefore = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double guiBefore = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    QElapsedTimer t;
    t.start();
    runFor(10000);
    const double seconds = t.elapsed() / 1000.0;
    IdleFigures figures;
    figures.seconds = seconds;
    figures.process = 100.0 * (cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore) / seconds;
    figures.gui = 100.0 * (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - guiBefore) / seconds;
    figures.polls = (polls() - pollsBefore) / seconds;
    return figures;
}

int runHidapiFake()
{
    fakehid::reset();
    runHidLayerAlone();
    FakeMeter meter;
    meter.withCore([](MeterCore& core) { core.setReplyData(131, bigReply()); });
    auto timedBackend =
        std::make_unique<TimedBackend>(std::make_unique<hid::HidapiBackend>(0x04D8, 0x003F));
    TimedBackend* timed = timedBackend.get();
    auto usb = std::make_unique<hid::UsbHid>(std::move(timedBackend));
    auto forms = std::make_unique<KorvelForms>(*usb, QStringList{"/VORKAL"});
    MainWindow* w = forms->Form1;
    MainWindowTestAccess::SetBeep(*w, {});
    if (!waitFor([w] { return MainWindowTestAccess::Session(*w).Online(); }, 3000)) {
        std::puts("the meter did not arrive");
        return 1;
    }
    runFor(300);

    // Turnaround: the reader's hid_read_timeout returns a reply, the writer enters hid_write
    // with the frame asking for the next segment.
    // The split: read -> at the UsbHid sink on the GUI thread -> window's write() -> hid_write.
    std::mutex m;
    Clock::time_point read{}, delivered{}, handed{};
    bool waiting = false;
    std::vector<double> samples, inbound, window, outbound;
    fakehid::setHooks(
        [&] {
            std::lock_guard lock(m);
            read = Clock::now();
            waiting = true;
        },
        [&](const fakehid::Report& r) {
            const auto now = Clock::now();
            std::lock_guard lock(m);
            if (waiting && r[mbu3::off::Flags] == mbu3::kFlagAskReply && delivered > read &&
                handed > delivered) {
                samples.push_back(micros(now - read));
                inbound.push_back(micros(delivered - read));
                window.push_back(micros(handed - delivered));
                outbound.push_back(micros(now - handed));
            }
            waiting = false;
        });
    timed->onReport = [&] {
        std::lock_guard lock(m);
        delivered = Clock::now();
    };
    timed->onWrite = [&](const hid::Report&) {
        std::lock_guard lock(m);
        handed = Clock::now();
    };
    const int reads = 20;
    readSettings(w, reads);
    fakehid::setHooks({}, {});
    timed->onReport = {};
    timed->onWrite = {};
    if (!printTurnaround(samples, reads,
                         "reply read by hid_read_timeout to next frame entering hid_write",
                         "median <= 100 us, p99 <= 500 us"))
        return 1;
    std::printf(
        "  split (medians): reader thread to GUI thread %.1f us, UsbHid and window %.1f us,"
        " GUI thread to writer thread %.1f us\n",
        median(inbound), median(window), median(outbound));

    // Idle on the status poll: poll rate and the process's CPU time over the same 10 s.
    Control<QCheckBox>(w, "CheckBox_MBUPause")->setChecked(false);
    runFor(500);
    const IdleFigures idle = measureIdleOnPoll(meter);
    std::printf("idle poll rate: %.2f polls/s over %.1f s (target 33.3 +/- 0.5)\n", idle.polls,
                idle.seconds);
    std::printf(
        "idle CPU, whole process: %.2f %% of one core over %.1f s (GUI thread alone %.2f %%;"
        " target <= 2 %%)\n",
        idle.process, idle.seconds, idle.gui);

    // Shutdown with the meter attached and a write held in the device: the window goes, then
    // the HID layer.
    meter.device()->stallWrites(2000ms);
    waitFor([&] { return meter.device()->writesHeld() == 1; }, 1000);
    forms.reset();
    QElapsedTimer s;
    s.start();
    usb.reset();
    std::printf(
        "shutdown with a meter attached and a write held in the device: %.1f ms (target <= 100 ms)\n",
        s.nsecsElapsed() / 1e6);
    fakehid::waitUntilIdle(3s);
    return 0;
}
// The real windows idling on the status poll, shown as the programs show them, on the real
// HID backend over the fake hidapi, the meter answering each request after 1 ms. Prints the
// poll rate and the CPU time of the whole process and of the GUI thread alone.

// Makes a window on the HID layer: what owns it, and the window to show.
using WindowFactory = std::function<std::pair<std::shared_ptr<void>, QWidget*>(hid::UsbHid&)>;

IdleFigures measureIdle(bool mbu, const WindowFactory& makeWindow)
{
    FakeMeter meter;
    meter.withCore([mbu](MeterCore& core) {
        if (mbu)
            core.useMbuProtocol();
    });
    meter.setLatency(1ms);
    IdleFigures figures;
    {
        hid::UsbHid usb{std::make_unique<hid::HidapiBackend>(0x04D8, 0x003F)};
        const auto [owner, window] = makeWindow(usb);
        window->show();
        // Past the first two seconds of traffic, after which Korvel shows the model's page.
        runFor(3000);
        figures = measureIdleOnPoll(meter);
    }
    fakehid::waitUntilIdle(3s);
    return figures;
}

void printIdle(const char* what, const IdleFigures& f)
{
    std::printf(
        "%-22s idle on the status poll, %.2f polls/s: whole process %.2f %%, GUI thread %.2f %% of one core"
        " (targets <= 1.5 %%, <= 1 %%)\n",
        what, f.polls, f.process, f.gui);
}

int runIdleWindows()
{
    fakehid::reset();
    for (const char* mode : {"", "/VORKAL"}) {
        const QStringList arguments = *mode ? QStringList{mode} : QStringList{};
        const IdleFigures f = measureIdle(false, [&arguments](hid::UsbHid& usb) {
            auto forms = std::make_shared<KorvelForms>(usb, arguments);
            return std::pair<std::shared_ptr<void>, QWidget*>(forms, forms->Form1);
        });
        printIdle(*mode ? "Korvel /VORKAL" : "Korvel", f);
    }
    const QTemporaryDir dir;
    const IdleFigures f = measureIdle(true, [&dir](hid::UsbHid& usb) {
        std::shared_ptr<QWidget> window = MakeOmbrikWindow(usb, dir.filePath("ombrik.ini"));
        return std::pair<std::shared_ptr<void>, QWidget*>(window, window.get());
    });
    printIdle("Ombrik", f);
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toUtf8() + "/qs-bench-runtime";
        QDir().mkpath(QString::fromUtf8(dir));
        QFile::setPermissions(QString::fromUtf8(dir),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.constData(), 1);
    }
    enum { Simulated, HidapiFake, IdleWindows } mode = Simulated;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--backend=hidapi-fake") == 0) {
            mode = HidapiFake;
        } else if (std::strcmp(argv[i], "--idle-windows") == 0) {
            mode = IdleWindows;
        } else if (std::strcmp(argv[i], "--backend=simulated") != 0) {
            std::fprintf(stderr,
                         "usage: %s [--backend=simulated|--backend=hidapi-fake|--idle-windows]\n",
                         argv[0]);
            return 2;
        }
    }
    QApplication app(argc, argv);
    if (mode == IdleWindows) {
        designfonts::Install();
        return runIdleWindows();
    }
    return mode == HidapiFake ? runHidapiFake() : runSimulated();
}
