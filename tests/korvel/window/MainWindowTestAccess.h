#pragma once
// The one way a test (or the benchmark) reaches inside Korvel's main window, beside what a
// user does on its controls and what the meter sends: the link session it steps, the state its
// binders share, and the settings it writes the file to. It reads the command records and
// may offer the writes against a copy of them; it adds a record only where the window has
// none, and never replaces or withdraws one of the window's own.
#include "korvel/session/LinkSession.h"
#include "korvel/window/MainWindow.h"
#include "korvel/window/SettingsCommands.h"

#include <QString>

#include <functional>
#include <utility>

namespace korvel {

struct MainWindowTestAccess {
    static LinkSession& Session(MainWindow& w) { return *w.session_; }
    static const WindowState& State(const MainWindow& w) { return w.state_; }
    // The settings record as the controls hold it.
    static const SettingsCommands& SettingsIO(const MainWindow& w) { return *w.settingsIO_; }

    // The report-ready beep (empty: none).
    static void SetBeep(MainWindow& w, std::function<void()> beep) { w.beep_ = std::move(beep); }
    // Where the settings file goes.
    static void SetIniPath(MainWindow& w, const QString& path) { w.iniPath_ = path; }
    // How often the window was refreshed ("Kép frissítés" or Alt with a key).
    static int RefreshCount(const MainWindow& w) { return w.refreshCount_; }
    // Whether an exit button ended the program (so its close handling is skipped).
    static bool ExitsWithoutClose(const MainWindow& w) { return w.exitWithoutClose_; }

    // The records the window's commands have.
    static const Bindings& CommandBindings(const MainWindow& w) { return w.bindings_; }
    // Offers the writes as if the window's records were `bindings` (a copy with one withdrawn,
    // say); the window's own records stay as they are.
    static void OfferWritesAsIf(MainWindow& w, const Bindings& bindings)
    {
        w.OfferWrites(bindings);
    }
    // Gives a command that has no encoder in the window (as before the dialogs are attached)
    // this one, and offers the writes again. Answers false, changing nothing, where the window
    // has an encoder already.
    static bool AddEncoder(MainWindow& w, Command command, Bindings::Encoder encoder)
    {
        if (w.bindings_.HasEncoder(command))
            return false;
        w.bindings_.SetEncoder(command, std::move(encoder));
        w.OfferWrites();
        return true;
    }
};

}  // namespace korvel
