#include "classlib/daynumber.h"

namespace {

// Counting from 0000-03-01 puts the leap day at the end of each year, so a
// year of days splits into 400-, 100-, 4- and 1-year cycles without exceptions.
constexpr int DaysPer400Years = 146097;
constexpr int DaysPer100Years = 36524;
constexpr int DaysPer4Years = 1461;
constexpr int DaysPerYear = 365;
// Day number of 0000-03-01 counted from 1899-12-30.
constexpr int MarchFirstOfYearZero = -693899;

// Days from 1 March to the first of each month, March first.
constexpr int MonthOffsetFromMarch(int marchBasedMonth)
{
    return (153 * marchBasedMonth + 2) / 5;
}

int FloorDiv(int a, int b)
{
    int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Lengths[month - 1];
}

int EncodeDayNumber(int year, int month, int day)
{
    int marchYear = month <= 2 ? year - 1 : year;
    int marchMonth = month <= 2 ? month + 9 : month - 3;
    int era = FloorDiv(marchYear, 400);
    int yearOfEra = marchYear - era * 400;
    int dayOfYear = MonthOffsetFromMarch(marchMonth) + day - 1;
    int dayOfEra = yearOfEra * DaysPerYear + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return MarchFirstOfYearZero + era * DaysPer400Years + dayOfEra;
}

CalendarDate DecodeDayNumber(int dayNumber)
{
    int days = dayNumber - MarchFirstOfYearZero;
    int era = FloorDiv(days, DaysPer400Years);
    int dayOfEra = days - era * DaysPer400Years;
    // Leave out the leap days so far, then every year counts 365 days.
    int yearOfEra = (dayOfEra - dayOfEra / (DaysPer4Years - 1) + dayOfEra / DaysPer100Years
                     - dayOfEra / (DaysPer400Years - 1)) / DaysPerYear;
    int dayOfYear = dayOfEra - (yearOfEra * DaysPerYear + yearOfEra / 4 - yearOfEra / 100);
    int marchMonth = (5 * dayOfYear + 2) / 153;
    CalendarDate date;
    date.day = dayOfYear - MonthOffsetFromMarch(marchMonth) + 1;
    date.month = marchMonth < 10 ? marchMonth + 3 : marchMonth - 9;
    date.year = era * 400 + yearOfEra + (date.month <= 2 ? 1 : 0);
    return date;
}
