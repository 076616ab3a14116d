// The hidapi backend's threads against scripted devices on the fake hidapi. The fixture
// checks after every test that no hid_device was used from two threads or after closing,
// that the GUI thread made no hidapi call, that every handle was closed, and that
// hid_init and hid_exit ran once each.
#include "HidapiFixture.h"

#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

using namespace qs;

namespace {

using Kind = RecordingSink::Entry::Kind;
using namespace std::chrono_literals;

// Answers every written report with its bytes inverted, so a reply names its request.
hid::Report Echo(const hid::Report& r)
{
    hid::Report out;
    std::transform(r.begin(), r.end(), out.begin(),
                   [](std::uint8_t b) { return static_cast<std::uint8_t>(~b); });
    return out;
}

void EchoWrites(const fakehid::DevicePtr& device)
{
    std::weak_ptr<fakehid::Device> weak = device;
    device->setResponder([weak](const fakehid::Report& r) {
        if (auto d = weak.lock())
            d->inject(Echo(r));
    });
}

TEST_F(HidapiFake, ReportsArriveCompleteAndInOrderAtOneMillisecondSpacing)
{
    constexpr int kReports = 400;
    fakehid::DevicePtr device = fakehid::plug();
    startBackend();
    const hid::Handle handle = waitForArrival();
    ASSERT_NE(handle, 0u);
    ASSERT_TRUE(waitFor([&] { return device->readsWaiting() > 0; }));

    std::thread meter([device] {
        auto next = std::chrono::steady_clock::now();
        for (int i = 0; i < kReports; ++i) {
            device->inject(NumberedReport(i));
            next += 1ms;
            std::this_thread::sleep_until(next);
        }
    });
    const bool all = waitFor([&] { return sink.count(Kind::Input, handle) >= kReports; }, 5000);
    meter.join();
    ASSERT_TRUE(all) << sink.count(Kind::Input, handle) << " of " << kReports;

    const std::vector<hid::Report> got = sink.reports(handle);
    ASSERT_EQ(got.size(), std::size_t{kReports});
    for (int i = 0; i < kReports; ++i)
        ASSERT_EQ(got[i], NumberedReport(i)) << "report " << i;
    EXPECT_EQ(sink.entries.front().kind, Kind::Arrived);
    EXPECT_EQ(sink.count(Kind::Left), 0);
}

TEST_F(HidapiFake, AWriteGoesOutWhileAReadWaitsAndWritesKeepTheirOrder)
{
    fakehid::DevicePtr device = fakehid::plug();
    EchoWrites(device);
    startBackend();
    const hid::Handle handle = waitForArrival();
    ASSERT_NE(handle, 0u);
    // The reader is inside hid_read_timeout: the write must not wait for it.
    ASSERT_TRUE(waitFor([&] { return device->readsWaiting() > 0; }));
    ASSERT_TRUE(backend->write(handle, NumberedReport(1000)));
    ASSERT_TRUE(waitFor([&] { return sink.count(Kind::Input, handle) == 1; }));
    EXPECT_EQ(sink.reports(handle)[0], Echo(NumberedReport(1000)));

    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(backend->write(handle, NumberedReport(i)));
    ASSERT_TRUE(waitFor([&] { return sink.count(Kind::Input, handle) == 41; }));
    const std::vector<fakehid::Report> written = device->written();
    ASSERT_EQ(written.size(), 41u);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(written[i + 1], NumberedReport(i)) << "write " << i;
        EXPECT_EQ(sink.reports(handle)[i + 1], Echo(NumberedReport(i))) << "reply " << i;
    }
    // Two handles of one path: the input of the one only written to is never read.
    EXPECT_EQ(device->openHandles(), 2);
}

struct LossCase {
    const char* name;
    // Makes the device go.
    void (*lose)(const fakehid::DevicePtr& device);
    bool replugged;  // by the test (otherwise the path is still listed and simply reopened)
};

