#include "ModuleDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ModuleDialog::ModuleDialog(const char* instanceName, const QString& caption, QWidget* parent) : QDialog(parent)
{
    setObjectName(QLatin1String(instanceName));
    setWindowTitle(caption);
    auto* v = new QVBoxLayout(this);
    auto* bar = new QWidget(this);
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    auto make = [this, h](const char* name, const QString& text) {
        auto* b = new SpeedButton(text, 1, this);
        b->setObjectName(QLatin1String(name));
        h->addWidget(b);
        return b;
    };
    SpeedButton_ReadFromDevice = make("SpeedButton_ReadFromDevice", "Kiolvasás a készülékből");
    SpeedButton_ReadDefault = make("SpeedButton_ReadDefault", "Gyári alapértékek megjelenítése");
    SpeedButton_WriteToDevice = make("SpeedButton_WriteToDevice", "Beírás a készülékbe");
    h->addStretch(1);
    v->addWidget(bar);
    body_ = new QWidget(this);
    v->addWidget(body_, 1);
}
