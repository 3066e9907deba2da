#include "classlib/tests/fixedclock.h"

TFixedClock::TFixedClock(int year, int month, int day, int hour, int minute, int second, int msec)
{
    Set(year, month, day, hour, minute, second, msec);
}

void TFixedClock::Set(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const auto word = [](int value) { return static_cast<WORD>(value); };
    at_ = {word(year), word(month), 0, word(day), word(hour), word(minute), word(second), word(msec)};
    // DayOfWeek counts 1 = Sunday, SYSTEMTIME 0 = Sunday.
    at_.wDayOfWeek = word(DecodeDateTime(EncodeDate(year, month, day)).DayOfWeek - 1);
}
