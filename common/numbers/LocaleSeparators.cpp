#include "LocaleSeparators.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

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

QString LocaleDateTimeStamp(const QDateTime& when)
{
    const QLocale locale;
    // Qt's long time format ends in the zone ("t"); the stamp carries only the time.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral("   ") +
           locale.toString(when.time(), timeFormat.trimmed());
}
