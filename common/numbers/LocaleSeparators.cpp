#include "LocaleSeparators.h"

#include <QLocale>

std::string LocaleDecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

QString DateSeparatorOf(const QString& shortDateFormat)
{
    for (const QChar c : shortDateFormat) {
        if (!c.isLetterOrNumber())
            return QString(c);
    }
    return QStringLiteral("/");
}

std::string LocaleDateSeparator()
{
    return DateSeparatorOf(QLocale().dateFormat(QLocale::ShortFormat)).toStdString();
}
