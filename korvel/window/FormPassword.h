#pragma once
#include "ui/SpeedButton.h"

#include <QDialog>

// The password dialog: reads, shows defaults of and writes the operator and engineer passwords.
class TForm_Password : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Password(QWidget* parent = nullptr);

    SpeedButton* SpeedButton_ReadFromDevice_Password = nullptr;
    SpeedButton* SpeedButton_ReadDefault_Password = nullptr;
    SpeedButton* SpeedButton_WriteToDevice_Password = nullptr;
};
