// Date-time values: whole days since 1899-12-30 plus the time of day as the
// fraction. Before that day the fraction still counts forward from midnight
// (-1.25 is 1899-12-29 06:00). Years 1 to 9999 only.
#pragma once

using TDateTime = double;

inline constexpr double MinDateTime = -693593.0;          // 0001-01-01 00:00
inline constexpr double MaxDateTime = 2958465.99999999;   // 9999-12-31 23:59:59.999
inline constexpr int MSecsPerDay = 24 * 60 * 60 * 1000;

struct TDateTimeParts {
    int Year = 0, Month = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
    int DayOfWeek = 0;  // 1 = Sunday … 7 = Saturday
};

// The parts, the time rounded to the millisecond; false for NaN or a value
// outside years 1..9999.
bool TryDecodeDateTime(TDateTime value, TDateTimeParts& parts);
// The same, raising EConvertError.
TDateTimeParts DecodeDateTime(TDateTime value);

// False (EConvertError) for a date outside the calendar or a time outside a day.
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value);
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
// A date plus a time of day, counting forward from midnight also before 1899-12-30.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
