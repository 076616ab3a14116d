#include "hid/HidapiBackend.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

using hid::HidapiBackend;

// An identity no real device carries (vendor 0xFFFF is reserved), so the tests behave the
// same whether or not a meter happens to be plugged in.
constexpr std::uint16_t kNoVendor = 0xFFFF;
constexpr std::uint16_t kNoProduct = 0xFFFF;

struct RecordingSink final : hid::Backend::Sink {
    std::vector<hid::Handle> arrived, left, reports;
    void deviceArrived(hid::Handle handle, const hid::DeviceIdentity&) override
    {
        arrived.push_back(handle);
    }
    void deviceLeft(hid::Handle handle) override { left.push_back(handle); }
    void reportArrived(hid::Handle handle, const hid::Report&) override
    {
        reports.push_back(handle);
    }
};

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

hid::Report filledReport()
{
    hid::Report report;
    report.fill(0x5A);
    return report;
}

TEST(HidapiBackend, ConstructedButNeverStartedIsHarmless)
{
    HidapiBackend backend(0x04D8, 0x003F);
    EXPECT_FALSE(backend.write(0, filledReport()));
    EXPECT_FALSE(backend.write(1, filledReport()));
}

TEST(HidapiBackend, WithoutDeviceNothingArrivesAndWritesFail)
{
    RecordingSink sink;
    {
        HidapiBackend backend(kNoVendor, kNoProduct);
        backend.start(sink);
        backend.start(sink);  // a second start must not set up a second poller
        runEventLoop(500);    // a couple of polling rounds
        EXPECT_TRUE(sink.arrived.empty());
        EXPECT_TRUE(sink.left.empty());
        EXPECT_TRUE(sink.reports.empty());
        EXPECT_FALSE(backend.write(0, filledReport()));
        EXPECT_FALSE(backend.write(1, filledReport()));
    }
    // Nothing the destroyed backend left queued may reach the sink afterwards.
    runEventLoop(50);
    EXPECT_TRUE(sink.arrived.empty());
    EXPECT_TRUE(sink.left.empty());
}

TEST(HidapiBackend, BackendsCanFollowOneAnother)
{
    // hid_exit in one backend's destructor must leave hidapi usable for the next.
    RecordingSink sink;
    for (int i = 0; i < 2; ++i) {
        HidapiBackend backend(kNoVendor, kNoProduct);
        backend.start(sink);
        runEventLoop(20);
    }
    EXPECT_TRUE(sink.arrived.empty());
}

TEST(HidapiBackendNames, WideNamesBecomeUtf8)
{
    using hid::detail::wideToUtf8;
    EXPECT_EQ(wideToUtf8(nullptr), "");
    EXPECT_EQ(wideToUtf8(L""), "");
    EXPECT_EQ(wideToUtf8(L"Microchip Technology Inc."), "Microchip Technology Inc.");
    // Accented letters and a character outside the basic plane keep their UTF-8 bytes.
    EXPECT_EQ(wideToUtf8(L"M\u00E9r\u0151m\u0171szer"), "M\xC3\xA9r\xC5\x91m\xC5\xB1szer");
    EXPECT_EQ(wideToUtf8(L"\U0001F50C"), "\xF0\x9F\x94\x8C");
}

TEST(HidapiBackendNames, OpenFailureLineNamesPathAndFix)
{
    const std::string line = hid::detail::openFailureMessage("/dev/hidraw3", "Permission denied");
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_NE(line.find("/dev/hidraw3"), std::string::npos);
    EXPECT_NE(line.find("Permission denied"), std::string::npos);
    EXPECT_NE(line.find("packaging/70-quorin-meter.rules"), std::string::npos);
    EXPECT_NE(line.find("/etc/udev/rules.d/"), std::string::npos);
    EXPECT_NE(line.find("udevadm control --reload-rules && udevadm trigger"), std::string::npos);
    EXPECT_NE(line.find("replug"), std::string::npos);

    const std::string bare = hid::detail::openFailureMessage("/dev/hidraw0", "");
    EXPECT_EQ(bare.find("()"), std::string::npos);
}

}  // namespace
