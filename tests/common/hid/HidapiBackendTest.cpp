#include "HidapiFixture.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

using namespace qs;

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

TEST(HidapiBackendNames, OpenFailureLineNamesPathRuleSectionAndCommands)
{
    const std::string line = hid::detail::openFailureMessage("/dev/hidraw3", "Permission denied");
    EXPECT_EQ(
        line,
        "USB meter at /dev/hidraw3 cannot be opened (Permission denied). To allow access, install the "
        "udev rule 70-quorin-meter.rules (README, section \"USB access\"): sudo cp 70-quorin-meter.rules "
        "/etc/udev/rules.d/ && sudo udevadm control --reload-rules && sudo udevadm trigger");
    // No path that exists only in a checkout.
    EXPECT_EQ(line.find("packaging"), std::string::npos);

    const std::string bare = hid::detail::openFailureMessage("/dev/hidraw0", "");
    EXPECT_EQ(bare.find("()"), std::string::npos);
    EXPECT_EQ(bare.rfind("USB meter at /dev/hidraw0 cannot be opened. To allow access", 0), 0u);
}

TEST(HidapiBackendNames, TheHintsRuleAndSectionExist)
{
    // The rule ships under the name the hint gives, and the README has the section the hint
    // names, with the rule's text and the hint's commands in it.
    QFile rule(QStringLiteral(QS_SOURCE_DIR "/packaging/") + hid::detail::kUdevRuleFile);
    ASSERT_TRUE(rule.open(QIODevice::ReadOnly));
    QFile readme(QStringLiteral(QS_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const QString heading = QStringLiteral("\n## ") + hid::detail::kUdevReadmeSection + "\n";
    const qsizetype start = text.indexOf(heading);
    ASSERT_GE(start, 0);
    const qsizetype end = text.indexOf(QStringLiteral("\n## "), start + 1);
    const QString section = text.mid(start, end < 0 ? -1 : end - start);
    for (const QByteArray& ruleLine : rule.readAll().split('\n')) {
        if (ruleLine.startsWith("KERNEL")) {
            EXPECT_TRUE(section.contains(QString::fromUtf8(ruleLine))) << ruleLine.toStdString();
        }
    }
    EXPECT_TRUE(section.contains("sudo cp 70-quorin-meter.rules /etc/udev/rules.d/"));
    EXPECT_TRUE(section.contains("sudo udevadm control --reload-rules && sudo udevadm trigger"));
}

}  // namespace
