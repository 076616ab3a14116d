#pragma once
#include "korvel/link/records/ModuleBlocks.h"
#include "common/ui/RecordBinder.h"

#include <QObject>

namespace korvel {

class MainWindow;
class PasswordDialog;

// The QV5510 page's blocks on the link: its display settings (brightness, leading zeros,
// refresh: read 217, defaults 219, write 218) and the password dialog that its "Jelszó
// módosítása" button opens (read 220, defaults 221, write 222). A password write goes out
// only while the dialog's entries pass their check when the request is built; otherwise it
// is withdrawn without a message.
class Qv5510PageBinding : public QObject {
    Q_OBJECT
public:
    Qv5510PageBinding(MainWindow& window, PasswordDialog* password);

    const qs::recordbind::Binding<Qv5510DisplayBlock>& Display() const { return display_; }

    // The opener of the password dialog: caption, place below the main window, the read
    // pending, and the modal show.
    void Button1Click();

private:
    void BindDisplayBlock();
    void BindPasswords();

    MainWindow& window_;
    PasswordDialog* password_;
    qs::recordbind::Binding<Qv5510DisplayBlock> display_;
};

}  // namespace korvel
