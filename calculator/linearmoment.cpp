#include "calculator/linearmoment.h"

#include <algorithm>
#include <cmath>

#include "calculator/functionunit.h"
#include "classlib/daynumber.h"

namespace {
constexpr std::int64_t SecondsPerDay = 86400;

struct TDayAndSecond {
    std::int64_t day;
    std::int64_t second;
};

// The day counts down below zero, the second of the day always up.
TDayAndSecond Split(TMomentSeconds moment)
{
    std::int64_t day = moment / SecondsPerDay, second = moment % SecondsPerDay;
    if (second < 0) {
        --day;
        second += SecondsPerDay;
    }
    return {day, second};
}
} // namespace

int SecondsOfDay(TDateTime timeOfDay)
{
    const auto ms = static_cast<std::int64_t>(std::llround(std::fabs(timeOfDay) * MSecsPerDay));
    // A value a hair below midnight rounds up to the next day's 00:00:00,
    // which is no time of this day: the day's last second stands for it.
    return static_cast<int>(std::min<std::int64_t>(ms / 1000, SecondsPerDay - 1));
}

TMomentSeconds MomentOf(int dayNumber, int secondsOfDay)
{
    return dayNumber * SecondsPerDay + secondsOfDay;
}

TMomentSeconds AddToMoment(TMomentSeconds start, int days, int hours, int minutes)
{
    return start + days * SecondsPerDay + hours * std::int64_t{3600} + minutes * std::int64_t{60};
}

double MomentDays(TMomentSeconds moment)
{
    const TDayAndSecond at = Split(moment);
    return static_cast<double>(at.day) + static_cast<double>(at.second) / SecondsPerDay;
}

double LinearMoment(int year, int month, int day, int secondsOfDay)
{
    return MomentDays(MomentOf(EncodeDayNumber(year, month, day), secondsOfDay));
}

TDateTime MomentToDateTime(TMomentSeconds moment)
{
    const TDayAndSecond at = Split(moment);
    return ComposeDateTime(static_cast<double>(at.day), static_cast<double>(at.second) / SecondsPerDay);
}

TMomentSpans MomentSpans(TMomentSeconds a, TMomentSeconds b)
{
    const double x = MomentDays(a), y = MomentDays(b);
    return {datespan(SpanDays, x, y), datespan(SpanHours, x, y), datespan(SpanMinutes, x, y),
            datespan(SpanSeconds, x, y)};
}
