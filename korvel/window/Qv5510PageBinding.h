#pragma once
#include "WindowState.h"
#include "korvel/link/records/ModuleBlocks.h"
#include "common/ui/RecordBinder.h"

#include <QObject>

namespace korvel {

class PasswordDialog;
class Qv5510Group;

// The QV5510 page's blocks on the link: its display settings (brightness, leading zeros,
// refresh: read 217, defaults 219, write 218) and the password dialog that its "Jelszó
// módosítása" button opens (read 220, defaults 221, write 222). A password write goes out
// only while the dialog's entries pass their check when the request is built; otherwise it
// is withdrawn without a message.
class Qv5510PageBinding : public QObject {
    Q_OBJECT
public:
    Qv5510PageBinding(Bindings& bindings, const qs::DecimalFormat& decimals, Qv5510Group& group,
                      PasswordDialog* password, QObject* parent);

    // The opener of the password dialog: caption, place below the main window, the read
    // pending, and the modal show.
    void Button1Click();

private:
    void BindDisplayBlock(Bindings& bindings);
    void BindPasswords(Bindings& bindings);

    Qv5510Group& group_;
    PasswordDialog* password_;
    qs::recordbind::Binding<Qv5510DisplayBlock> display_;
};

}  // namespace korvel
