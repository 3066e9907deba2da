#include "classlib/datetimetext.h"

#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"
#include "classlib/gbkchars.h"

#include <cctype>
#include <ctime>

namespace {
// The settings' own formats may name each other ("c" inside the short date):
// two levels deep is as far as they are followed.
constexpr int kMaxNesting = 2;

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (word.empty() || text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (Upper(text[at + i]) != Upper(word[i])) {
            return false;
        }
    }
    return true;
}

std::string Padded(int value, int width)
{
    std::string digits = std::to_string(value);
    return digits.size() < static_cast<std::size_t>(width)
               ? std::string(static_cast<std::size_t>(width) - digits.size(), '0') + digits
               : digits;
}

// Whether the format has an AM/PM specifier, before or after the hour: then
// hours count to 12.
bool HasAmPm(std::string_view format)
{
    char quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (IsGbkLeadByte(c)) {
            ++i;
        } else if (StartsWithNoCase(format, i, "AM/PM") || StartsWithNoCase(format, i, "A/P") ||
                   StartsWithNoCase(format, i, "AMPM")) {
            return true;
        }
    }
    return false;
}

class DateTimeWriter {
public:
    DateTimeWriter(const TDateTimeParts& parts, const TFormatSettings& settings) : p_(parts), s_(settings) {}

    void Append(std::string_view format, int level)
    {
        if (level > kMaxNesting) {
            return;
        }
        char last = 0;
        for (std::size_t i = 0; i < format.size();) {
            const char c = format[i];
            if (IsGbkLeadByte(c) && i + 1 < format.size()) {
                out_.append(format.substr(i, 2));
                i += 2;
                continue;
            }
            if (c == '"' || c == '\'') {
                const std::size_t close = format.find(c, i + 1);
                const std::size_t end = close == std::string_view::npos ? format.size() : close;
                out_.append(format.substr(i + 1, end - i - 1));
                i = end == format.size() ? end : end + 1;
                continue;
            }
            char token = Upper(c);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && last == 'H') {
                    token = 'N';
                }
                last = token;
            }
            std::size_t run = 1;
            while (i + run < format.size() && format[i + run] == c) {
                ++run;
            }
            i += Specifier(format, i, token, run, level);
        }
    }

    std::string Take() { return std::move(out_); }

private:
    // Writes one specifier starting at i; returns how many bytes it used.
    std::size_t Specifier(std::string_view format, std::size_t i, char token, std::size_t run, int level)
    {
        const int n = static_cast<int>(run > 6 ? 6 : run);
        switch (token) {
        case 'C':
            Append(s_.ShortDateFormat, level + 1);
            if (p_.Hour != 0 || p_.Minute != 0 || p_.Second != 0) {
                out_ += ' ';
                Append(s_.LongTimeFormat, level + 1);
            }
            return 1;
        case 'D':
            if (n <= 2) {
                out_ += Padded(p_.Day, n);
            } else if (n == 3) {
                out_ += s_.ShortDayNames[static_cast<std::size_t>(p_.DayOfWeek - 1)];
            } else if (n == 4) {
                out_ += s_.LongDayNames[static_cast<std::size_t>(p_.DayOfWeek - 1)];
            } else {
                Append(n == 5 ? s_.ShortDateFormat : s_.LongDateFormat, level + 1);
            }
            return run;
        case 'E':
        case 'Y':
            out_ += run <= 2 ? Padded(p_.Year % 100, 2) : Padded(p_.Year, 4);
            return run;
        case 'G':
            return run;  // era names: none in the Gregorian calendar
        case 'M':
            if (n <= 2) {
                out_ += Padded(p_.Month, n);
            } else {
                out_ += (n == 3 ? s_.ShortMonthNames : s_.LongMonthNames)[static_cast<std::size_t>(p_.Month - 1)];
            }
            return run;
        case 'H': {
            int hour = p_.Hour;
            if (HasAmPm(format)) {
                hour = hour % 12 == 0 ? 12 : hour % 12;
            }
            out_ += Padded(hour, n >= 2 ? 2 : 1);
            return run;
        }
        case 'N':
            out_ += Padded(p_.Minute, n >= 2 ? 2 : 1);
            return run;
        case 'S':
            out_ += Padded(p_.Second, n >= 2 ? 2 : 1);
            return run;
        case 'Z':
            out_ += Padded(p_.MSec, run == 3 ? 3 : 1);
            return run;
        case 'T':
            Append(run == 1 ? s_.ShortTimeFormat : s_.LongTimeFormat, level + 1);
            return run;
        case 'A':
            return AmPm(format, i);
        case '/':
            if (s_.DateSeparator != 0) {
                out_ += s_.DateSeparator;
            }
            return 1;
        case ':':
            if (s_.TimeSeparator != 0) {
                out_ += s_.TimeSeparator;
            }
            return 1;
        default:
            out_ += format[i];
            return 1;
        }
    }

    // "am/pm" and "a/p" keep the case they are written in; "ampm" is the locale's word.
    std::size_t AmPm(std::string_view format, std::size_t i)
    {
        const bool pm = p_.Hour >= 12;
        if (StartsWithNoCase(format, i, "AM/PM")) {
            out_.append(format.substr(pm ? i + 3 : i, 2));
            return 5;
        }
        if (StartsWithNoCase(format, i, "A/P")) {
            out_ += format[pm ? i + 2 : i];
            return 3;
        }
        if (StartsWithNoCase(format, i, "AMPM")) {
            out_ += pm ? s_.TimePMString : s_.TimeAMString;
            return 4;
        }
        out_ += format[i];
        return 1;
    }

    const TDateTimeParts& p_;
    const TFormatSettings& s_;
    std::string out_;
};
}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime value, const TFormatSettings& settings)
{
    const TDateTimeParts parts = DecodeDateTime(value);
    DateTimeWriter writer(parts, settings);
    writer.Append(format.empty() ? std::string_view("c") : format, 0);
    return writer.Take();
}

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("c", value, settings);
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("ddddd", value, settings);
}

std::string TimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("tt", value, settings);
}
