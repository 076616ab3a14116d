#include "ModuleDialog.h"

#include "RequestButtons.h"
#include "UiBuild.h"

#include "numbers/LocaleSeparators.h"
#include "numbers/ScaledNumber.h"

#include <QGroupBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QVBoxLayout>

ModuleDialog::ModuleDialog(const char* instanceName, const QString& caption, const QString& groupTitle,
                           const Trio& trio, QWidget* parent)
    : DialogBase(instanceName, caption, parent), trio_(trio)
{
    setFixedSize(kWidth, kHeight);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 22, 8);

    auto* top = new QHBoxLayout;
    Button_Esc->setMinimumSize(89, 33);
    Button_RefreshForm->setMinimumSize(97, 33);
    top->addWidget(Button_Esc);
    top->addStretch(1);
    top->addWidget(Button_RefreshForm);
    v->addLayout(top);

    middle_ = new QHBoxLayout;
    GroupBox9 = uibuild::Group(this, "GroupBox9", groupTitle);
    middle_->addWidget(GroupBox9, 1);
    v->addLayout(middle_, 1);

    auto* bottom = new QHBoxLayout;
    const uibuild::RequestTrio buttons = uibuild::MakeTrio(this, bottom, trio.read, trio.defaults, trio.write);
    SpeedButton_ReadFromDevice = buttons.read;
    SpeedButton_ReadDefault = buttons.defaults;
    SpeedButton_WriteToDevice = buttons.write;
    SpeedButton_ReadFromDevice->setMinimumSize(145, 33);
    SpeedButton_ReadDefault->setMinimumSize(187, 33);
    SpeedButton_WriteToDevice->setMinimumSize(145, 33);
    bottom->insertStretch(2, 1);  // the write button stands at the right edge
    v->addLayout(bottom);
}

QWidget* ModuleDialog::body() const
{
    return GroupBox9;
}

QWidget* ModuleDialog::side()
{
    if (!side_) {
        side_ = new QWidget(this);
        middle_->addWidget(side_);
    }
    return side_;
}

void ModuleDialog::SetValueFields(std::initializer_list<NamedValue> fields)
{
    values_.clear();
    for (const NamedValue& v : fields)
        values_.push_back({v, findChild<QLabel*>(QStringLiteral("Label_") + QLatin1String(v.name))});
}

std::int32_t* ModuleDialog::ValueField(std::string_view name) const
{
    for (const ValueAndLabel& v : values_)
        if (name == v.value.name)
            return v.value.field;
    return nullptr;
}

void ModuleDialog::ShowValueLabels(const DecimalFormat& format) const
{
    const std::string separator = LocaleDecimalSeparator();
    for (const ValueAndLabel& v : values_)
        if (v.label)
            v.label->setText(QString::fromStdString(format.Format(*v.value.field, separator)));
}

void ModuleDialog::BindRequests(RequestButtons& requests)
{
    requests.Bind(trio_.readKey, SpeedButton_ReadFromDevice);
    requests.Bind(trio_.defaultKey, SpeedButton_ReadDefault);
    requests.Bind(trio_.writeKey, SpeedButton_WriteToDevice);
}
