// The local date and time, read through an interface so that the windows
// that show it can be given a clock standing at a set moment.
#pragma once

#include <windows.h>

#include "classlib/datetime.h"

class TClock {
public:
    virtual ~TClock() = default;
    // The local date and time, as GetLocalTime gives them.
    virtual SYSTEMTIME LocalTime() const = 0;

    // Each from one reading: the moment, today, and the time of day (to the millisecond).
    TDateTime Now() const;
    TDateTime Date() const;
    TDateTime Time() const;
};

// The system's clock.
class TLocalClock final : public TClock {
public:
    SYSTEMTIME LocalTime() const override;
};
// One system clock for the windows that are given none.
const TClock& SystemClock();

// The date and time of day of a SYSTEMTIME (its weekday is not read);
// EConvertError for fields outside the calendar or the day.
TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);
