#include "QvserDialog.h"

QvserDialog::QvserDialog(QWidget* parent)
    : ModuleDialog("Form_QVSER", "QVSER", {.readKey = KeyQvserRead, .defaultKey = KeyQvserDefaults, .writeKey = KeyQvserWrite},
                   parent)
{
}
