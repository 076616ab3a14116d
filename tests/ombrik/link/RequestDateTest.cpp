#include "ombrik/link/RequestDate.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ombrik;

using mbu::CalendarDate;

TEST(RequestDate, DatesWithoutASixteenBitCodeGiveToday)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const CalendarDate today{2026, 12, 8};
    struct Row {
        int year, month, day;
        int code;  // -1: today
    };
    const Row rows[] = {
        {2018, 8, 24, 6936},
        {2018, 8, 31, 6943},
        {2018, 2, 26, 6752},
        {2040, 1, 1, 14880},
        {2000, 1, 1, 0},
        {2176, 3, 2, 65535},
        {2000, 2, 29, 59},
        // no such day
        {2018, 2, 30, -1},
        {2100, 2, 29, -1},
        {2018, 4, 31, -1},
        {2018, 0, 1, -1},
        {2018, 13, 1, -1},
        {2018, 1, 0, -1},
        // a code below 0 or above 65535
        {1999, 12, 31, -1},
        {2176, 3, 3, -1},
        {2400, 2, 29, -1},
        // what any text converted to an int can give
        {kMax, 1, 1, -1},
        {kMin, 12, 31, -1},
        {2018, kMin, 1, -1},
        {2018, 1, kMax, -1},
    };
    for (const Row& row : rows) {
        const CalendarDate got = mbu::MakeDate(row.year, row.month, row.day, today);
        const bool valid = row.code >= 0;
        EXPECT_EQ(mbu::IsRequestDate(row.year, row.month, row.day), valid)
            << row.year << "-" << row.month << "-" << row.day;
        EXPECT_EQ(got, (valid ? CalendarDate{row.year, row.month, row.day} : today))
            << row.year << "-" << row.month;
        EXPECT_EQ(mbu::DateCode(got), valid ? row.code : 10020) << row.year << "-" << row.month;
    }
}

TEST(RequestDate, ATodayOutsideTheCodesTakesTheNearerEnd)
{
    EXPECT_EQ(mbu::DateCode({1990, 6, 1}), 0);
    EXPECT_EQ(mbu::DateCode({2200, 1, 1}), 65535);
}
