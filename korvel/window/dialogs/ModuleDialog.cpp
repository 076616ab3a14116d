#include "ModuleDialog.h"

#include <QPushButton>

#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"

#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/ScaledNumber.h"

#include <QGroupBox>
#include <QLabel>

namespace korvel {

using namespace qs;

ModuleDialog::ModuleDialog(const char* instanceName, const QString& caption,
                           const QString& groupTitle, const Trio& trio, QWidget* parent)
    : DialogBase(instanceName, caption, parent), trio_(trio)
{
    setFixedSize(kClientSize);
    Button_Esc->setGeometry(8, 8, 89, 33);
    Button_RefreshForm->setGeometry(1142, 8, 97, 33);
    GroupBox9 = build::Group(this, "GroupBox9", groupTitle);
    GroupBox9->setGeometry(kBodyRect);

    const build::RequestTrio buttons =
        build::MakeTrio(this, nullptr, trio.read, trio.defaults, trio.write);
    SpeedButton_ReadFromDevice = buttons.read;
    SpeedButton_ReadDefault = buttons.defaults;
    SpeedButton_WriteToDevice = buttons.write;
    SpeedButton_ReadFromDevice->setGeometry(6, 456, 145, 33);
    SpeedButton_ReadDefault->setGeometry(158, 456, 187, 33);
    // The write button's right edge at 1249.
    SpeedButton_WriteToDevice->setGeometry(1249 - 145, 456, 145, 33);
}

QWidget* ModuleDialog::body() const
{
    return GroupBox9;
}

void ModuleDialog::SetValueFields(std::initializer_list<NamedValue> fields)
{
    values_.clear();
    for (const NamedValue& v : fields)
        values_.push_back(
            {v, findChild<QLabel*>(QStringLiteral("Label_") + QLatin1String(v.name))});
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

void ModuleDialog::PressRead()
{
    SpeedButton_ReadFromDevice->SetDown(true);
}

void ModuleDialog::BindValueButton(const char* name, QObject* context, std::function<void()> open)
{
    if (auto* button = findChild<QPushButton*>(QLatin1String(name)))
        connect(button, &QPushButton::clicked, context, std::move(open));
}

}  // namespace korvel
