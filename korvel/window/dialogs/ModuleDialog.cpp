#include "ModuleDialog.h"

#include "RequestButtons.h"
#include "UiBuild.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ModuleDialog::ModuleDialog(const char* instanceName, const QString& caption, const Trio& trio, QWidget* parent)
    : QDialog(parent), trio_(trio)
{
    setObjectName(QLatin1String(instanceName));
    setWindowTitle(caption);
    auto* v = new QVBoxLayout(this);
    auto* bar = new QWidget(this);
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    const uibuild::RequestTrio buttons = uibuild::MakeTrio(this, h, trio.read, trio.defaults, trio.write);
    SpeedButton_ReadFromDevice = buttons.read;
    SpeedButton_ReadDefault = buttons.defaults;
    SpeedButton_WriteToDevice = buttons.write;
    h->addStretch(1);
    v->addWidget(bar);
    body_ = new QWidget(this);
    v->addWidget(body_, 1);
}

void ModuleDialog::BindRequests(RequestButtons& requests)
{
    requests.Bind(trio_.readKey, SpeedButton_ReadFromDevice);
    requests.Bind(trio_.defaultKey, SpeedButton_ReadDefault);
    requests.Bind(trio_.writeKey, SpeedButton_WriteToDevice);
}
