// Renders the main window on a connected simulated meter into PNG files, for looking at the
// layout. Runs only when QS_SCREENSHOT_DIR names a folder.
#include "KorvelHarness.h"

#include <QDir>
#include <QTimer>
#include <QLocale>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(Screenshot, MainWindowPages)
{
    const QByteArray dir = qgetenv("QS_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set QS_SCREENSHOT_DIR to render the pages";
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    {
        KorvelHarness h({"/VORKAL"});
        h.w->show();
        StatusRecord& s = h.meter->status;
        s.uGyariSzamEv = 20;
        s.uGyariSzamHonap = 8;
        s.iADRaw = 3000000;
        s.iADAveraged = 2990000;
        s.uErrorBits = 0b10;
        s.fFizikaiMennyiseg = 12.5f;
        s.fKimenetSzazalek = 0.625f;
        s.iSkalazottKijezesiErtek = 12345;
        s.uQVOptIn = 1;
        s.uInputType = 0;
        s.uDecimals = 2;
        s.uCRCOKbits = 0x0F;
        s.uAfterWriteOKbits = 0x0F;
        s.uSPS = 50;
        s.uFRAMSizeKB = 32;
        s.uSecondsOfOperation = 90061;
        s.uDigitalOutputs = 0b0101;
        s.uMainLoopFrequency = 12345;
        for (int i = 0; i < 2; ++i) {
            h.tick();
            h.session().SecondTick();
        }
        h.tick();
        const QString out = QString::fromUtf8(dir);
        QDir().mkpath(out);
        struct Page {
            QWidget* page;
            const char* file;
        };
        // The reply lamp is lit on the first page's picture and out on the others, however
        // fast the machine renders them.
        KorvelHarness::holdTimers(h.session(), h.w);
        bool first = true;
        for (const Page& p : {Page{h.C("TabSheet1"), "factory-calibration.png"},
                              Page{h.C("TabSheet_Settings"), "factory-settings.png"},
                              Page{h.C("TabSheet5"), "factory-limits.png"},
                              Page{h.C("TabSheet6"), "factory-tests.png"},
                              Page{h.C("TabSheet9"), "factory-monitor.png"}}) {
            h.C<qs::PageControl>("PageControl1")->setActivePage(p.page);
            if (!first)
                eventloop::RunOut(h.lampTimer());
            first = false;
            KorvelHarness::pump();
            EXPECT_TRUE(h.w->grab().save(out + "/" + p.file));
        }
        h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
        h.C<qs::PageControl>("PageControl1")->setActivePage(h.C<QWidget>("TabSheet1"));
        KorvelHarness::pump();
        EXPECT_TRUE(h.w->grab().save(out + "/factory-calibration-direct-drive.png"));
        h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_5530"));
        KorvelHarness::pump();
        EXPECT_TRUE(h.w->grab().save(out + "/model-5530.png"));
        h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_5510"));
        KorvelHarness::pump();
        EXPECT_TRUE(h.w->grab().save(out + "/model-5510.png"));
        h.C<qs::PageControl>("PageControl4")->setActivePage(h.C<QWidget>("TabSheet_3310"));
        KorvelHarness::pump();
        EXPECT_TRUE(h.w->grab().save(out + "/model-3310.png"));
        h.forms->Form_QVSER->show();
        KorvelHarness::pump();
        EXPECT_TRUE(h.forms->Form_QVSER->grab().save(out + "/dialog-qvser.png"));
        h.forms->Form_QVSER->hide();
    }
    {
        KorvelHarness h;
        h.w->show();
        h.meter->failNextReplies(3);
        h.tick();
        KorvelHarness::pump();
        EXPECT_TRUE(h.w->grab().save(QString::fromUtf8(dir) + "/too-old.png"));
    }
    {
        KorvelHarness h;
        h.w->show();
        h.meter->failNextReplies(4);
        h.tick();
        KorvelHarness::pump();
        EXPECT_TRUE(h.w->grab().save(QString::fromUtf8(dir) + "/too-new.png"));
    }
    {
        // A QV3320 with relays in both output slots, as its user sees it: its page alone,
        // with both lamps.
        KorvelHarness h;
        h.w->show();
        h.meter->deviceType = 3320;
        h.meter->status.uQVOptIn = 1;
        h.meter->status.uQVOptOut2 = 5;
        h.meter->status.uQVOptOut1 = 5;
        h.meter->status.uDigitalOutputs = 0b01;
        for (int second = 0; second < 2; ++second) {
            h.tick();
            h.session().SecondTick();
        }
        h.tick();
        eventloop::RunOut(h.lampTimer());
        KorvelHarness::pump();
        EXPECT_TRUE(h.w->grab().save(QString::fromUtf8(dir) + "/model-3320.png"));
    }
    QLocale::setDefault(QLocale::c());
}
