#pragma once
#include "korvel/window/KorvelApp.h"
#include "korvel/session/LinkSession.h"
#include "korvel/window/MainWindow.h"
#include "tests/MeterHarness.h"
#include "tests/korvel/window/MainWindowTestAccess.h"
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

// Korvel's nine forms on the simulated meter, headless; or, withDialogs false, the main window
// alone, as the composition root has it before it attaches the dialogs. The 30 ms tick can
// be left running or stopped so that a test drives the scheduler one tick at a time.
struct KorvelHarness : MeterHarness {
    std::unique_ptr<korvel::KorvelForms> forms;
    std::unique_ptr<korvel::MainWindow> bare;
    korvel::MainWindow* w;

    explicit KorvelHarness(QStringList arguments = {}, bool runTicks = false,
                           bool withDialogs = true)
        : forms(withDialogs ? std::make_unique<korvel::KorvelForms>(*usb, arguments) : nullptr),
          bare(withDialogs ? nullptr : std::make_unique<korvel::MainWindow>(*usb, arguments)),
          w(withDialogs ? forms->Form1 : bare.get())
    {
        korvel::MainWindowTestAccess::SetBeep(*w, {});
        if (!runTicks)
            holdTimers(session());
        pump();  // plug and change events
    }

    // The window's link session.
    korvel::LinkSession& session() const { return korvel::MainWindowTestAccess::Session(*w); }
    // The state the window's binders share.
    const korvel::WindowState& state() const { return korvel::MainWindowTestAccess::State(*w); }
    // The receive lamp's timer.
    QTimer* lampTimer() const { return lampTimerOf(w); }

    // A control of the main window by its objectName.
    template <class T = QWidget>
    T* C(const char* name) const
    {
        return findcontrol::Find<T>(w, name);
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
        step(session(), [this] {
            return !session().Busy() &&
                   session().Transfer().TransferState == korvel::SegmentedTransfer::Idle;
        });
    }
};
