// Start-up, activation, the factory switch and the USB events of the main window.
#include "KorvelHarness.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(Startup, FormsAreCreatedInOrder)
{
    KorvelHarness h({"/VORKAL"});
    QStringList names;
    for (QWidget* f : h.forms->creationOrder)
        names << f->objectName();
    EXPECT_EQ(names,
              (QStringList{"Form1", "Form_Keszulekcsere", "Form_QVAIN", "Form_IncDec", "Form_QVAO",
                           "Form_QVRO", "Form_QVSER", "Form_Password", "Form_QVTMP"}));
    EXPECT_EQ(h.w->size(), QSize(1321, 946));
    // Centred on the screen with its frame (the tests' offscreen screen has room for it): the
    // frame's top-left corner, 1337 x 984 outside.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(h.w->pos(), QPoint(screen.left() + (screen.width() - 1337) / 2,
                                 screen.top() + (screen.height() - 984) / 2));
    h.w->show();  // the factory pages fit the window as it is
    KorvelHarness::pump();
    EXPECT_EQ(h.w->size(), QSize(1321, 946));
    EXPECT_TRUE(h.session().Clock().TickTimer()->interval() == 30 &&
                h.session().Clock().TimeOutTimer()->interval() == 200);
    EXPECT_FALSE(h.session().Clock().TimeOutTimer()->isActive());
}

TEST(Startup, TitleAndMonitorCaptionCarryTheProgramDateInTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    {
        KorvelHarness h;
        EXPECT_EQ(h.w->windowTitle(),
                  QString("A Quorin 32 bites készülékcsalád beállító programja   v2020.08.27."));
        EXPECT_EQ(h.C<QGroupBox>("GroupBox_MBU")->title(), "MBU3   v2020.08.27.");
    }
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));  // dd-MM-y
    {
        KorvelHarness h;
        EXPECT_TRUE(h.w->windowTitle().endsWith("v2020-08-27-"));
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        KorvelHarness h;
        EXPECT_TRUE(h.w->windowTitle().endsWith("v2020/08/27/"));
    }
    QLocale::setDefault(QLocale::c());
}

TEST(Startup, FactorySwitchIsAcceptedInAnyCaseAndPosition)
{
    struct Case {
        QStringList args;
        int factory;
    };
    const Case cases[] = {
        {{}, 0},           {{"/VORKAL"}, 1}, {{"x", "/vorKal"}, 1},
        {{"/VORKALX"}, 0}, {{"/VORKA"}, 0},  {{"VORKAL"}, 0},
    };
    for (const Case& c : cases) {
        KorvelHarness h(c.args);
        EXPECT_EQ(h.state().FactoryMode, c.factory) << c.args.join(' ').toStdString();
        EXPECT_EQ(
            h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_Quorin")),
            c.factory == 1);
        EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_3310")),
                  c.factory == 1);
    }
}

TEST(Startup, OutsideFactoryModeNoPageContentShows)
{
    KorvelHarness h;
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->visibleTabCount(), 0);
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->activePage(), nullptr);
    EXPECT_EQ(h.C<qs::PageControl>("PageControl5")->activePage(), h.C<QWidget>("TabSheet_NoComm"));
    // A re-activation hides model tabs shown meanwhile.
    h.C<qs::PageControl>("PageControl4")->setTabVisible(h.C<QWidget>("TabSheet_3320"), true);
    h.w->show();
    QApplication::setActiveWindow(h.w);
    KorvelHarness::pump();
    EXPECT_FALSE(h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_3320")));
}

TEST(UsbEvents, PlugShowsTheDeviceAndUnplugClearsIt)
{
    KorvelHarness h({"/VORKAL"});
    EXPECT_EQ(h.session().Online(), 1);
    EXPECT_EQ(h.C<qs::Shape>("Shape_MBUOn")->brushColor(), clLime);
    EXPECT_FALSE(h.C<QLabel>("Label_USBOnline")->isHidden());
    EXPECT_EQ(h.C<QLabel>("Label_VendorID")->text(), "$04D8 = 1240");
    EXPECT_EQ(h.C<QLabel>("Label_ProductID")->text(), "$003F = 63");
    EXPECT_EQ(h.C<QLabel>("Label_VendorName")->text(), "Quorin Kft.");

    h.meter->unplug();
    KorvelHarness::pump();
    EXPECT_EQ(h.session().Online(), 0);
    EXPECT_EQ(h.C<qs::Shape>("Shape_MBUOn")->brushColor(), clBtnFace);
    EXPECT_TRUE(h.C<QLabel>("Label_USBOnline")->isHidden());
    EXPECT_TRUE(h.C<QLabel>("Label_ProductID")->text().isEmpty());
}

TEST(UsbEvents, OtherDevicesAndMessagesAreIgnoredButEveryReportBeeps)
{
    KorvelHarness h;
    EXPECT_FALSE(h.session().Hook().HandleMessage(0x0400, hid::Plugged, h.meter->handle()));
    EXPECT_FALSE(h.session().Hook().HandleMessage(hid::kNotifyMessage, 5, h.meter->handle()));
    EXPECT_TRUE(h.session().Hook().HandleMessage(hid::kNotifyMessage, hid::Unplugged,
                                                 999));  // unknown device: handled, ignored
    EXPECT_EQ(h.session().Online(), 1);
    const int beeps = h.session().Hook().BeepCount();
    EXPECT_TRUE(h.session().Hook().HandleMessage(hid::kNotifyMessage, hid::ReportReady, 999));
    EXPECT_EQ(h.session().Hook().BeepCount(), beeps + 1);
}

