#pragma once
#include <QString>

#include <string>

class QDateTime;

namespace qs {

// Separators of the current locale (QLocale(), the default locale, which tests can pin).

// The decimal separator as UTF-8 ("," on a Hungarian system).
std::string LocaleDecimalSeparator();

// The date separator of a short date format: its first character that is neither a letter
// nor a digit; "/" when there is none ("yyyy. MM. dd." -> ".", "M/d/yy" -> "/").
QString DateSeparatorOf(const QString& shortDateFormat);

// The date separator of the current locale's short date format, as UTF-8.
std::string LocaleDateSeparator();

// The settings file's date stamp: the locale's short date, three blanks, and its long time
// format without the time zone Qt adds to it ("2024. 03. 05.   14:07:09").
QString LocaleDateTimeStamp(const QDateTime& when);

}  // namespace qs
