#include "LocaleSeparators.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace qs {

namespace {

// A text taken from the default locale, worked out again only when the default changes:
// the status poll asks for the separators many times a second. GUI thread only.
template <class Make>
const std::string& FromDefaultLocale(QLocale& seen, std::string& text, bool& made, Make make)
{
    const QLocale now;
    if (!made || now != seen) {
        text = make(now);
        seen = now;
        made = true;
    }
    return text;
}

}  // namespace

std::string LocaleDecimalSeparator()
{
    static QLocale seen;
    static std::string text;
    static bool made = false;
    return FromDefaultLocale(seen, text, made,
                             [](const QLocale& l) { return l.decimalPoint().toStdString(); });
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
    static QLocale seen;
    static std::string text;
    static bool made = false;
    return FromDefaultLocale(seen, text, made, [](const QLocale& l) {
        return DateSeparatorOf(l.dateFormat(QLocale::ShortFormat)).toStdString();
    });
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

}  // namespace qs
