#include "QvaoDialog.h"

QvaoDialog::QvaoDialog(QWidget* parent)
    : ModuleDialog("Form_QVAO", "QVAO - Fő modul",
                   {.readKey = KeyQvaoRead, .defaultKey = KeyQvaoDefaults, .writeKey = KeyQvaoWrite}, parent)
{
}
