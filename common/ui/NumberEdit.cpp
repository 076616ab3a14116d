#include "NumberEdit.h"

#include "common/numbers/DecimalKey.h"
#include "common/numbers/IntegerEntry.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/ScaledNumber.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace qs {

std::int32_t EditToScaledInt(QLineEdit* edit, const DecimalFormat& format)
{
    const ScaledEntry entry = format.Entry(edit->text().toStdString(), LocaleDecimalSeparator());
    edit->setText(QString::fromStdString(entry.text));
    return entry.value;
}

std::uint32_t EditToIntClamped(QLineEdit* edit, std::uint32_t minimum, std::uint32_t maximum)
{
    const ClampedEntry entry = IntClampedEntry(edit->text().toStdString(), minimum, maximum);
    edit->setText(QString::fromStdString(entry.text));
    return entry.value;
}

std::int32_t EditToInt(QLineEdit* edit)
{
    const IntEntry entry = Int32Entry(edit->text().toStdString());
    edit->setText(QString::fromStdString(entry.text));
    return entry.value;
}

DecimalKeyFilter::DecimalKeyFilter(QLineEdit* edit) : QObject(edit)
{
    edit->installEventFilter(this);
}

DecimalKeyFilter* DecimalKeyFilter::Install(QLineEdit* edit)
{
    return new DecimalKeyFilter(edit);
}

bool DecimalKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::string typed = key->text().toStdString();
    const std::string replaced = DecimalKeyText(typed, LocaleDecimalSeparator());
    if (replaced == typed)
        return false;

    // The edit gets the separator as if it had been typed; the original key goes no further.
    const QString text = QString::fromStdString(replaced);
    const int code = text == QLatin1String(",")   ? Qt::Key_Comma
                     : text == QLatin1String(".") ? Qt::Key_Period
                                                  : key->key();
    QKeyEvent separatorKey(QEvent::KeyPress, code, key->modifiers(), text, key->isAutoRepeat(),
                           static_cast<quint16>(key->count()));
    QCoreApplication::sendEvent(watched, &separatorKey);
    return true;
}

}  // namespace qs
