#include "Qv5510PageBinding.h"

#include "korvel/window/dialogs/PasswordDialog.h"
#include "korvel/window/pages/Qv5510Group.h"

namespace korvel {

using namespace qs;

Qv5510PageBinding::Qv5510PageBinding(Bindings& bindings, const DecimalFormat& decimals,
                                     Qv5510Group& group, PasswordDialog* password, QObject* parent)
    : QObject(parent), group_(group), password_(password),
      display_([&group](const QString& name) { return group.Group()->findChild<QWidget*>(name); },
               decimals)
{
    BindDisplayBlock(bindings);
    BindPasswords(bindings);
}

void Qv5510PageBinding::BindDisplayBlock(Bindings& bindings)
{
    Qv5510Group* group = &group_;
    for (const CommandInfo& row : CommandTable()) {
        if (row.trio != Trio::Qv5510)
            continue;
        if (row.role == Role::Write)
            bindings.SetEncoder(row.code, [this](ByteWriter& out) { display_.Take().Encode(out); });
        else
            bindings.SetDecoder(row.code, [this, group](ByteReader& in) {
                // The track bar holds the brightness within 1..10; its label follows even
                // where the position did not change.
                display_.Show(Qv5510DisplayBlock::Decode(in));
                group->TrackBar_Brightness_QV5510Change();
            });
    }
}

void Qv5510PageBinding::BindPasswords(Bindings& bindings)
{
    group_.OfferPasswordChange(
        this, password_ ? std::function<void()>([this] { Button1Click(); }) : nullptr);
    if (!password_)
        return;
    PasswordDialog* d = password_;
    for (const CommandInfo& row : CommandTable()) {
        if (row.trio != Trio::Password)
            continue;
        if (row.role == Role::Write) {
            // The entries may have been edited since the click left the write pending: the
            // same check runs again, and a pair that fails it is never sent.
            bindings.SetCheck(row.code,
                              [d] { return d->CheckEntries().result == PasswordEntries::Valid; });
            bindings.SetEncoder(row.code,
                                [d](ByteWriter& out) { d->CheckEntries().block.Encode(out); });
        } else {
            bindings.SetDecoder(
                row.code, [d](ByteReader& in) { d->ShowPasswords(PasswordBlock::Decode(in)); });
        }
    }
}

void Qv5510PageBinding::Button1Click()
{
    password_->setWindowTitle(QStringLiteral("Jelszó módosítása"));
    password_->PlaceAtMainWindow();
    password_->PressRead();
    password_->exec();
}

}  // namespace korvel
