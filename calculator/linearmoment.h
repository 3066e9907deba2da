// Moments as whole seconds on a linear count of days from 1899-12-30: the
// day number times 86400 plus the second of the day. The class library's
// date-time values count days toward zero before 1899-12-30 with a positive
// time fraction, so sums with a time of day go wrong there; these do not.
#pragma once

#include <cstdint>

#include "classlib/datetime.h"

using TMomentSeconds = std::int64_t;

// The time of day to the whole second, as its long time text shows it: the
// milliseconds rounded first, then dropped.
int SecondsOfDay(TDateTime timeOfDay);

TMomentSeconds MomentOf(int dayNumber, int secondsOfDay);

// The moment days, hours and minutes later (each may be negative).
TMomentSeconds AddToMoment(TMomentSeconds start, int days, int hours, int minutes);

// As days on the linear count, the form datespan takes.
double MomentDays(TMomentSeconds moment);
double LinearMoment(int year, int month, int day, int secondsOfDay);

// The class library's date-time value of the moment, for showing it as text
// (the text functions refuse one outside the years 1 to 9999).
TDateTime MomentToDateTime(TMomentSeconds moment);

// datespan of two moments in days, hours, minutes and seconds.
struct TMomentSpans {
    double days, hours, minutes, seconds;
};
TMomentSpans MomentSpans(TMomentSeconds a, TMomentSeconds b);
