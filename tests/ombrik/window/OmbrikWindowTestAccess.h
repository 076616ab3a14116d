#pragma once
// The one way a test reaches inside Ombrik's window, beside what a user does on its controls
// and what the meter sends: the link session it steps and the state its commands share. It
// reads the command records and may offer the requests against a copy of them; it never
// replaces or withdraws one of the window's own.
#include "ombrik/session/MbuSession.h"
#include "ombrik/window/OmbrikWindow.h"
#include "ombrik/window/SettingsParts.h"

#include <functional>
#include <utility>

namespace ombrik {

struct OmbrikWindowTestAccess {
    static MbuSession& Session(OmbrikWindow& w) { return *w.session_; }
    static const WindowState& State(const OmbrikWindow& w) { return w.state_; }
    // The settings record's three parts on the two settings pages.
    static const SettingsParts& SettingsIO(const OmbrikWindow& w) { return *w.settingsIO_; }

    // The report-ready beep (empty: none).
    static void SetBeep(OmbrikWindow& w, std::function<void()> beep) { w.beep_ = std::move(beep); }

    // The records the window's commands have.
    static const MbuSession::Bindings& CommandBindings(const OmbrikWindow& w)
    {
        return w.bindings_;
    }
    // Offers the requests as if the window's records were `bindings` (a copy with one
    // withdrawn, say); the window's own records stay as they are.
    static void OfferRequestsAsIf(OmbrikWindow& w, const MbuSession::Bindings& bindings)
    {
        w.OfferRequests(bindings);
    }
};

}  // namespace ombrik
