// The calculator's status line: today's date, weekday and time, then the
// hours to the countdown's moment when the tools window gives one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/linearmoment.h"

// Whole hours between two such moments, ties to even.
std::int64_t CountdownHours(double target, double now);

struct TStatusCountdown {
    std::string name;
    // Whole hours between now and the countdown's moment.
    std::int64_t hours = 0;
};

// "距name:d 天 h 小时 ", the name trimmed of blanks and control characters:
// the status line's countdown part and the tools window's countdown label.
std::string CountdownText(const std::string& name, std::int64_t hours);

// "yyyy-mm-dd weekday time", and "  " with the countdown text when there is one.
std::string StatusLineText(int year, int month, int day, std::string_view weekday, std::string_view time,
                           const std::optional<TStatusCountdown>& countdown);
