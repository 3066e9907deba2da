#include "calculator/statusline.h"

#include <cstdio>

#include "calculator/functionunit.h"
#include "classlib/strutils.h"

std::int64_t CountdownHours(double target, double now)
{
    return static_cast<std::int64_t>(datespan(SpanHours, target, now));
}

std::string CountdownText(const std::string& name, std::int64_t hours)
{
    return "距" + Trim(name) + ":" + std::to_string(hours / 24) + " 天 " + std::to_string(hours % 24) + " 小时 ";
}

std::string StatusLineText(int year, int month, int day, std::string_view weekday, std::string_view time,
                           const std::optional<TStatusCountdown>& countdown)
{
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    std::string line = date;
    line.append(" ").append(weekday).append(" ").append(time);
    if (countdown)
        line.append("  ").append(CountdownText(countdown->name, countdown->hours));
    return line;
}
