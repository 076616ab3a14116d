#pragma once
#include "korvel/window/KorvelApp.h"
#include "korvel/session/LinkSession.h"
#include "korvel/window/MainWindow.h"
#include "tests/MeterHarness.h"
#include "korvel/window/dialogs/DeviceReplacedNotice.h"
#include "korvel/window/dialogs/ModuleDialogs.h"
#include "korvel/window/dialogs/PasswordDialog.h"
#include "korvel/window/pages/CalibrationPage.h"
#include "korvel/window/pages/HeaderPage.h"
#include "korvel/window/pages/IdentityGroup.h"
#include "korvel/window/pages/LimitOutputsPage.h"
#include "korvel/window/pages/ModelPages.h"
#include "korvel/window/pages/MonitorPage.h"
#include "korvel/window/pages/SettingsPage.h"
#include "korvel/window/pages/TestsPage.h"

#include "tests/EventLoop.h"
#include "tests/FindControl.h"
#include "common/bargraph/MBarGraph.h"
#include "common/ui/MemoText.h"
#include "common/ui/PageControl.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/Shape.h"
#include "common/ui/SpeedButton.h"
#include "tests/PageTabs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// A control of a window or dialog by its objectName.
template <class T = QWidget>
T* C(const QWidget* root, const QString& name)
{
    return findcontrol::Find<T>(root, name);
}
template <class T = QWidget>
T* C(const QWidget* root, const char* name)
{
    return findcontrol::Find<T>(root, name);
}

// Korvel's nine forms on the simulated meter, headless. The 30 ms tick can be left running
// or stopped so that a test drives the scheduler one tick at a time.
struct KorvelHarness : MeterHarness {
    std::unique_ptr<korvel::KorvelForms> forms;
    korvel::MainWindow* w;

    explicit KorvelHarness(QStringList arguments = {}, bool runTicks = false)
        : forms(std::make_unique<korvel::KorvelForms>(*usb, arguments)), w(forms->Form1)
    {
        w->SetBeep({});
        if (!runTicks) {
            w->Session().Clock().StopTicks();
            w->Session().SecondTimer()->stop();
        }
        pump();  // plug and change events
    }

    // A control of the main window by its objectName; the two-argument form looks in a dialog.
    template <class T = QWidget>
    T* C(const char* name) const
    {
        return ::C<T>(w, name);
    }
    template <class T = QWidget>
    static T* C(const QWidget* root, const char* name)
    {
        return ::C<T>(root, name);
    }

    // A page or group of the main window by its class, for what it keeps besides controls
    // (the values a reply filled in, the test pattern, the identity to write).
    template <class T>
    T* Part() const
    {
        T* part = w->findChild<T*>();
        EXPECT_NE(part, nullptr);
        return part;
    }

    // Clicks the tab of a page as the user would (the page control's change handler runs).
    static bool clickTab(qs::PageControl* pc, const QString& caption)
    {
        return ClickPageTab(pc, caption);
    }

    // One scheduler tick, then the event loop until the transfer it started has ended.
    void tick()
    {
        w->Session().Tick();
        waitFor(
            [this] { return !w->Session().Busy() && w->Session().Transfer().TransferState == 0; },
            1000);
    }
};
