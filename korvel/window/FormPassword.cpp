#include "FormPassword.h"

#include <QHBoxLayout>

TForm_Password::TForm_Password(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form_Password");
    auto* h = new QHBoxLayout(this);
    auto make = [this, h](const char* name, const QString& text) {
        auto* b = new SpeedButton(text, 1, this);
        b->setObjectName(QLatin1String(name));
        h->addWidget(b);
        return b;
    };
    SpeedButton_ReadFromDevice_Password = make("SpeedButton_ReadFromDevice_Password", "Kiolvasás a készülékből");
    SpeedButton_ReadDefault_Password = make("SpeedButton_ReadDefault_Password", "Gyári alapértékek megjelenítése");
    SpeedButton_WriteToDevice_Password = make("SpeedButton_WriteToDevice_Password", "Beírás a készülékbe");
}