TEST(UsbEvents, AMeterOfAnotherIdentityIsNotServed)
{
    auto* meter = new SimulatedMeter;
    meter->productId = 0x0040;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(meter)};
    KorvelForms forms(usb, {});
    LinkSession& session = MainWindowTestAccess::Session(*forms.Form1);
    MeterHarness::holdTimers(session);
    KorvelHarness::pump();
    EXPECT_EQ(session.Online(), 0);
    session.Tick();
    EXPECT_TRUE(meter->framesReceived().empty());
}

TEST(DeviceChange, FirstDeviceIsAdoptedSilentlyAndAReplacementRaisesTheNotice)
{
    KorvelHarness h({"/VORKAL"});
    auto* notice = h.forms->Form_Keszulekcsere;
    h.tick();
    EXPECT_EQ(h.session().RequestedDeviceType(), 5530);
    EXPECT_FALSE(notice->isVisible());
    h.tick();
    EXPECT_EQ(h.meter->framesReceived().back()[0] | (h.meter->framesReceived().back()[1] << 8),
              5530);

    // Same meter unplugged and plugged again: nothing changes.
    h.meter->unplug();
    h.meter->plug();
    KorvelHarness::pump();
    h.tick();
    EXPECT_FALSE(notice->isVisible());

    // Another meter of the same type.
    h.meter->deviceId = 3000000000u;
    h.tick();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(findcontrol::Find<QLabel>(notice, "Label_uDeviceID")->text(), "3000000000");
    EXPECT_EQ(findcontrol::Find<QLabel>(notice, "Label_uLastDeviceID")->text(), "1234567");
    EXPECT_EQ(FontColorOf(findcontrol::Find<QLabel>(notice, "Label_uDeviceID")), clRed);
    EXPECT_EQ(FontColorOf(findcontrol::Find<QLabel>(notice, "Label_uDevice")), clBlack);

    // While it shows nothing is compared; a time-out closes it.
    h.meter->deviceType = 3320;
    h.tick();
    EXPECT_EQ(findcontrol::Find<QLabel>(notice, "Label_uDevice")->text(), "5530");
    h.meter->dropNextReplies();
    h.session().Tick();
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return !notice->isVisible(); }, 1000));
    h.tick();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(findcontrol::Find<QLabel>(notice, "Label_uDevice")->text(), "3320");
    EXPECT_EQ(FontColorOf(findcontrol::Find<QLabel>(notice, "Label_uDevice")), clRed);
    EXPECT_EQ(h.session().RequestedDeviceType(), 3320);
    findcontrol::Find<QPushButton>(notice, "Button_Ok")->click();
    EXPECT_FALSE(notice->isVisible());
}

TEST(Startup, WindowSizeDoesNotDependOnTheFonts)
{
    // Two font sets: the window's own, and one whose text stands far taller (as a substitute
    // family with larger metrics does). The window keeps 1321 x 946; the pages scroll.
    for (const int pixelSize : {11, 24}) {
        SCOPED_TRACE(pixelSize);
        KorvelHarness h({"/VORKAL"});
        QFont font = h.w->font();
        font.setPixelSize(pixelSize);
        h.w->setFont(font);
        h.w->show();
        KorvelHarness::pump();
        EXPECT_EQ(h.w->size(), QSize(1321, 946));
        EXPECT_LE(h.w->minimumSizeHint().height(), 946);
        EXPECT_LE(h.w->minimumSizeHint().width(), 1321);
    }
}

TEST(Startup, FactoryModeAndTabsAreDecidedBeforeTheFirstShowWithoutAnyActivation)
{
    for (const bool factory : {false, true}) {
        SCOPED_TRACE(factory);
        auto* meter = new SimulatedMeter;
        hid::UsbHid usb{std::unique_ptr<hid::Backend>(meter)};
        KorvelForms forms(usb, factory ? QStringList{"/VORKAL"} : QStringList{});
        MainWindow* w = forms.Form1;
        // Never shown, so never activated: what the first show would present.
        ASSERT_FALSE(w->isVisible());
        EXPECT_EQ(MainWindowTestAccess::State(*w).FactoryMode, factory ? 1 : 0);
        EXPECT_EQ(findcontrol::Find<qs::PageControl>(w, "PageControl4")
                      ->isTabVisible(findcontrol::Find<QWidget>(w, "TabSheet_Quorin")),
                  factory);
        EXPECT_EQ(findcontrol::Find<qs::PageControl>(w, "PageControl4")->visibleTabCount(),
                  factory ? 7 : 0);
        EXPECT_EQ(findcontrol::Find<qs::PageControl>(w, "PageControl4")->activePage(),
                  factory ? findcontrol::Find<QWidget>(w, "TabSheet_Quorin") : nullptr);
    }
}
