#pragma once
#include <QLocale>

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
