#include "classlib/datetime.h"

#include "classlib/daynumber.h"
#include "classlib/exceptions.h"

#include <cmath>
#include <cstdint>

namespace {
// The first and last day numbers of the covered years.
constexpr int kFirstDay = -693593;
constexpr int kLastDay = 2958465;
}  // namespace

bool TryDecodeDateTime(TDateTime value, TDateTimeParts& parts)
{
    // Checked as doubles first, so no conversion below can overflow.
    if (!(value > kFirstDay - 1.0 && value < kLastDay + 1.0)) {
        return false;
    }
    int day = static_cast<int>(std::trunc(value));
    const double fraction = std::fabs(value - day);
    auto msec = static_cast<std::int64_t>(std::llround(fraction * MSecsPerDay));
    if (msec >= MSecsPerDay) {
        // A time that rounds up to midnight starts the next calendar day.
        if (day == kLastDay) {
            msec = MSecsPerDay - 1;
        } else {
            msec = 0;
            ++day;
        }
    }
    if (day < kFirstDay) {
        return false;
    }
    const CalendarDate date = DecodeDayNumber(day);
    parts.Year = date.year;
    parts.Month = date.month;
    parts.Day = date.day;
    const int ms = static_cast<int>(msec);
    parts.Hour = ms / 3600000;
    parts.Minute = ms / 60000 % 60;
    parts.Second = ms / 1000 % 60;
    parts.MSec = ms % 1000;
    // Day 0 (1899-12-30) was a Saturday.
    parts.DayOfWeek = ((day % 7) + 7 + 6) % 7 + 1;
    return true;
}

TDateTimeParts DecodeDateTime(TDateTime value)
{
    TDateTimeParts parts;
    if (!TryDecodeDateTime(value, parts)) {
        throw EConvertError("Invalid date-time value");
    }
    return parts;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value)
{
    if (year < MinDateYear || year > MaxDateYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return false;
    }
    value = EncodeDayNumber(year, month, day);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
        msec > 999) {
        return false;
    }
    value = ((hour * 60 + minute) * 60 + second) * 1000.0 + msec;
    value /= MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value)) {
        throw EConvertError("Invalid argument to date encode");
    }
    return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    TDateTime value = 0;
    if (!TryEncodeTime(hour, minute, second, msec, value)) {
        throw EConvertError("Invalid argument to time encode");
    }
    return value;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time)
{
    return date < 0 ? date - time : date + time;
}
