#pragma once
#include "MainWindow.h"

#include <QObject>

namespace korvel {

struct ModuleOpener;
class ModuleDialog;

// Binds the analogue input, analogue output, relay and RS-485 dialogs to the link and to each
// other: their blocks to the read, factory-default and write commands, their value buttons to
// the number editor (targets 1 to 7), and the model pages' module buttons to the openers.
class ModuleDialogBinding : public QObject {
    Q_OBJECT
public:
    ModuleDialogBinding(MainWindow& window, const MainWindow::Dialogs& dialogs);

    // An opener, in this order: a slot opener sets ModuleSlot (and so the slot the dialog's
    // requests go out for) and the dialog's caption; then the dialog is placed below the main
    // window, its Read goes Down and it is shown modally.
    void Open(const ModuleOpener& opener);

    ModuleDialog* DialogOf(Trio trio) const;

private:
    void BindBlocks();
    void BindEditorTargets();

    MainWindow& window_;
    MainWindow::Dialogs dialogs_;
};

}  // namespace korvel
