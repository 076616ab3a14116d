#include "RecordBinder.h"

#include "ComboIndex.h"
#include "NumberEdit.h"
#include "RadioGroup.h"
#include "common/numbers/LocaleSeparators.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

namespace qs {

namespace recordbind {

std::string_view Prefix(Kind kind)
{
    switch (kind) {
    case Kind::TrackBar:
        return "TrackBar_";
    case Kind::Check:
        return "CheckBox_";
    case Kind::Radio:
        return "RadioGroup_";
    case Kind::List:
        return "ComboBox_";
    case Kind::None:
        return "";
    case Kind::Text:
    case Kind::Scaled:
    case Kind::Counter:
        break;
    }
    return "Edit_";
}

bool Fits(Kind kind, QWidget* widget)
{
    switch (kind) {
    case Kind::TrackBar:
        return qobject_cast<QSlider*>(widget) != nullptr;
    case Kind::Check:
        return qobject_cast<QCheckBox*>(widget) != nullptr;
    case Kind::Radio:
        return qobject_cast<RadioGroup*>(widget) != nullptr;
    case Kind::List:
        return qobject_cast<QComboBox*>(widget) != nullptr;
    case Kind::None:
        return false;
    case Kind::Text:
    case Kind::Scaled:
    case Kind::Counter:
        break;
    }
    return qobject_cast<QLineEdit*>(widget) != nullptr;
}

int SelectedIndex(const Control& c)
{
    if (c.kind == Kind::List)
        return static_cast<QComboBox*>(c.widget)->currentIndex();
    return static_cast<RadioGroup*>(c.widget)->ItemIndex();
}

void Select(const Control& c, int index)
{
    if (c.kind == Kind::List)
        SetComboIndex(static_cast<QComboBox*>(c.widget), index);
    else
        static_cast<RadioGroup*>(c.widget)->setItemIndex(index);
}

bool Checked(const Control& c)
{
    return static_cast<QCheckBox*>(c.widget)->isChecked();
}

void SetChecked(const Control& c, bool checked)
{
    static_cast<QCheckBox*>(c.widget)->setChecked(checked);
}

std::string Text(const Control& c)
{
    return static_cast<QLineEdit*>(c.widget)->text().toStdString();
}

void SetText(const Control& c, const std::string& utf8)
{
    static_cast<QLineEdit*>(c.widget)->setText(QString::fromStdString(utf8));
}

int Position(const Control& c)
{
    return static_cast<QSlider*>(c.widget)->value();
}

void SetPosition(const Control& c, int position)
{
    // The track bar keeps the position within its own range.
    static_cast<QSlider*>(c.widget)->setValue(position);
}

std::int32_t TakeScaled(const Control& c, const DecimalFormat& format)
{
    return EditToScaledInt(static_cast<QLineEdit*>(c.widget), format);
}

void ShowScaled(const Control& c, std::int32_t value, const DecimalFormat& format)
{
    static_cast<QLineEdit*>(c.widget)->setText(
        QString::fromStdString(format.Format(value, LocaleDecimalSeparator())));
}

std::uint32_t TakeClamped(const Control& c, std::uint32_t minimum, std::uint32_t maximum)
{
    return EditToIntClamped(static_cast<QLineEdit*>(c.widget), minimum, maximum);
}

void ShowCounter(const Control& c, std::uint32_t value)
{
    static_cast<QLineEdit*>(c.widget)->setText(QString::number(value));
}

}  // namespace recordbind

}  // namespace qs
