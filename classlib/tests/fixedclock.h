// A clock that stands where the test puts it.
#pragma once

#include "classlib/localclock.h"

class TFixedClock final : public TClock {
public:
    // The weekday is filled in from the date.
    TFixedClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0);
    void Set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0);
    SYSTEMTIME LocalTime() const override { return at_; }

private:
    SYSTEMTIME at_{};
};
