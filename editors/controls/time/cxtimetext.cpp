#include "editors/controls/time/cxtimetext.h"

#include <cmath>

#include "classlib/datetimetext.h"

namespace {

constexpr int kSecondsPerHalfDay = 43200;
constexpr double kSecondsPerDay = 86400;

// Two ASCII digits at 0-based offset at, or none.
std::optional<int> TwoDigits(std::string_view text, std::size_t at)
{
    if (at + 2 > text.size())
        return std::nullopt;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!digit(text[at]) || !digit(text[at + 1]))
        return std::nullopt;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

std::string TrimRight(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

} // namespace

double cxTimeOfDay(double value)
{
    double whole = 0;
    return std::fabs(std::modf(value, &whole));
}

double cxComposeTimeValue(double datePart, double time)
{
    return datePart + (datePart >= 0 ? 1 : -1) * cxTimeOfDay(time);
}

double cxTimeTextToValue(std::string_view text, const TcxTimeEditFormat& format, double datePart,
                         const TFormatSettings& settings)
{
    const auto digits = static_cast<std::size_t>(cxTimeDigitPartLength(format.TimeFormat));
    std::string t(format.Use24HourFormat ? text : text.substr(0, digits));
    if (t.size() == 2) {
        // The locale's separator: the mask shows that one, not a colon.
        t += settings.TimeSeparator;
        t += "00";
    }
    if (!format.Use24HourFormat) {
        const std::string_view rest = text.substr(std::min(digits, text.size()));
        const std::string& am = settings.TimeAMString;
        t += !am.empty() && rest.find(am) != std::string_view::npos ? am : settings.TimePMString;
    }
    TDateTime time = 0;
    if (t.empty() || !TryStrToTime(t, time, settings))
        time = 0;
    return cxComposeTimeValue(datePart, time);
}

std::optional<int> cxTimeTextToSeconds(std::string_view text, const TcxTimeEditFormat& format,
                                       const TFormatSettings& settings)
{
    auto hours = TwoDigits(text, 0);
    if (!hours)
        return std::nullopt;
    int seconds = (format.Use24HourFormat ? *hours : *hours % 12) * 3600;
    if (format.TimeFormat != tfHour) {
        const auto minutes = TwoDigits(text, 3);
        if (!minutes)
            return std::nullopt;
        seconds += *minutes * 60;
    }
    if (format.TimeFormat == tfHourMinSec) {
        const auto secs = TwoDigits(text, 6);
        if (!secs)
            return std::nullopt;
        seconds += *secs;
    }
    // An empty PM word would end every text.
    const std::string& pm = settings.TimePMString;
    if (!format.Use24HourFormat && !pm.empty() && text.ends_with(pm))
        seconds += kSecondsPerHalfDay;
    return seconds;
}

std::string cxSecondsToTimeText(double seconds, const TcxTimeEditFormat& format, const TFormatSettings& settings)
{
    return TrimRight(FormatDateTime(cxTimeFormatTable().Cell(format).DisplayFormat, seconds / kSecondsPerDay,
                                    settings));
}
