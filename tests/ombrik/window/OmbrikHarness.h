#pragma once
// Ombrik's window on the simulated meter in MBU mode, headless, the meter keeping the
// settings record. The 30 ms tick and the one-second timer are stopped so a test drives the
// scheduler one tick at a time; the settings file lies in a folder of its own.
#include "tests/EventLoop.h"
#include "tests/FindControl.h"
#include "tests/PageTabs.h"
#include "tests/sim/SettingsStore.h"
#include "ombrik/session/MbuSession.h"
#include "ombrik/window/OmbrikWindow.h"
#include "tests/MeterHarness.h"
#include "tests/ombrik/window/OmbrikWindowTestAccess.h"
#include "common/bargraph/MBarGraph.h"
#include "common/calibration/OutputCalibrationGroup.h"
#include "common/ui/MemoText.h"
#include "common/ui/PageControl.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/Shape.h"
#include "common/ui/SpeedButton.h"
#include "common/ui/TColor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

struct OmbrikHarness : MeterHarness {
    QTemporaryDir dir;
    // The settings file.
    QString iniPath;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<ombrik::OmbrikWindow> w;
    int beeps = 0;

    // iniPath: the settings file; empty: one in a fresh folder, not there yet.
    // fittedToScreen: the window as it opens on the test's screen; otherwise at its design
    // size, as on a screen larger than that.
    explicit OmbrikHarness(QString ini = {}, bool fittedToScreen = false)
        : MeterHarness(Protocol::Mbu), iniPath(ini.isEmpty() ? dir.filePath("ombrik.ini") : ini)
    {
        settings = std::make_unique<SettingsStore>(*meter);
        w = std::make_unique<ombrik::OmbrikWindow>(*usb, iniPath);
        ombrik::OmbrikWindowTestAccess::SetBeep(*w, [this] { ++beeps; });
        if (!fittedToScreen)
            w->resize(w->DesignSize());
        holdTimers(session());
        pump();  // plug and change events
    }

    // The window's link session.
    ombrik::MbuSession& session() const { return ombrik::OmbrikWindowTestAccess::Session(*w); }
    // What the window's commands share.
    const ombrik::WindowState& state() const { return ombrik::OmbrikWindowTestAccess::State(*w); }
    // The Com lamp's timer.
    QTimer* lampTimer() const { return lampTimerOf(w.get()); }

    // The window's control of that name and type.
    template <class T = QWidget>
    T* find(const char* name) const
    {
        return findcontrol::Find<T>(w.get(), name);
    }
    qs::SpeedButton* button(const char* name) const { return find<qs::SpeedButton>(name); }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    // The output calibration group: its PWM value and strip width are no controls.
    qs::OutputCalibrationGroup& output() const
    {
        auto* group = w->findChild<qs::OutputCalibrationGroup*>();
        EXPECT_NE(group, nullptr);
        return *group;
    }

    // One scheduler tick, then the event loop until the exchange it started has ended; n times.
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            step(session(), [this] { return !session().Busy(); });
    }
    // The request data of the last frame the meter got.
    std::vector<std::uint8_t> lastData(std::size_t n) const
    {
        const auto& f = meter->framesReceived().back();
        return {f.begin() + 7, f.begin() + 7 + static_cast<std::ptrdiff_t>(n)};
    }
    // The user switches PageControl1 to the page of that caption.
    void enter(const char* caption)
    {
        w->show();
        ASSERT_TRUE(ClickPageTab(find<qs::PageControl>("PageControl1"), QString::fromUtf8(caption)))
            << caption;
    }
    std::vector<std::uint8_t> sent() const
    {
        std::vector<std::uint8_t> codes;
        for (const auto& f : meter->framesReceived())
            codes.push_back(f[6]);
        return codes;
    }
};
