#include "calculator/statusline.h"

#include <cstdio>

#include "calculator/functionunit.h"
#include "classlib/daynumber.h"
#include "classlib/strutils.h"

double LinearMoment(int year, int month, int day, int secondsOfDay)
{
    return EncodeDayNumber(year, month, day) + secondsOfDay / 86400.0;
}

std::int64_t CountdownHours(double target, double now)
{
    return static_cast<std::int64_t>(datespan(SpanHours, target, now));
}

std::string StatusLineText(int year, int month, int day, std::string_view weekday, std::string_view time,
                           const std::optional<TStatusCountdown>& countdown)
{
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    std::string line = date;
    line.append(" ").append(weekday).append(" ").append(time);
    if (countdown) {
        line.append("  距").append(Trim(countdown->name)).append(":");
        line.append(std::to_string(countdown->hours / 24)).append(" 天 ");
        line.append(std::to_string(countdown->hours % 24)).append(" 小时 ");
    }
    return line;
}
