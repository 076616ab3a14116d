#pragma once
#include "WindowState.h"

#include <QObject>

namespace korvel {

struct ModuleOpener;
class ModuleDialog;
class ModelPages;
class LinkSession;

// Binds the analogue input, analogue output, relay and RS-485 dialogs to the link and to each
// other: their blocks to the read, factory-default and write commands, their value buttons to
// the number editor (targets 1 to 7), and the model pages' module buttons to the openers.
class ModuleDialogBinding : public QObject {
    Q_OBJECT
public:
    ModuleDialogBinding(Bindings& bindings, WindowState& state, const FormDialogs& dialogs,
                        ModelPages& models, LinkSession& session, QObject* parent);

    // An opener, in this order: a slot opener sets ModuleSlot (and so the slot the dialog's
    // requests go out for) and the dialog's caption; then the dialog is placed below the main
    // window, its Read goes Down and it is shown modally.
    void Open(const ModuleOpener& opener);

    ModuleDialog* DialogOf(Trio trio) const;

private:
    void BindBlocks(Bindings& bindings);
    void BindEditorTargets();
    // The value labels of a dialog from its value fields, in the window's scaled format (the
    // number editor's OK runs them, and the dialog's read replies).
    void ShowValueLabels(ModuleDialog* dialog) const;

    WindowState& state_;
    FormDialogs dialogs_;
    LinkSession& session_;
};

}  // namespace korvel