const LossCase kLosses[] = {
    {"Unplugged", [](const fakehid::DevicePtr& d) { fakehid::unplug(d); }, true},
    {"ReadsFailWhileListed", [](const fakehid::DevicePtr& d) { d->breakOpenReads(); }, false},
};

class DeviceLoss : public HidapiFake, public ::testing::WithParamInterface<LossCase> {};

TEST_P(DeviceLoss, MidReadGivesOneDepartureThenTheDeviceReturnsUnderANewHandle)
{
    fakehid::DevicePtr device = fakehid::plug();
    startBackend();
    hid::Handle handle = waitForArrival();
    ASSERT_NE(handle, 0u);

    // A flaky cable: the backend must not hold on to any departed device.
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(waitFor([&] { return device->readsWaiting() > 0; }));
        GetParam().lose(device);
        ASSERT_TRUE(waitFor([&] { return sink.count(Kind::Left, handle) == 1; }));
        EXPECT_FALSE(backend->write(handle, NumberedReport(1)));
        if (GetParam().replugged)
            device = fakehid::plug();
        const hid::Handle again = waitForArrival(handle);
        ASSERT_NE(again, 0u);
        EXPECT_GT(again, handle);
        handle = again;
        // The departed device's two handles are closed by their threads; the table keeps
        // only the device attached now.
        EXPECT_TRUE(waitFor([&] { return fakehid::counts().openHandles == 2; }));
        EXPECT_EQ(backend->devicesHeld(), 1u);
    }
    runFor(250);  // one more listing round: still exactly one departure each
    for (const RecordingSink::Entry& e : sink.entries) {
        if (e.kind == Kind::Arrived && e.handle != handle) {
            EXPECT_EQ(sink.count(Kind::Left, e.handle), 1) << "handle " << e.handle;
        }
    }
    EXPECT_EQ(sink.count(Kind::Left, handle), 0);

    device->inject(NumberedReport(7));
    ASSERT_TRUE(waitFor([&] { return sink.count(Kind::Input, handle) == 1; }));
    EXPECT_EQ(sink.reports(handle)[0], NumberedReport(7));
}

INSTANTIATE_TEST_SUITE_P(HidapiFake, DeviceLoss, ::testing::ValuesIn(kLosses),
                         [](const auto& info) { return std::string(info.param.name); });

class InterruptedReads : public HidapiFake, public ::testing::WithParamInterface<int> {};

TEST_P(InterruptedReads, AreRetried)
{
    fakehid::DevicePtr device = fakehid::plug();
    startBackend();
    const hid::Handle handle = waitForArrival();
    ASSERT_NE(handle, 0u);
    device->interruptReads(5, GetParam());
    device->inject(NumberedReport(3));
    ASSERT_TRUE(waitFor([&] { return sink.count(Kind::Input, handle) == 1; }));
    runFor(250);
    EXPECT_EQ(sink.count(Kind::Left), 0);
    EXPECT_EQ(sink.count(Kind::Arrived), 1);
}

INSTANTIATE_TEST_SUITE_P(HidapiFake, InterruptedReads, ::testing::Values(EINTR, EAGAIN),
                         [](const auto& info) {
                             return std::string(info.param == EINTR ? "EINTR" : "EAGAIN");
                         });

TEST_F(HidapiFake, AnInterruptedWriteIsWrittenAgainAFailedOneIsDropped)
{
    fakehid::DevicePtr device = fakehid::plug();
    startBackend();
    const hid::Handle handle = waitForArrival();
    ASSERT_NE(handle, 0u);
    auto writtenLast = [&](int n) {
        return waitFor([&] {
            const std::vector<fakehid::Report> written = device->written();
            return !written.empty() && written.back() == NumberedReport(n);
        });
    };
    // A signal interrupts the write three times: the same report goes out after all.
    device->interruptWrites(3, EINTR);
    ASSERT_TRUE(backend->write(handle, NumberedReport(1)));
    ASSERT_TRUE(writtenLast(1));
    // Any other failure drops the report (its request times out in the link above); the
    // next one goes out, and the device stays attached.
    device->interruptWrites(1, EIO);
    ASSERT_TRUE(backend->write(handle, NumberedReport(2)));
    ASSERT_TRUE(backend->write(handle, NumberedReport(3)));
    ASSERT_TRUE(writtenLast(3));
    EXPECT_EQ(device->written(), (std::vector{NumberedReport(1), NumberedReport(3)}));
    EXPECT_EQ(sink.count(Kind::Left), 0);
}

