// Renders Ombrik's window on a connected simulated meter into PNG files, one per page, for
// looking at the layout. Runs only when QS_SCREENSHOT_DIR names a folder.
#include "tests/LocaleScope.h"
#include "OmbrikHarness.h"

#include <QDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

TEST(OmbrikScreenshot, EveryPage)
{
    const QByteArray dir = qgetenv("QS_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set QS_SCREENSHOT_DIR to render the pages";
    LocaleScope scope(HungarianLocale());
    OmbrikHarness h;
    h.w->show();
    LiveStatus& s = h.meter->status;
    s.iADRaw = 3000000;
    s.iADAveraged = 2990000;
    s.uErrorBits = live_status::OutputNotCalibrated;
    s.fFizikaiMennyiseg = 12.5f;
    s.fKimenetSzazalek = 0.625f;
    s.iSkalazottKijezesiErtek = 12345;
    s.uDecimals = 2;
    s.uSPS = 50;
    h.meter->mbu.options = {1, 1};
    h.button("SpeedButton_OptionRead")->click();
    h.button("SpeedButton_ReadCalPt")->click();
    h.tick(3);
    // The settings read, and a display image (a frame and a diagonal) read two rows a frame.
    h.button("SpeedButton_ReadSettings")->click();
    h.tick(3);
    DisplayImage& image = h.meter->mbu.display;
    for (int y = 0; y < DisplayImage::kHeight; ++y)
        for (int x = 0; x < DisplayImage::kWidth; ++x)
            if (x == 0 || y == 0 || x == 127 || y == 63 || x == 2 * y)
                image.bytes[16 * static_cast<std::size_t>(y) + static_cast<std::size_t>(x / 8)] |=
                    0x80 >> (x % 8);
    h.button("SpeedButton_ReadDisplay")->click();
    h.tick(32);
    h.session().SecondTick();
    const QString out = QString::fromUtf8(dir);
    QDir().mkpath(out);
    // The reply lamp is lit on the first page's picture and out on the others, however fast
    // the machine renders them.
    OmbrikHarness::holdTimers(h.session(), h.w.get());
    for (int i = 0; i < h.find<qs::PageControl>("PageControl1")->pageCount(); ++i) {
        QWidget* page = h.find<qs::PageControl>("PageControl1")->page(i);
        h.find<qs::PageControl>("PageControl1")->setActivePage(page);
        if (i == 1)
            eventloop::RunOut(h.lampTimer());
        eventloop::Pump();
        EXPECT_TRUE(h.w->grab().save(out + "/ombrik-" + page->objectName() + ".png"));
    }
    // The calibration page with its hidden controls shown and the QVAIN input.
    h.find<qs::PageControl>("PageControl1")->setActivePage(h.find<QWidget>("TabSheet1"));
    for (QWidget* hidden : {static_cast<QWidget*>(h.find<QGroupBox>("GroupBox_OutputCal")),
                            static_cast<QWidget*>(h.button("SpeedButton_CheckCurrent")),
                            static_cast<QWidget*>(h.button("SpeedButton_CheckVoltage"))})
        hidden->setVisible(true);
    h.find<qs::PageControl>("PageControl2")->setActivePage(h.find<QWidget>("TabSheet7"));
    eventloop::Pump();
    EXPECT_TRUE(h.w->grab().save(out + "/ombrik-TabSheet1-all.png"));
}
