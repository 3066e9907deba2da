#include "calculator/functionunit.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "calculator/calcerror.h"
#include "classlib/daynumber.h"
#include "classlib/exceptions.h"

namespace {

// The class library's conversion error, as its own date conversion raises it.
EConvertError InvalidDate(const std::string& text)
{
    return EConvertError("'" + text + "' is not a valid date");
}

// Digits only, between minDigits and maxDigits of them.
std::optional<int> ParseDigits(const std::string& text, size_t minDigits, size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct YearMonth {
    int year;
    int month;
};

// A two-digit year would need a century guess, so only four digits count.
std::optional<YearMonth> ParseYearMonth(const std::string& year, const std::string& month)
{
    auto y = ParseDigits(year, 4, 4);
    auto m = ParseDigits(month, 1, 2);
    if (!y || !m || *y < MinDateYear || *m < 1 || *m > 12)
        return std::nullopt;
    return YearMonth{*y, *m};
}

} // namespace

std::string rightchars(const std::string& text, int n)
{
    if (n <= 0)
        return {};
    size_t count = static_cast<size_t>(n);
    return count >= text.size() ? text : text.substr(text.size() - count);
}

std::string addbackslash(const std::string& path)
{
    if (path.empty() || path.back() == '\\')
        return path;
    return path + '\\';
}

int datemonthlen(double date)
{
    static const double First = EncodeDayNumber(MinDateYear, 1, 1);
    static const double Last = EncodeDayNumber(MaxDateYear, 12, 31);
    // Before 1899-12-30 the fraction counts forward from the day, so the day is
    // the value truncated toward zero, not its floor.
    double day = std::trunc(date);
    if (!(day >= First && day <= Last))
        throw ECalcError("Invalid date value");
    CalendarDate calendar = DecodeDayNumber(static_cast<int>(day));
    return DaysInMonth(calendar.year, calendar.month);
}

int monthlen(const std::string& year, const std::string& month)
{
    if (year.empty() || month.empty())
        return 0;
    auto parsed = ParseYearMonth(year, month);
    if (!parsed)
        throw InvalidDate(year + "-" + month + "-01");
    return datemonthlen(EncodeDayNumber(parsed->year, parsed->month, 1));
}

double texttodate(const std::string& text)
{
    // yyyy, a separator, then month and day split by that same separator.
    if (text.size() < 5 || (text[4] != '-' && text[4] != '/'))
        throw InvalidDate(text);
    char separator = text[4];
    std::string rest = text.substr(5);
    size_t split = rest.find(separator);
    if (split == std::string::npos)
        throw InvalidDate(text);
    std::string year = text.substr(0, 4);
    std::string month = rest.substr(0, split);
    auto parsed = ParseYearMonth(year, month);
    auto day = ParseDigits(rest.substr(split + 1), 1, 2);
    if (!parsed || !day || *day < 1)
        throw InvalidDate(text);
    int length = monthlen(year, month);
    return EncodeDayNumber(parsed->year, parsed->month, *day < length ? *day : length);
}

double datespan(int unit, double a, double b)
{
    // Milliseconds in one of each unit.
    static constexpr std::int64_t UnitMs[] = {86400000, 3600000, 60000, 1000, 1};
    if (unit < SpanDays || unit > SpanMilliseconds)
        throw std::out_of_range("datespan: unit must be 0 to 4");
    // The difference of two doubles carries about 1e-11 days of error, which
    // would tip ties either way: it is taken to whole milliseconds first (the
    // product in extended precision), and the unit's rounding is done on
    // that count exactly.
    const double days = std::fabs(b - a);
    // Far beyond the calendar (or not a number): no count of milliseconds.
    if (!(days < 1e9))
        return days * static_cast<double>(UnitMs[SpanDays] / UnitMs[unit]);
    const auto ms = static_cast<std::int64_t>(std::nearbyint(static_cast<long double>(days) * UnitMs[SpanDays]));
    const std::int64_t step = UnitMs[unit];
    std::int64_t whole = ms / step;
    const std::int64_t twice = 2 * (ms % step);
    if (twice > step || (twice == step && whole % 2 != 0))
        ++whole;
    return static_cast<double>(whole);
}
