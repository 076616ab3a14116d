#pragma once
#include <QLocale>
#include <QString>

#include <ostream>

// Pins the default locale for one test and puts the C locale back afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

inline QLocale HungarianLocale()
{
    return QLocale(QLocale::Hungarian, QLocale::Hungary);
}

// A locale for a test case, and the decimal separator its numbers show.
struct Separator {
    const char* name;
    QLocale locale;
    char sep;

    // The separator as text, to build the expected texts from.
    QString text() const { return QString(QLatin1Char(sep)); }
};
inline void PrintTo(const Separator& s, std::ostream* os)
{
    *os << s.name;
}
inline const Separator kComma{"Comma", HungarianLocale(), ','};
inline const Separator kPoint{"Point", QLocale::c(), '.'};
