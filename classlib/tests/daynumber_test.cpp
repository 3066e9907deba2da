#include "classlib/daynumber.h"

#include <gtest/gtest.h>

namespace {

struct Anchor {
    int dayNumber;
    CalendarDate date;
};

// Day numbers the class library's date-time values are known to have.
const Anchor Anchors[] = {
    {-693593, {1, 1, 1}},     {-1, {1899, 12, 29}},    {0, {1899, 12, 30}},
    {2, {1900, 1, 1}},        {60, {1900, 2, 28}},     {61, {1900, 3, 1}},
    {36526, {2000, 1, 1}},    {36585, {2000, 2, 29}},  {45351, {2024, 2, 29}},
    {46364, {2026, 12, 8}},   {2958465, {9999, 12, 31}},
};

TEST(DayNumber, KnownAnchorsBothWays)
{
    for (const Anchor& a : Anchors) {
        SCOPED_TRACE(a.dayNumber);
        EXPECT_EQ(EncodeDayNumber(a.date.year, a.date.month, a.date.day), a.dayNumber);
        CalendarDate d = DecodeDayNumber(a.dayNumber);
        EXPECT_EQ(d.year, a.date.year);
        EXPECT_EQ(d.month, a.date.month);
        EXPECT_EQ(d.day, a.date.day);
    }
}

// Walking every day of the covered years must step the date by exactly one.
TEST(DayNumber, EveryDayFollowsTheDayBefore)
{
    CalendarDate expected{1, 1, 1};
    for (int n = EncodeDayNumber(1, 1, 1); n <= EncodeDayNumber(9999, 12, 31); ++n) {
        CalendarDate d = DecodeDayNumber(n);
        ASSERT_TRUE(d.year == expected.year && d.month == expected.month && d.day == expected.day)
            << n << ": " << d.year << '-' << d.month << '-' << d.day;
        ASSERT_EQ(EncodeDayNumber(d.year, d.month, d.day), n);
        if (++expected.day > DaysInMonth(expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

} // namespace
