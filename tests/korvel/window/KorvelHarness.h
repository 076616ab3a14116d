#pragma once
#include "KorvelApp.h"
#include "LinkSession.h"
#include "MainWindow.h"
#include "MeterHarness.h"
#include "dialogs/DeviceReplacedNotice.h"
#include "dialogs/ModuleDialogs.h"
#include "dialogs/PasswordDialog.h"
#include "pages/CalibrationPage.h"
#include "pages/HeaderPage.h"
#include "pages/IdentityGroup.h"
#include "pages/LimitOutputsPage.h"
#include "pages/ModelPages.h"
#include "pages/MonitorPage.h"
#include "pages/SettingsPage.h"
#include "pages/TestsPage.h"

#include "EventLoop.h"
#include "PageTabs.h"

#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Korvel's nine forms on the simulated meter, headless. The 30 ms tick can be left running
// or stopped so that a test drives the scheduler one tick at a time.
struct KorvelHarness : MeterHarness {
    std::unique_ptr<KorvelForms> forms;
    MainWindow* w;

    explicit KorvelHarness(QStringList arguments = {}, bool runTicks = false)
        : forms(std::make_unique<KorvelForms>(*usb, arguments)),
          w(forms->Form1)
    {
        w->Beep = {};
        if (!runTicks) {
            w->Session().Clock().StopTicks();
            w->Session().SecondTimer()->stop();
        }
        pump();  // plug and change events
    }


    // Clicks the tab of a page as the user would (the page control's change handler runs).
    static bool clickTab(PageControl* pc, const QString& caption) { return ClickPageTab(pc, caption); }

    // One scheduler tick, then the event loop until the transfer it started has ended.
    void tick()
    {
        w->Session().Tick();
        waitFor([this] { return !w->Session().Busy() && w->Session().Transfer().TransferState == 0; }, 1000);
    }
};
