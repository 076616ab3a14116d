#pragma once
#include "WindowState.h"
#include "common/link/records/SettingsRecord.h"
#include "common/ui/RecordBinder.h"

#include <QObject>

#include <vector>

class QWidget;

namespace korvel {

// The base-unit settings record on Korvel's window: the write (109) takes it from the
// controls of "Beállítások", "Határérték kimenetek" and the QVSER dialog's MODBUS controls;
// the stored (131) and default (132) reads show it there. Scaled fields use the window's
// current scaled format.
class SettingsCommands : public QObject {
    Q_OBJECT
public:
    // pages: the pages whose controls hold the record, searched in this order.
    SettingsCommands(Bindings& bindings, const qs::DecimalFormat& decimals,
                     std::vector<QWidget*> pages, QObject* parent);

    // Looks the controls up again once the QVSER dialog, which holds fields 47-50, exists.
    void Resolve(QWidget* qvser);
    const qs::recordbind::Binding<qs::SettingsRecord>& Binding() const { return binding_; }

    // The record the controls hold (edits rewritten with the values sent).
    qs::SettingsRecord Take() const { return binding_.Take(); }
    void Show(const qs::SettingsRecord& r) const { binding_.Show(r); }

private:
    std::vector<QWidget*> pages_;
    QWidget* qvser_ = nullptr;
    qs::recordbind::Binding<qs::SettingsRecord> binding_;
};

}  // namespace korvel
