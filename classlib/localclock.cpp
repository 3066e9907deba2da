#include "classlib/localclock.h"

namespace {
TDateTime DateOf(const SYSTEMTIME& t)
{
    return EncodeDate(t.wYear, t.wMonth, t.wDay);
}

TDateTime TimeOf(const SYSTEMTIME& t)
{
    return EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}
}  // namespace

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time)
{
    return ComposeDateTime(DateOf(time), TimeOf(time));
}

TDateTime TClock::Now() const
{
    return SystemTimeToDateTime(LocalTime());
}

TDateTime TClock::Date() const
{
    return DateOf(LocalTime());
}

TDateTime TClock::Time() const
{
    return TimeOf(LocalTime());
}

const TClock& SystemClock()
{
    static const TLocalClock clock;
    return clock;
}

SYSTEMTIME TLocalClock::LocalTime() const
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}
