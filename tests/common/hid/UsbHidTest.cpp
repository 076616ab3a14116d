#include "common/hid/UsbHid.h"
#include "tests/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace qs;

namespace {
// A backend that tests drive by hand.
class FakeBackend : public hid::Backend {
public:
    Sink* sink = nullptr;
    std::vector<hid::Report> written;
    bool fromEventLoop = false;
    void start(Sink& s) override { sink = &s; }
    bool write(hid::Handle, const hid::Report& r) override
    {
        written.push_back(r);
        return true;
    }
    bool callsSinkFromEventLoop() const override { return fromEventLoop; }
};

struct Events {
    std::vector<std::pair<int, hid::Handle>> seen;
    hid::UsbHid::Hook hook()
    {
        return [this](unsigned message, int event, hid::Handle h) {
            EXPECT_EQ(message, hid::kNotifyMessage);
            seen.emplace_back(event, h);
            return true;
        };
    }
};

using eventloop::Pump;

hid::Report ReportOf(std::uint8_t first)
{
    hid::Report r{};
    r[0] = first;
    return r;
}
}  // namespace

TEST(UsbHid, NoDeviceMeansNothingIsReadOrWrittenAndNothingCrashes)
{
    auto* backend = new FakeBackend;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(backend)};
    Events events;
    usb.Connect(events.hook());
    std::uint8_t buffer[hid::kReportBufferSize] = {};
    EXPECT_EQ(usb.GetHandle(0x04D8, 0x003F), 0u);
    EXPECT_FALSE(usb.Read(0, buffer));
    EXPECT_FALSE(usb.Write(0, buffer));
    EXPECT_FALSE(usb.Read(7, nullptr));
    EXPECT_FALSE(usb.SetReadNotify(7, true));
    char name[4] = {'x', 'x', 'x', 'x'};
    usb.GetProductName(7, name, sizeof name);
    EXPECT_EQ(name[0], '\0');
    EXPECT_TRUE(backend->written.empty());
}

TEST(UsbHid, EventsComeFromTheEventLoopInOrder)
{
    auto* backend = new FakeBackend;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(backend)};
    Events events;
    usb.Connect(events.hook());
    backend->sink->deviceArrived(5, {0x04D8, 0x003F, "Quorin Kft.", "A rather long product name"});
    EXPECT_TRUE(events.seen.empty());  // never from inside the backend's call
    Pump();
    EXPECT_EQ(events.seen,
              (std::vector<std::pair<int, hid::Handle>>{{hid::Plugged, 5}, {hid::Changed, 5}}));
    EXPECT_EQ(usb.GetHandle(0x04D8, 0x003F), 5u);
    char name[8];
    usb.GetProductName(5, name, sizeof name);
    EXPECT_STREQ(name, "A rathe");  // cut to the buffer, NUL-terminated
}

TEST(UsbHid, ReportsAreReadOneByOneBehindAReportIdAndEarlierOnesAreAnnounced)
{
    auto* backend = new FakeBackend;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(backend)};
    Events events;
    usb.Connect(events.hook());
    backend->sink->deviceArrived(1, {0x04D8, 0x003F, "", ""});
    backend->sink->reportArrived(1, ReportOf(0xA1));  // before notification was asked for
    Pump();
    events.seen.clear();
    ASSERT_TRUE(usb.SetReadNotify(1, true));
    backend->sink->reportArrived(1, ReportOf(0xA2));
    Pump();
    EXPECT_EQ(events.seen.size(), 2u);
    std::uint8_t buffer[hid::kReportBufferSize];
    ASSERT_TRUE(usb.Read(1, buffer));
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0xA1);
    ASSERT_TRUE(usb.Read(1, buffer));
    EXPECT_EQ(buffer[1], 0xA2);
    EXPECT_FALSE(usb.Read(1, buffer));

    // Unread reports are kept up to a bound, the oldest going first.
    for (int i = 0; i < 100; ++i)
        backend->sink->reportArrived(1, ReportOf(static_cast<std::uint8_t>(i)));
    int count = 0;
    std::uint8_t first = 0;
    while (usb.Read(1, buffer))
        first = count++ == 0 ? buffer[1] : first;
    EXPECT_EQ(count, 64);
    EXPECT_EQ(first, 36);
}