TEST_F(HidapiFake, ClosingWhileAReadWaitsEndsEveryThread)
{
    fakehid::DevicePtr device = fakehid::plug();
    startBackend();
    ASSERT_NE(waitForArrival(), 0u);
    ASSERT_TRUE(waitFor([&] { return device->readsWaiting() > 0; }));
    backend.reset();
    // The fixture checks that both handles were closed, each by its own thread, and that
    // hid_exit came last.
    EXPECT_TRUE(fakehid::waitUntilIdle(std::chrono::seconds(1)));
    EXPECT_EQ(sink.count(Kind::Left), 0);
}

struct RefusedOpen {
    const char* name;
    void (*refuse)(const fakehid::DevicePtr& device, bool on);
    int attemptsPerTry;  // the read open, and the write open when the read open succeeds
};

const RefusedOpen kRefusals[] = {
    {"EveryOpen", [](const fakehid::DevicePtr& d, bool on) { d->setOpenFails(on); }, 1},
    {"WriteOpenOnly", [](const fakehid::DevicePtr& d, bool on) { d->refuseSecondOpen(on); }, 2},
};

class RefusedOpens : public HidapiFake, public ::testing::WithParamInterface<RefusedOpen> {};

TEST_P(RefusedOpens, GiveTheHintOnceAndAreRetriedAtMostEveryTwoSeconds)
{
    fakehid::DevicePtr device = fakehid::plug();
    GetParam().refuse(device, true);
    ::testing::internal::CaptureStderr();
    startBackend();
    const int perTry = GetParam().attemptsPerTry;
    ASSERT_TRUE(waitFor([&] { return device->openAttempts() >= perTry; }));
    const auto firstTry = std::chrono::steady_clock::now();
    runFor(1500);  // seven more listings
    const std::string printed = ::testing::internal::GetCapturedStderr();
    const auto elapsed = std::chrono::steady_clock::now() - firstTry;
    ASSERT_LT(elapsed, 2s) << "the machine was too slow for the count below to mean anything";
    EXPECT_EQ(device->openAttempts(), perTry) << "not tried again within 2 s";
    EXPECT_EQ(device->openHandles(), 0);  // the read handle of a refused write open is closed
    EXPECT_EQ(printed,
              hid::detail::openFailureMessage(device->info().path, "Permission denied") + "\n");
    EXPECT_TRUE(sink.entries.empty());

    // Access granted while the meter stays plugged: the retry after 2 s opens it, at the
    // latest on the tenth listing after the refused try (listings are 200 ms apart or more).
    GetParam().refuse(device, false);
    EXPECT_NE(waitForArrival(), 0u);
    const std::vector<int> listings = device->openAttemptListings();
    ASSERT_EQ(listings.size(), static_cast<std::size_t>(perTry + 2));
    EXPECT_LE(listings[perTry] - listings[0], 10);
}

TEST_P(RefusedOpens, AReplugUnderANewPathIsOpenedAtOnce)
{
    fakehid::DevicePtr device = fakehid::plug();
    GetParam().refuse(device, true);
    ::testing::internal::CaptureStderr();
    startBackend();
    ASSERT_TRUE(waitFor([&] { return device->openAttempts() > 0; }));
    fakehid::unplug(device);
    runFor(300);  // a listing without the path
    fakehid::DevicePtr again = fakehid::plug({"/dev/hidraw-fake1"});
    const auto plugged = std::chrono::steady_clock::now();
    const bool arrived = waitForArrival() != 0;
    const auto took = std::chrono::steady_clock::now() - plugged;
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(arrived);
    EXPECT_LT(took, 1500ms) << "a new path waits for no retry";
    // The hint came once for the first path (if a listing still showed it), never for the second.
    EXPECT_EQ(printed.find("/dev/hidraw-fake1"), std::string::npos);
    EXPECT_LE(std::count(printed.begin(), printed.end(), '\n'), 1);
}

