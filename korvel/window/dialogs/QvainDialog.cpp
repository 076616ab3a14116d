#include "QvainDialog.h"

QvainDialog::QvainDialog(QWidget* parent)
    : ModuleDialog("Form_QVAIN", "QVAIN", {.readKey = KeyQvainRead, .defaultKey = KeyQvainDefaults, .writeKey = KeyQvainWrite},
                   parent)
{
}
