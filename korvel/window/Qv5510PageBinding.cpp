#include "Qv5510PageBinding.h"

#include "MainWindow.h"
#include "common/ui/ControlBuilder.h"
#include "korvel/window/dialogs/PasswordDialog.h"
#include "korvel/window/pages/ModelPages.h"

namespace korvel {

using namespace qs;

Qv5510PageBinding::Qv5510PageBinding(MainWindow& window, PasswordDialog* password)
    : QObject(&window), window_(window), password_(password),
      display_([&window](const QString& name) { return build::FindInWindow<QWidget>(&window, name); },
               window.Decimals)
{
    BindDisplayBlock();
    BindPasswords();
}

void Qv5510PageBinding::BindDisplayBlock()
{
    Qv5510Group* group = window_.Models->Qv5510;
    for (const CommandInfo& row : CommandTable()) {
        if (row.trio != Trio::Qv5510)
            continue;
        if (row.role == Role::Write)
            window_.RequestEncoders[row.code] = [this](ByteWriter& out) { display_.Take().Encode(out); };
        else
            window_.ReplyDecoders[row.code] = [this, group](ByteReader& in) {
                // The track bar holds the brightness within 1..10; its label follows even
                // where the position did not change.
                display_.Show(Qv5510DisplayBlock::Decode(in));
                group->TrackBar_Brightness_QV5510Change();
            };
    }
}

void Qv5510PageBinding::BindPasswords()
{
    QPushButton* opener = window_.Models->Qv5510->Button1;
    opener->setEnabled(password_ != nullptr);
    if (!password_)
        return;
    connect(opener, &QPushButton::clicked, this, [this] { Button1Click(); });
    PasswordDialog* d = password_;
    for (const CommandInfo& row : CommandTable()) {
        if (row.trio != Trio::Password)
            continue;
        if (row.role == Role::Write) {
            // The entries may have been edited since the click left the write pending: the
            // same check runs again, and a pair that fails it is never sent.
            window_.RequestChecks[row.code] = [d] { return d->CheckEntries().result == PasswordEntries::Valid; };
            window_.RequestEncoders[row.code] = [d](ByteWriter& out) { d->CheckEntries().block.Encode(out); };
        } else {
            window_.ReplyDecoders[row.code] = [d](ByteReader& in) { d->ShowPasswords(PasswordBlock::Decode(in)); };
        }
    }
}

void Qv5510PageBinding::Button1Click()
{
    password_->setWindowTitle(QStringLiteral("Jelszó módosítása"));
    password_->PlaceAtMainWindow();
    password_->SpeedButton_ReadFromDevice_Password->SetDown(true);
    password_->exec();
}

}  // namespace korvel
