#include "HidapiFixture.h"

#include <QEventLoop>
#include <QTimer>

namespace {

using hid::HidapiBackend;
using Kind = RecordingSink::Entry::Kind;

hid::Report filledReport()
{
    hid::Report report;
    report.fill(0x5A);
    return report;
}

TEST_F(HidapiFake, ConstructedButNeverStartedIsHarmless)
{
    HidapiBackend unstarted(kVendor, kProduct);
    EXPECT_FALSE(unstarted.write(0, filledReport()));
    EXPECT_FALSE(unstarted.write(1, filledReport()));
    EXPECT_EQ(fakehid::counts().initCalls, 0);
}

TEST_F(HidapiFake, WithoutDeviceNothingArrivesAndWritesFail)
{
    // A device of another product is not ours.
    fakehid::DeviceInfo other;
    other.productId = 0x0040;
    fakehid::plug(other);
    startBackend();
    backend->start(sink);  // a second start must not set up a second finder
    runFor(500);           // a couple of listing rounds
    EXPECT_TRUE(sink.entries.empty());
    EXPECT_FALSE(backend->write(0, filledReport()));
    EXPECT_FALSE(backend->write(1, filledReport()));
    EXPECT_EQ(fakehid::counts().openHandles, 0);
}

TEST_F(HidapiFake, BackendsCanFollowOneAnother)
{
    // Each backend's life is one hid_init .. hid_exit; the next starts afresh.
    for (int i = 0; i < 2; ++i) {
        startBackend();
        runFor(20);
        backend.reset();
        ASSERT_TRUE(fakehid::waitUntilIdle(std::chrono::seconds(1)));
    }
    EXPECT_EQ(fakehid::counts().initCalls, 2);
    EXPECT_EQ(fakehid::counts().exitCalls, 2);
    fakehid::reset();
    fakehid::forbidThread(std::this_thread::get_id());
}

TEST_F(HidapiFake, NothingQueuedReachesTheSinkAfterTheBackendIsGone)
{
    fakehid::DevicePtr device = fakehid::plug();
    startBackend();
    ASSERT_NE(waitForArrival(), 0u);
    for (int i = 0; i < 50; ++i)
        device->inject(NumberedReport(i));
    backend.reset();
    const std::size_t seen = sink.entries.size();
    runFor(50);
    EXPECT_EQ(sink.entries.size(), seen);
    EXPECT_EQ(sink.count(Kind::Left), 0);
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
