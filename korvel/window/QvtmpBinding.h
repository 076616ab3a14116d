#pragma once
#include "korvel/link/records/QvtmpBlock.h"
#include "common/ui/RecordBinder.h"

#include <QObject>

namespace korvel {

class MainWindow;
class NumberEditor;
class QvtmpDialog;

// Binds the temperature dialog to the link and to the number editor. The window keeps the
// last block received whole (LastQVTMPBlock): a write (225) sends it back with the five
// selections of the dialog's radio groups, its three singles bit for bit; a read (223) or
// factory-default read (224) replaces it, selects the items (their click handlers run) and
// rewrites the labels. The editor's targets 8 and 9 change its two scale values.
class QvtmpBinding : public QObject {
    Q_OBJECT
public:
    QvtmpBinding(MainWindow& window, QvtmpDialog* dialog, NumberEditor* editor);

    const qs::recordbind::Binding<QvtmpSelection>& Selections() const { return selections_; }

    // A received block: kept, then shown.
    void Show(const QvtmpBlock& b);

private:
    void BindEditorTargets(NumberEditor* editor);

    MainWindow& window_;
    QvtmpDialog* dialog_;
    qs::recordbind::Binding<QvtmpSelection> selections_;
};

}  // namespace korvel
