#include "RequestDate.h"

#include <algorithm>

namespace ombrik {

namespace mbu {

namespace {

// Wide enough for any int year, month and day.
std::int64_t WideCode(std::int64_t year, std::int64_t month, std::int64_t day)
{
    return (year - 2000) * 372 + (month - 1) * 31 + (day - 1);
}

int DaysInMonth(std::int64_t year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool IsRequestDate(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    const std::int64_t code = WideCode(year, month, day);
    return code >= 0 && code <= 0xFFFF;
}

CalendarDate MakeDate(int year, int month, int day, CalendarDate today)
{
    if (!IsRequestDate(year, month, day))
        return today;
    return CalendarDate{year, month, day};
}

std::uint16_t DateCode(CalendarDate date)
{
    return static_cast<std::uint16_t>(
        std::clamp<std::int64_t>(WideCode(date.year, date.month, date.day), 0, 0xFFFF));
}

}  // namespace mbu

}  // namespace ombrik
