#include "classlib/formatsettings_win.h"

#include <windows.h>

#include <string>

namespace {
// LOCALE_SSHORTTIME is missing from older headers.
constexpr LCTYPE kShortTime = 0x79;

std::string LocaleText(LCID locale, LCTYPE type, const std::string& fallback)
{
    char buffer[256];
    const int length = GetLocaleInfoA(locale, type, buffer, sizeof buffer);
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : fallback;
}

// The first character, as separators are single bytes here; a locale's
// double-byte one cannot be, and the default stands.
char LocaleChar(LCID locale, LCTYPE type, char fallback)
{
    const std::string text = LocaleText(locale, type, std::string(1, fallback));
    return static_cast<unsigned char>(text[0]) < 0x80 ? text[0] : fallback;
}

unsigned char LocaleNumber(LCID locale, LCTYPE type, unsigned char fallback)
{
    const std::string text = LocaleText(locale, type, "");
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
        return fallback;
    }
    return static_cast<unsigned char>(std::stoi(text));
}

// Windows marks the AM/PM place with "tt" or "t"; ours is "AMPM". Quoted
// parts stay as they are.
std::string TranslateTimeFormat(const std::string& format)
{
    std::string result;
    char quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
            result += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            result += c;
        } else if (c == 't') {
            result += "AMPM";
            while (i + 1 < format.size() && format[i + 1] == 't') {
                ++i;
            }
        } else {
            result += c;
        }
    }
    return result;
}

// The long time format up to its minutes: the seconds and the separator
// before them go, what follows them stays ("HH:mm:ss" → "HH:mm").
std::string WithoutSeconds(const std::string& format)
{
    const std::size_t s = format.find_first_of("sS");
    if (s == std::string::npos) {
        return format;
    }
    std::size_t begin = s;
    while (begin > 0 && format[begin - 1] != 'm' && format[begin - 1] != 'M') {
        --begin;
    }
    std::size_t end = s;
    while (end < format.size() && (format[end] == 's' || format[end] == 'S')) {
        ++end;
    }
    return format.substr(0, begin) + format.substr(end);
}
}  // namespace

TFormatSettings LocaleFormatSettings(unsigned long locale)
{
    TFormatSettings s;
    const LCID id = locale;
    s.CurrencyString = LocaleText(id, LOCALE_SCURRENCY, "");
    s.CurrencyFormat = LocaleNumber(id, LOCALE_ICURRENCY, 0);
    s.NegCurrFormat = LocaleNumber(id, LOCALE_INEGCURR, 0);
    s.CurrencyDecimals = LocaleNumber(id, LOCALE_ICURRDIGITS, 2);
    s.ThousandSeparator = LocaleChar(id, LOCALE_STHOUSAND, ',');
    s.DecimalSeparator = LocaleChar(id, LOCALE_SDECIMAL, '.');
    s.DateSeparator = LocaleChar(id, LOCALE_SDATE, '/');
    s.TimeSeparator = LocaleChar(id, LOCALE_STIME, ':');
    s.ListSeparator = LocaleChar(id, LOCALE_SLIST, ',');
    s.ShortDateFormat = LocaleText(id, LOCALE_SSHORTDATE, "m/d/yy");
    s.LongDateFormat = LocaleText(id, LOCALE_SLONGDATE, "mmmm d, yyyy");
    s.LongTimeFormat = TranslateTimeFormat(LocaleText(id, LOCALE_STIMEFORMAT, "hh:mm:ss"));
    const std::string shortTime = LocaleText(id, kShortTime, "");
    s.ShortTimeFormat = shortTime.empty() ? WithoutSeconds(s.LongTimeFormat) : TranslateTimeFormat(shortTime);
    s.TimeAMString = LocaleText(id, LOCALE_S1159, "am");
    s.TimePMString = LocaleText(id, LOCALE_S2359, "pm");
    for (int m = 0; m < 12; ++m) {
        s.ShortMonthNames[m] = LocaleText(id, LOCALE_SABBREVMONTHNAME1 + m, std::to_string(m + 1));
        s.LongMonthNames[m] = LocaleText(id, LOCALE_SMONTHNAME1 + m, std::to_string(m + 1));
    }
    // Windows counts the days from Monday, we from Sunday.
    for (int d = 0; d < 7; ++d) {
        const int windowsDay = (d + 6) % 7;
        s.ShortDayNames[d] = LocaleText(id, LOCALE_SABBREVDAYNAME1 + windowsDay, std::to_string(d + 1));
        s.LongDayNames[d] = LocaleText(id, LOCALE_SDAYNAME1 + windowsDay, std::to_string(d + 1));
    }
    return s;
}

TFormatSettings SystemFormatSettings()
{
    return LocaleFormatSettings(GetThreadLocale());
}
