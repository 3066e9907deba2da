#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/exceptions.h"
#include "classlib/localclock.h"
#include "classlib/tests/fixedclock.h"

namespace {

SYSTEMTIME At(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const auto word = [](int value) { return static_cast<WORD>(value); };
    return {word(year), word(month), 0, word(day), word(hour), word(minute), word(second), word(msec)};
}

TEST(SystemTimeToDateTime, DaysSince18991230AndTheTimeOfDay)
{
    const struct {
        SYSTEMTIME time;
        TDateTime value;
    } cases[] = {
        {At(1899, 12, 30, 0, 0, 0, 0), 0},
        {At(2008, 6, 7, 8, 0, 0, 0), 39606 + 8.0 / 24},
        {At(2024, 2, 29, 12, 30, 0, 500), 45351 + 45000.5 / 86400},
        // Before day 0 the time still counts forward from midnight.
        {At(1899, 12, 29, 6, 0, 0, 0), -1.25},
        {At(9999, 12, 31, 23, 59, 59, 999), 2958465 + 86399999.0 / 86400000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemTimeToDateTime(c.time), c.value) << c.time.wYear << "-" << c.time.wMonth;
    }
}

TEST(SystemTimeToDateTime, FieldsOutsideTheCalendarRaise)
{
    for (const SYSTEMTIME& bad : {At(0, 1, 1, 0, 0, 0, 0), At(2024, 13, 1, 0, 0, 0, 0), At(2023, 2, 29, 0, 0, 0, 0),
                                  At(2024, 1, 1, 24, 0, 0, 0), At(2024, 1, 1, 0, 60, 0, 0),
                                  At(2024, 1, 1, 0, 0, 60, 0), At(2024, 1, 1, 0, 0, 0, 1000)}) {
        EXPECT_THROW(SystemTimeToDateTime(bad), EConvertError) << bad.wYear << "-" << bad.wMonth << "-" << bad.wDay;
    }
}

TEST(Clock, DateAndTimeSplitOneReading)
{
    TFixedClock clock(2008, 6, 7, 8, 30, 15, 250);
    EXPECT_EQ(clock.Date(), 39606);
    EXPECT_EQ(clock.Time(), 30615.25 / 86400);
    EXPECT_EQ(clock.Now(), 39606 + 30615.25 / 86400);
    clock.Set(1899, 12, 29, 18);
    EXPECT_EQ(clock.Date(), -1);
    EXPECT_EQ(clock.Time(), 0.75);
    EXPECT_EQ(clock.Now(), -1.75);
}

TEST(Clock, TheFixedClocksWeekdayIsTheCalendars)
{
    for (const SYSTEMTIME& day : {At(2008, 6, 7, 0, 0, 0, 0), At(1900, 3, 1, 0, 0, 0, 0), At(2024, 2, 29, 0, 0, 0, 0),
                                  At(2026, 12, 13, 0, 0, 0, 0), At(9999, 12, 31, 0, 0, 0, 0)}) {
        // The system fills in the weekday on the way back from a file time.
        FILETIME file;
        SYSTEMTIME system;
        ASSERT_TRUE(SystemTimeToFileTime(&day, &file));
        ASSERT_TRUE(FileTimeToSystemTime(&file, &system));
        EXPECT_EQ(TFixedClock(day.wYear, day.wMonth, day.wDay).LocalTime().wDayOfWeek, system.wDayOfWeek)
            << day.wYear << "-" << day.wMonth << "-" << day.wDay;
    }
}

TEST(Clock, TheLocalClockReadsTheSystemsLocalTime)
{
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const TDateTime now = TLocalClock().Now();
    GetLocalTime(&after);
    EXPECT_LE(SystemTimeToDateTime(before), now);
    EXPECT_GE(SystemTimeToDateTime(after), now);
}

}  // namespace
