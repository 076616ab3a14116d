#pragma once
#include <cstdint>

namespace ombrik {

// The calendar dates of a request's firmware window. A request carries each as a 16-bit
// date code, (year - 2000) * 372 + (month - 1) * 31 + (day - 1), so only the days from
// 2000-01-01 (code 0) to 2176-03-02 (code 65535) can travel. The program takes its dates at
// 12:00 of the day; only the calendar date reaches the frame, so the time is left out here.
namespace mbu {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// A day of the Gregorian calendar whose date code fits 16 bits. Any int is safe to pass.
bool IsRequestDate(int year, int month, int day);

// That day, or `today` when the three numbers are no date or one whose code does not fit
// 16 bits (a negative code before 2000, an overflowing one after 2176-03-02).
CalendarDate MakeDate(int year, int month, int day, CalendarDate today);

// The date code. A date outside 2000-01-01 .. 2176-03-02 (only a system clock set outside
// them can give one, as `today`) takes the code of the nearer end.
std::uint16_t DateCode(CalendarDate date);

}  // namespace mbu

}  // namespace ombrik
