#pragma once
#include "ModuleDialog.h"

// The analogue output module dialog ("QVAO"), for the main or the additional slot. Its block
// controls go into body().
class QvaoDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvaoDialog(QWidget* parent = nullptr);
};
