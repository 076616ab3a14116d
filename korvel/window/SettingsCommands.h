#pragma once
#include "common/link/records/SettingsRecord.h"
#include "common/ui/RecordBinder.h"

#include <QObject>

namespace korvel {

class MainWindow;

// The base-unit settings record on Korvel's window: the write (109) takes it from the
// controls of "Beállítások", "Határérték kimenetek" and the QVSER dialog's MODBUS controls;
// the stored (131) and default (132) reads show it there. Scaled fields use the window's
// current scaled format.
class SettingsCommands : public QObject {
    Q_OBJECT
public:
    explicit SettingsCommands(MainWindow& window);

    // Looks the controls up again once the dialogs exist.
    void Resolve() { binding_.Resolve(); }
    const qs::recordbind::Binding<qs::SettingsRecord>& Binding() const { return binding_; }

    // The record the controls hold (edits rewritten with the values sent).
    qs::SettingsRecord Take() const { return binding_.Take(); }
    void Show(const qs::SettingsRecord& r) const { binding_.Show(r); }

private:
    MainWindow& window_;
    qs::recordbind::Binding<qs::SettingsRecord> binding_;
};

}  // namespace korvel
