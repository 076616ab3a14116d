// The frame monitor both programs show, with either program's look: versions with "." or the
// locale's date separator, and the pause switch below the group or as its last row.
#include "common/ui/FrameMonitor.h"
#include "common/VersionDate.h"
#include "tests/FindControl.h"
#include "tests/LocaleScope.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace qs;

namespace {

FrameMonitorLook Look(bool localeSeparator, QBoxLayout* outer)
{
    return {.title = QStringLiteral("MBU   v"),
            .onlineCaption = QStringLiteral("USB"),
            .replyCaption = QStringLiteral("Rx"),
            .lampsInOwnRow = false,
            .idsInLastColumn = false,
            .tightRows = false,
            .requestRows = {},
            .replyRows = {},
            .plainColoursAtStart = false,
            .keepRoomForBufferFull = false,
            .dumpHeight = 60,
            .dumpsSideBySide = false,
            .clearButton = false,
            .colourFramesPerSecond = false,
            .localeVersionSeparator = localeSeparator,
            .highestLinkError = 6,
            .outer = outer};
}

QString Text(const QWidget& page, const char* name)
{
    const QLabel* label = findcontrol::Find<QLabel>(&page, name);
    return label ? label->text() : QString();
}

}  // namespace

TEST(FrameMonitor, VersionsTakeADotOrTheLocalesDateSeparator)
{
    struct Row {
        bool localeSeparator;
        QLocale locale;
        const char* low;
        const char* firmware;
    };
    const Row rows[] = {
        {false, QLocale(QLocale::English, QLocale::UnitedStates), "2020.06.19.", "2020.08.01."},
        {false, HungarianLocale(), "2020.06.19.", "2020.08.01."},
        {true, QLocale(QLocale::English, QLocale::UnitedStates), "2020/06/19/", "2020/08/01/"},
        {true, QLocale(QLocale::German, QLocale::Germany), "2020.06.19.", "2020.08.01."},
    };
    for (const Row& row : rows) {
        LocaleScope locale(row.locale);
        QWidget page;
        auto* monitor = new FrameMonitor(&page, Look(row.localeSeparator, nullptr));
        monitor->ShowRequest(
            {5530, VersionDateCode(2020, 6, 19), VersionDateCode(2020, 12, 31), 101},
            [] { return QStringLiteral("01 02"); });
        monitor->ShowReply({5530, VersionDateCode(2020, 8, 1), 7},
                           [] { return QStringLiteral("03 04"); });
        EXPECT_EQ(Text(page, "Label_MBUTxVerL"), row.low) << row.locale.name().toStdString();
        EXPECT_EQ(Text(page, "Label_MBURxVer"), row.firmware) << row.locale.name().toStdString();
        EXPECT_EQ(monitor->VersionText(VersionDateCode(2020, 8, 1)), row.firmware);
    }
}

TEST(FrameMonitor, PauseSwitchStandsBelowTheGroupOrAsItsLastRow)
{
    for (const bool below : {true, false}) {
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* monitor = new FrameMonitor(&page, Look(false, below ? layout : nullptr));
        if (!below)
            layout->addWidget(monitor);
        auto* pause = findcontrol::Find<QCheckBox>(&page, "CheckBox_MBUPause");
        ASSERT_NE(pause, nullptr);
        EXPECT_EQ(pause->parentWidget(), below ? &page : static_cast<QWidget*>(monitor));
        // Tab order: below the group the switch comes before the dumps, as its page made it.
        QWidget* dump = findcontrol::Find<QWidget>(&page, "Memo_MBUTx");
        bool dumpFirst = false;
        for (QWidget* w = page.nextInFocusChain(); w != &page; w = w->nextInFocusChain()) {
            if (w == dump || w == pause) {
                dumpFirst = w == dump;
                break;
            }
        }
        EXPECT_EQ(dumpFirst, !below);

        QSignalSpy toggled(monitor, &FrameMonitor::pollPauseToggled);
        pause->click();
        ASSERT_EQ(toggled.count(), 1);
        EXPECT_TRUE(toggled.front().front().toBool());
    }
}
