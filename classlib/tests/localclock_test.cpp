#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/exceptions.h"
#include "classlib/localclock.h"
#include "classlib/tests/fixedclock.h"

namespace {

SYSTEMTIME At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    const auto word = [](int value) { return static_cast<WORD>(value); };
    return {word(year), word(month), 0, word(day), word(hour), word(minute), word(second), word(msec)};
}

TEST(SystemTimeToDateTime, DaysSince18991230AndTheTimeOfDay)
{
    EXPECT_EQ(SystemTimeToDateTime(At(2008, 6, 7, 8)), 39606 + 8.0 / 24);
    EXPECT_EQ(SystemTimeToDateTime(At(2024, 2, 29, 12, 30, 0, 500)), 45351 + 45000.5 / 86400);
    // Before day 0 the time still counts forward from midnight.
    EXPECT_EQ(SystemTimeToDateTime(At(1899, 12, 29, 6)), -1.25);
    for (const SYSTEMTIME& bad : {At(0, 1, 1), At(2023, 2, 29), At(2024, 1, 1, 24), At(2024, 1, 1, 0, 0, 0, 1000)})
        EXPECT_THROW(SystemTimeToDateTime(bad), EConvertError) << bad.wYear << "-" << bad.wMonth << " " << bad.wHour;
}

TEST(Clock, DateTimeAndWeekdayFromOneReading)
{
    TFixedClock clock(2008, 6, 7, 18, 30, 15, 250);
    EXPECT_EQ(clock.Date(), 39606);
    EXPECT_EQ(clock.Time(), 66615.25 / 86400);
    EXPECT_EQ(clock.Now(), 39606 + 66615.25 / 86400);
    EXPECT_EQ(clock.LocalTime().wDayOfWeek, 6);  // a Saturday
    clock.Set(1899, 12, 29, 18);
    EXPECT_EQ(clock.Now(), -1.75);
    EXPECT_EQ(clock.LocalTime().wDayOfWeek, 5);

    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const TDateTime now = TLocalClock().Now();
    GetLocalTime(&after);
    EXPECT_LE(SystemTimeToDateTime(before), now);
    EXPECT_GE(SystemTimeToDateTime(after), now);
}

}  // namespace
