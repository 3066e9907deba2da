// Gregorian calendar dates as the class library's day numbers: whole days
// since 1899-12-30, for the years 1 to 9999 that its date-time value covers.
#pragma once

struct CalendarDate {
    int year;
    int month;
    int day;
};

inline constexpr int MinDateYear = 1;
inline constexpr int MaxDateYear = 9999;

bool IsLeapYear(int year);
// 28 to 31; month 1 to 12.
int DaysInMonth(int year, int month);
// Day number of a valid date (no range check beyond the caller's).
int EncodeDayNumber(int year, int month, int day);
// Inverse of EncodeDayNumber for any day number in the covered years.
CalendarDate DecodeDayNumber(int dayNumber);
