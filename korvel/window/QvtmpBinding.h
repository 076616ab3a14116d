#pragma once
#include "WindowState.h"
#include "common/ui/RecordBinder.h"

#include <QObject>

namespace korvel {

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
    QvtmpBinding(Bindings& bindings, WindowState& state, QvtmpDialog* dialog, NumberEditor* editor,
                 QObject* parent);

    // A received block: kept, then shown.
    void Show(const QvtmpBlock& b);

private:
    void BindEditorTargets(NumberEditor* editor);
    // The dialog's two scale labels from the kept block, in the picture of its own decimals.
    void ShowScaleLabels();

    WindowState& state_;
    QvtmpDialog* dialog_;
    qs::recordbind::Binding<QvtmpSelection> selections_;
};

}  // namespace korvel
