#pragma once
#include "ModuleDialog.h"

// The analogue input module dialog ("QVAIN"). Its block controls go into body().
class QvainDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvainDialog(QWidget* parent = nullptr);
};
