// Start-up, activation, the factory switch and the USB events of the main window.
#include "KorvelHarness.h"
#include "ModuleDialog.h"
#include "Unit2.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(Startup, FormsAreCreatedInOrder)
{
    KorvelHarness h({"/VORKAL"});
    QStringList names;
    for (QWidget* f : h.forms->creationOrder)
        names << f->objectName();
    EXPECT_EQ(names, (QStringList{"Form1", "Form_Keszulekcsere", "Form_QVAIN", "Form_IncDec", "Form_QVAO",
                                  "Form_QVRO", "Form_QVSER", "Form_Password", "Form_QVTMP"}));
    EXPECT_EQ(h.w->size(), QSize(1321, 946));
    h.w->show();  // the factory pages fit the window as it is
    KorvelHarness::pump();
    EXPECT_EQ(h.w->size(), QSize(1321, 946));
    EXPECT_TRUE(h.w->Timer_Comm->interval() == 30 && h.w->TimerTimeOut->interval() == 200);
    EXPECT_FALSE(h.w->TimerTimeOut->isActive());
}

TEST(Startup, TitleAndMonitorCaptionCarryTheProgramDateInTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    {
        KorvelHarness h;
        EXPECT_EQ(h.w->windowTitle(), QString("A Quorin 32 bites készülékcsalád beállító programja   v2020.08.27."));
        EXPECT_EQ(h.w->GroupBox_MBU->title(), "MBU3   v2020.08.27.");
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
        {{}, 0},
        {{"/VORKAL"}, 1},
        {{"x", "/vorKal"}, 1},
        {{"/VORKALX"}, 0},
        {{"/VORKA"}, 0},
        {{"VORKAL"}, 0},
    };
    for (const Case& c : cases) {
        KorvelHarness h(c.args);
        EXPECT_EQ(h.w->FactoryMode, c.factory) << c.args.join(' ').toStdString();
        EXPECT_EQ(h.w->PageControl4->isTabVisible(h.w->TabSheet_Quorin), c.factory == 1);
        EXPECT_EQ(h.w->PageControl4->isTabVisible(h.w->TabSheet_3310), c.factory == 1);
    }
}

TEST(Startup, OutsideFactoryModeNoPageContentShows)
{
    KorvelHarness h;
    EXPECT_EQ(h.w->PageControl4->visibleTabCount(), 0);
    EXPECT_EQ(h.w->PageControl4->activePage(), nullptr);
    EXPECT_EQ(h.w->PageControl5->activePage(), h.w->TabSheet_NoComm);
    // A re-activation hides model tabs shown meanwhile.
    h.w->PageControl4->setTabVisible(h.w->TabSheet_3320, true);
    h.w->ReActivate();
    EXPECT_FALSE(h.w->PageControl4->isTabVisible(h.w->TabSheet_3320));
}

TEST(UsbEvents, PlugShowsTheDeviceAndUnplugClearsIt)
{
    KorvelHarness h({"/VORKAL"});
    EXPECT_EQ(h.w->UsbOnline, 1);
    EXPECT_EQ(h.w->Shape_MBUOn->brushColor(), clLime);
    EXPECT_FALSE(h.w->Label_USBOnline->isHidden());
    EXPECT_EQ(h.w->Label_VendorID->text(), "$04D8 = 1240");
    EXPECT_EQ(h.w->Label_ProductID->text(), "$003F = 63");
    EXPECT_EQ(h.w->Label_VendorName->text(), "Quorin Kft.");

    h.meter->unplug();
    KorvelHarness::pump();
    EXPECT_EQ(h.w->UsbOnline, 0);
    EXPECT_EQ(h.w->Shape_MBUOn->brushColor(), clBtnFace);
    EXPECT_TRUE(h.w->Label_USBOnline->isHidden());
    EXPECT_TRUE(h.w->Label_ProductID->text().isEmpty());
}

TEST(UsbEvents, OtherDevicesAndMessagesAreIgnoredButEveryReportBeeps)
{
    KorvelHarness h;
    EXPECT_FALSE(h.w->USBEvent(0x0400, hid::Plugged, h.meter->handle()));
    EXPECT_FALSE(h.w->USBEvent(hid::kNotifyMessage, 5, h.meter->handle()));
    EXPECT_TRUE(h.w->USBEvent(hid::kNotifyMessage, hid::Unplugged, 999));  // unknown device: handled, ignored
    EXPECT_EQ(h.w->UsbOnline, 1);
    const int beeps = h.w->BeepCount;
    EXPECT_TRUE(h.w->USBEvent(hid::kNotifyMessage, hid::ReportReady, 999));
    EXPECT_EQ(h.w->BeepCount, beeps + 1);
}

TEST(UsbEvents, AMeterOfAnotherIdentityIsNotServed)
{
    auto* meter = new SimulatedMeter;
    meter->productId = 0x0040;
    hid::UsbHid usb{std::unique_ptr<hid::Backend>(meter)};
    KorvelForms forms(usb, {});
    forms.Form1->Timer_Comm->stop();
    KorvelHarness::pump();
    EXPECT_EQ(forms.Form1->UsbOnline, 0);
    forms.Form1->Timer_CommTimer();
    EXPECT_TRUE(meter->framesReceived().empty());
}

TEST(DeviceChange, FirstDeviceIsAdoptedSilentlyAndAReplacementRaisesTheNotice)
{
    KorvelHarness h({"/VORKAL"});
    auto* notice = h.forms->Form_Keszulekcsere;
    h.tick();
    EXPECT_EQ(h.w->RequestedDeviceType, 5530);
    EXPECT_FALSE(notice->isVisible());
    h.tick();
    EXPECT_EQ(h.meter->framesReceived().back()[0] | (h.meter->framesReceived().back()[1] << 8), 5530);

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
    EXPECT_EQ(notice->Label_uDeviceID->text(), "3000000000");
    EXPECT_EQ(notice->Label_uLastDeviceID->text(), "1234567");
    EXPECT_EQ(FontColorOf(notice->Label_uDeviceID), clRed);
    EXPECT_EQ(FontColorOf(notice->Label_uDevice), clBlack);

    // While it shows nothing is compared; a time-out closes it.
    h.meter->deviceType = 3320;
    h.tick();
    EXPECT_EQ(notice->Label_uDevice->text(), "5530");
    h.meter->dropNextReplies();
    h.w->Timer_CommTimer();
    ASSERT_TRUE(KorvelHarness::waitFor([&] { return !notice->isVisible(); }, 1000));
    h.tick();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->Label_uDevice->text(), "3320");
    EXPECT_EQ(FontColorOf(notice->Label_uDevice), clRed);
    EXPECT_EQ(h.w->RequestedDeviceType, 3320);
    notice->Button_Ok->click();
    EXPECT_FALSE(notice->isVisible());
}

TEST(Startup, LookupsByNameStayInTheirOwnWindow)
{
    KorvelHarness h({"/VORKAL"});
    // The relay dialog has a button of the same name as a force button of the main window.
    EXPECT_EQ(h.button("Form1", "SpeedButton_DigitalOut1Force"), h.w->SpeedButton_DigitalOut1Force);
    EXPECT_EQ(h.button("Form_QVRO", "SpeedButton_DigitalOut1Force"), h.forms->Form_QVRO->SpeedButton_DigitalOut1Force);
    EXPECT_NE(h.w->SpeedButton_DigitalOut1Force, h.forms->Form_QVRO->SpeedButton_DigitalOut1Force);
}
