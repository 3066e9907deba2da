// The calculator's status line: today's date, weekday and time, then the
// hours to the countdown's moment when the tools window gives one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A moment as a linear count of days from 1899-12-30, the time of day to the
// whole second as the fraction, also before 1899 (the class library's values
// run toward zero there, so sums with a time of day go wrong).
double LinearMoment(int year, int month, int day, int secondsOfDay);

// Whole hours between two such moments, ties to even.
std::int64_t CountdownHours(double target, double now);

struct TStatusCountdown {
    std::string name;
    // Whole hours between now and the countdown's moment.
    std::int64_t hours = 0;
};

// "yyyy-mm-dd weekday time", and "  距name:d 天 h 小时 " with a countdown
// (name trimmed of blanks and control characters).
std::string StatusLineText(int year, int month, int day, std::string_view weekday, std::string_view time,
                           const std::optional<TStatusCountdown>& countdown);
