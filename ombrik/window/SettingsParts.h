#pragma once
#include "common/link/records/SettingsRecord.h"
#include "common/ui/RecordBinder.h"
#include "ombrik/session/MbuSession.h"

#include <QObject>

class QWidget;

namespace ombrik {

// The base unit's settings record on Ombrik's pages, in three parts that are byte ranges of
// the record: each write part (109, 119, 122) is taken from the controls when its request is
// built, its edits rewritten with the values sent; each read or factory part (107/108,
// 117/118, 120/121) fills its own fields' controls on both pages as soon as it arrives.
// Scaled fields use the window's current scaled format; the brightness is the 0..255 track
// bar TrackBar_DisplayBrightness. The fields' controls are looked up by name on the two
// settings pages.
class SettingsParts : public QObject {
    Q_OBJECT
public:
    SettingsParts(MbuSession::Bindings& bindings, const QWidget& settingsPage,
                  const QWidget& limitsPage, const qs::DecimalFormat& scaled, QObject* parent);

    const qs::recordbind::Binding<qs::SettingsRecord>& Binding() const { return binding_; }

    // The fields of one part as the controls hold them (edits rewritten), and one part shown.
    void Take(qs::SettingsPart part);
    void Show(qs::SettingsPart part);

    // The record as last taken or shown, part by part.
    qs::SettingsRecord Record;

private:
    qs::recordbind::Binding<qs::SettingsRecord> binding_;
};

}  // namespace ombrik
