#include "PasswordDialog.h"

PasswordDialog::PasswordDialog(QWidget* parent)
    : ModuleDialog("Form_Password", QString(), "A készülékben tárolt kezelői jelszó és mérnöki jelszó módosítása",
                   {.read = "SpeedButton_ReadFromDevice_Password",
                    .defaults = "SpeedButton_ReadDefault_Password",
                    .write = "SpeedButton_WriteToDevice_Password",
                    .readKey = KeyPasswordRead,
                    .defaultKey = KeyPasswordDefaults,
                    .writeKey = KeyPasswordWrite},
                   parent)
{
}
