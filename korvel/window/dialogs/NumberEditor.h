#pragma once
#include <QDialog>

// The digit-wise number editor the module dialogs open on a scaled value. Its digits, step
// buttons and the table of its nine targets come with the module dialogs.
class NumberEditor : public QDialog {
    Q_OBJECT
public:
    explicit NumberEditor(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("Form_IncDec"); }
};
