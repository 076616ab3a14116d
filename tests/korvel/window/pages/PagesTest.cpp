// The main window's pages: automatic reads on entering factory pages, version pages, refresh.
#include "tests/korvel/window/KorvelHarness.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

namespace {
void ClickTab(PageControl* pc, const QString& caption)
{
    ASSERT_TRUE(KorvelHarness::clickTab(pc, caption)) << "no tab " << caption.toStdString();
}
}  // namespace

TEST(Pages, EnteringTheCalibrationPageReadsInSchedulerOrderAndSkipsWithdrawnReads)
{
    KorvelHarness h({"/VORKAL"});
    h.w->show();
    for (std::uint8_t c : {110, 116, 129, 131})
        h.meter->setReplyData(c, {});
    ClickTab(h.C<qs::PageControl>("PageControl1"), "Tesztek");
    EXPECT_FALSE(
        h.C<qs::SpeedButton>("SpeedButton_ReadCalIn")->IsDown());  // no reads for this page
    ClickTab(h.C<qs::PageControl>("PageControl1"), "Quorin beállítások");
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadCalIn")->IsDown());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadPWMCal")->IsDown());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadCalPt")->IsDown());
    h.C<qs::SpeedButton>("SpeedButton_ReadPWMCal")->click();  // withdrawn before its turn
    h.meter->clearLog();
    for (int i = 0; i < 3; ++i)
        h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{110, 129, 101}));
}

TEST(Pages, SettingsPageReadsNothingLimitOutputPageReadsTheSettings)
{
    KorvelHarness h({"/VORKAL"});
    h.w->show();
    ClickTab(h.C<qs::PageControl>("PageControl1"), "Beállítások");
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->IsDown());
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings2")->IsDown());
    ClickTab(h.C<qs::PageControl>("PageControl1"), "Határérték kimenetek");
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings2")->IsDown());
    // A page change from code runs no change handler.
    h.C<qs::SpeedButton>("SpeedButton_ReadSettings2")->SetDown(false);
    h.C<qs::PageControl>("PageControl1")->setActivePage(h.C<QWidget>("TabSheet1"));
    h.C<qs::PageControl>("PageControl1")->setActivePage(h.C<QWidget>("TabSheet5"));
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings2")->IsDown());
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadCalIn")->IsDown());
}

TEST(Pages, AltWithAnyKeyRefreshesOtherModifiersDoNot)
{
    KorvelHarness h({"/VORKAL"});
    h.w->show();
    // The key preview sees the key before the focused edit does (one press, one refresh, even
    // though the edit leaves it to its parents).
    auto press = [&](Qt::KeyboardModifiers modifiers) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_X, modifiers);
        QApplication::sendEvent(h.C<QLineEdit>("Edit_GyariSzam"), &key);
    };
    press(Qt::AltModifier);
    press(Qt::AltModifier | Qt::ShiftModifier);
    press(Qt::AltModifier | Qt::ControlModifier);
    press(Qt::NoModifier);
    EXPECT_EQ(MainWindowTestAccess::RefreshCount(*h.w), 1);
    h.C<QPushButton>("Button_RefreshForm")->click();
    EXPECT_EQ(MainWindowTestAccess::RefreshCount(*h.w), 2);
}

TEST(Pages, ExitButtonEndsWithoutWritingTheSettingsFile)
{
    KorvelHarness h;
    const QString ini = QDir::temp().filePath("korvel-exit-test.ini");
    QFile::remove(ini);
    MainWindowTestAccess::SetIniPath(*h.w, ini);
    h.C<QPushButton>("Button_ExitFromApplication")->click();
    EXPECT_TRUE(MainWindowTestAccess::ExitsWithoutClose(*h.w));
    h.w->close();
    EXPECT_FALSE(QFile::exists(ini));

    KorvelHarness h2;
    MainWindowTestAccess::SetIniPath(*h2.w, ini);
    h2.w->show();
    h2.w->close();
    ASSERT_TRUE(QFile::exists(ini));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith("[Date]\nDate=")) << text.toStdString();
    EXPECT_TRUE(text.contains("   "));
    QFile::remove(ini);
}
