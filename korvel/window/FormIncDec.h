#pragma once
#include <QDialog>

// The digit-wise number editor the module dialogs open on a scaled value.
class TForm_IncDec : public QDialog {
    Q_OBJECT
public:
    explicit TForm_IncDec(QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName("Form_IncDec");
    }
};