TEST_P(RefusedOpens, AReplugUnderTheSamePathIsTriedAtOnceAndHintedAgain)
{
    // hidraw gives a replugged meter its old /dev/hidrawN when that is free again.
    auto listings = [] { return fakehid::counts().listings; };
    fakehid::DevicePtr device;
    int listedBy = 0;  // listings made when the device was plugged
    auto plug = [&](bool refused) {
        device = fakehid::plug();
        GetParam().refuse(device, refused);
        listedBy = listings();
    };
    // The first open attempt came with the first listing that showed the device.
    auto triedAtOnce = [&] {
        const std::vector<int> at = device->openAttemptListings();
        return !at.empty() && at[0] <= listedBy + 1;
    };
    // Waits until the refused device's hint is out (it comes with the listing after the
    // failure), then unplugs it until a listing has gone without it.
    auto hintThenUnplug = [&] {
        const int failedAt = device->openAttemptListings().at(0);
        const bool hinted = waitFor([&] { return listings() >= failedAt + 2; });
        fakehid::unplug(device);
        const int unplugged = listings();
        return hinted && waitFor([&] { return listings() > unplugged; });
    };

    ::testing::internal::CaptureStderr();
    plug(true);
    startBackend();
    ASSERT_TRUE(waitFor([&] { return device->openAttempts() > 0; }));
    ASSERT_TRUE(hintThenUnplug());

    plug(true);
    ASSERT_TRUE(waitFor([&] { return device->openAttempts() > 0; }));
    EXPECT_TRUE(triedAtOnce()) << "not held back by the refusal before the unplug";
    ASSERT_TRUE(hintThenUnplug());
    const std::string hint =
        hid::detail::openFailureMessage(device->info().path, "Permission denied") + "\n";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), hint + hint);

    // The rule installed, the meter replugged: opened at once.
    plug(false);
    EXPECT_NE(waitForArrival(), 0u);
    EXPECT_TRUE(triedAtOnce());
}

INSTANTIATE_TEST_SUITE_P(HidapiFake, RefusedOpens, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HidapiFake, AStalledWriteHoldsNeitherTheGuiThreadNorShutdown)
{
    fakehid::DevicePtr device = fakehid::plug();
    device->stallWrites(2000ms);
    startBackend();
    const hid::Handle handle = waitForArrival();
    ASSERT_NE(handle, 0u);

    // A 30 ms tick on the GUI thread, as the link's scheduler has.
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(30);
    std::vector<std::chrono::steady_clock::time_point> ticks;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { ticks.push_back(std::chrono::steady_clock::now()); });
    tick.start();

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(backend->write(handle, NumberedReport(i)));  // the first stalls, two wait
    ASSERT_TRUE(waitFor([&] { return device->writesHeld() == 1; }));
    runFor(600);
    tick.stop();
    ASSERT_EQ(device->writesHeld(), 1);  // all of that ran while the device held the write
    ASSERT_GE(ticks.size(), 5u);
    for (std::size_t i = 1; i < ticks.size(); ++i)
        EXPECT_LT(ticks[i] - ticks[i - 1], 500ms) << "tick " << i;  // never held for the write

    // Shutdown leaves the stuck writer to finish on its own: it returns with the write still
    // held, and the writer closes its handle (and hidapi ends) once the device lets go.
    backend.reset();
    EXPECT_EQ(device->writesHeld(), 1);
    EXPECT_TRUE(fakehid::waitUntilIdle(std::chrono::seconds(3)));
    EXPECT_EQ(device->written().size(), 1u);  // the reports queued behind it were dropped
}

}  // namespace
