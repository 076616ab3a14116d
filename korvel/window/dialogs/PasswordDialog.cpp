#include "PasswordDialog.h"

#include "DialogControls.h"
#include "common/ui/ControlBuilder.h"

#include "common/numbers/PictureFormat.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

namespace {

const QString kRange = QStringLiteral("A jelszó csak 0..9999 közötti szám lehet.");
const QString kSame = QStringLiteral("A kezelői jelszó és a mérnöki jelszó nem lehet ugyanaz!");

// One password's group: the prompt, its entry and the range it takes.
QLineEdit* PasswordGroup(QWidget* parent, QGroupBox*& group, const char* groupName,
                         const QString& title, const char* entryName)
{
    group = build::Group(parent, groupName, title);
    auto* v = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    row->addWidget(build::Caption(group, QStringLiteral("A kívánt új jelszó:")));
    QLineEdit* entry = NumberEntry(group, entryName, PasswordDialog::kEntryLength, QString());
    row->addWidget(entry);
    row->addStretch(1);
    v->addLayout(row);
    v->addWidget(build::Caption(group, kRange));
    v->addStretch(1);
    return entry;
}

}  // namespace

PasswordDialog::PasswordDialog(QWidget* parent)
    : ModuleDialog("Form_Password", QStringLiteral("Password"),
                   "A készülékben tárolt kezelői jelszó és mérnöki jelszó módosítása",
                   {.read = "SpeedButton_ReadFromDevice_Password",
                    .defaults = "SpeedButton_ReadDefault_Password",
                    .write = "SpeedButton_WriteToDevice_Password",
                    .readKey = KeyPasswordRead,
                    .defaultKey = KeyPasswordDefaults,
                    .writeKey = KeyPasswordWrite},
                   parent)
{
    Edit_PasswordUser =
        PasswordGroup(body(), GroupBox_MODBUSOutputSettings, "GroupBox_MODBUSOutputSettings",
                      QStringLiteral("Kezelői jelszó"), "Edit_PasswordUser");
    Edit_PasswordSupervisor =
        PasswordGroup(body(), GroupBox1, "GroupBox1", QStringLiteral("Mérnöki jelszó"),
                      "Edit_PasswordSupervisor");
    GroupBox_MODBUSOutputSettings->setGeometry(10, 20, 300, 100);
    GroupBox1->setGeometry(320, 20, 300, 100);
    connect(SpeedButton_WriteToDevice, &SpeedButton::clicked, this,
            [this] { SpeedButton_WriteToDevice_PasswordClick(); });
}

PasswordEntryCheck PasswordDialog::CheckEntries() const
{
    return CheckPasswordEntries(Edit_PasswordUser->text().toStdString(),
                                Edit_PasswordSupervisor->text().toStdString());
}

void PasswordDialog::ShowPasswords(const PasswordBlock& b)
{
    Edit_PasswordUser->setText(QString::fromStdString(FormatInteger(b.passwordUser, "0000", ".")));
    Edit_PasswordSupervisor->setText(
        QString::fromStdString(FormatInteger(b.passwordSupervisor, "0000", ".")));
}

void PasswordDialog::SpeedButton_WriteToDevice_PasswordClick()
{
    if (SpeedButton_WriteToDevice->IsDown())
        ValidatePasswords();
}

void PasswordDialog::ValidatePasswords()
{
    const PasswordEntries result = CheckEntries().result;
    if (result == PasswordEntries::Valid)
        return;  // the write stays pending
    SpeedButton_WriteToDevice->SetDown(false);
    QMessageBox box(QMessageBox::Information, windowTitle(),
                    result == PasswordEntries::Invalid ? kRange : kSame, QMessageBox::Ok, this);
    box.exec();
}

}  // namespace korvel