TEST(UsbHid, AnUnpluggedDeviceKeepsItsIdsForItsEventAndTakesNoWrites)
{
    auto* backend = new FakeBackend;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(backend)};
    std::vector<std::uint16_t> idsAtUnplug;
    usb.Connect([&](unsigned, int event, hid::Handle h) {
        if (event == hid::Unplugged)
            idsAtUnplug = {usb.GetVendorID(h), usb.GetProductID(h)};
        return true;
    });
    backend->sink->deviceArrived(3, {0x04D8, 0x003F, "", ""});
    backend->sink->deviceLeft(3);
    std::uint8_t buffer[hid::kReportBufferSize] = {};
    EXPECT_FALSE(usb.Write(3, buffer));
    backend->sink->reportArrived(3, ReportOf(1));
    EXPECT_FALSE(usb.Read(3, buffer));
    Pump();
    // So the hook can tell the unplug to be ours; then the device is forgotten.
    EXPECT_EQ(idsAtUnplug, (std::vector<std::uint16_t>{0x04D8, 0x003F}));
    EXPECT_EQ(usb.GetVendorID(3), 0);
    EXPECT_EQ(usb.GetHandle(0x04D8, 0x003F), 0u);
    EXPECT_FALSE(usb.Write(3, buffer));
    EXPECT_TRUE(backend->written.empty());
}

TEST(UsbHid, AThousandReplugsLeaveAtMostOneDeviceKnown)
{
    auto* backend = new FakeBackend;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(backend)};
    Events events;
    usb.Connect(events.hook());
    std::size_t most = 0;
    for (hid::Handle h = 1; h <= 1000; ++h) {
        backend->sink->deviceArrived(h, {0x04D8, 0x003F, "Quorin Kft.", "Quorin panel meter"});
        Pump();
        most = std::max(most, usb.DevicesKnown());
        ASSERT_EQ(usb.GetHandle(0x04D8, 0x003F), h);
        backend->sink->reportArrived(h, ReportOf(static_cast<std::uint8_t>(h)));
        backend->sink->deviceLeft(h);
        most = std::max(most, usb.DevicesKnown());
        Pump();
    }
    EXPECT_LE(most, 1u);
    EXPECT_EQ(usb.DevicesKnown(), 0u);
    EXPECT_EQ(events.seen.size(), 4000u);  // plugged, changed, unplugged, changed
}

TEST(UsbHid, ABackendCallingFromTheEventLoopHasItsEventsHandedOnAtOnceAndNeverNested)
{
    auto* backend = new FakeBackend;
    backend->fromEventLoop = true;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(backend)};
    std::vector<std::pair<int, hid::Handle>> seen;
    int running = 0;
    usb.Connect([&](unsigned, int event, hid::Handle h) {
        EXPECT_EQ(running++, 0) << "a hook nested in another";
        seen.emplace_back(event, h);
        // A report of the device's that comes while the hook runs waits for it.
        if (event == hid::Plugged)
            backend->sink->reportArrived(h, ReportOf(0xA1));
        --running;
        return true;
    });
    backend->sink->deviceArrived(4, {0x04D8, 0x003F, "", ""});
    EXPECT_EQ(seen,
              (std::vector<std::pair<int, hid::Handle>>{{hid::Plugged, 4}, {hid::Changed, 4}}));
    ASSERT_TRUE(usb.SetReadNotify(4, true));          // the report that waited is announced ...
    EXPECT_EQ(seen.size(), 2u);                       // ... from the event loop, not from in here
    backend->sink->reportArrived(4, ReportOf(0xA2));  // after it, even though it comes at once
    Pump();
    const std::vector<std::pair<int, hid::Handle>> expected{
        {hid::Plugged, 4}, {hid::Changed, 4}, {hid::ReportReady, 4}, {hid::ReportReady, 4}};
    EXPECT_EQ(seen, expected);
    std::uint8_t buffer[hid::kReportBufferSize];
    ASSERT_TRUE(usb.Read(4, buffer));
    EXPECT_EQ(buffer[1], 0xA1);
    ASSERT_TRUE(usb.Read(4, buffer));
    EXPECT_EQ(buffer[1], 0xA2);
}
