// Reading date-time texts in the order of the short date format.
#include "classlib/datetimetext.h"

#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"

#include <cctype>
#include <ctime>

namespace {
enum class DateOrder { MDY, DMY, YMD };

// The first of d, m and y (or e) in the short date format decides.
DateOrder OrderOf(const std::string& format)
{
    for (const char c : format) {
        switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'D':
            return DateOrder::DMY;
        case 'Y':
        case 'E':
            return DateOrder::YMD;
        case 'M':
            return DateOrder::MDY;
        default:
            break;
        }
    }
    return DateOrder::MDY;
}

int CurrentYear()
{
    // Days since 1970-01-01 (UTC is near enough for a century window).
    constexpr int kUnixEpochDay = 25569;
    const auto days = static_cast<double>(std::time(nullptr) / 86400);
    TDateTimeParts parts;
    return TryDecodeDateTime(days + kUnixEpochDay, parts) ? parts.Year : 2000;
}

class Scanner {
public:
    Scanner(std::string_view text, const TFormatSettings& settings) : t_(text), s_(settings) {}

    void Blanks()
    {
        while (at_ < t_.size() && t_[at_] == ' ') {
            ++at_;
        }
    }
    bool AtEnd()
    {
        Blanks();
        return at_ == t_.size();
    }
    std::size_t Position() const { return at_; }
    void Rewind(std::size_t at) { at_ = at; }

    // Up to four digits, so no number can overflow; digits counts them.
    bool Number(int& value, int& digits)
    {
        Blanks();
        value = 0;
        digits = 0;
        while (at_ < t_.size() && t_[at_] >= '0' && t_[at_] <= '9') {
            if (++digits > 4) {
                return false;
            }
            value = value * 10 + (t_[at_++] - '0');
        }
        return digits > 0;
    }
    bool Char(char c)
    {
        Blanks();
        if (c != 0 && at_ < t_.size() && t_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word)
    {
        Blanks();
        if (word.empty() || t_.size() - at_ < word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (std::toupper(static_cast<unsigned char>(t_[at_ + i])) !=
                std::toupper(static_cast<unsigned char>(word[i]))) {
                return false;
            }
        }
        at_ += word.size();
        return true;
    }

    bool Date(TDateTime& value)
    {
        int n[3] = {};
        int digits[3] = {};
        if (!Number(n[0], digits[0]) || !Char(s_.DateSeparator) || !Number(n[1], digits[1])) {
            return false;
        }
        const bool three = Char(s_.DateSeparator);
        if (three && !Number(n[2], digits[2])) {
            return false;
        }
        int year = CurrentYear();
        int yearDigits = 4;
        int month = 0;
        int day = 0;
        switch (OrderOf(s_.ShortDateFormat)) {
        case DateOrder::MDY:
            month = n[0], day = n[1];
            if (three) {
                year = n[2], yearDigits = digits[2];
            }
            break;
        case DateOrder::DMY:
            day = n[0], month = n[1];
            if (three) {
                year = n[2], yearDigits = digits[2];
            }
            break;
        case DateOrder::YMD:
            if (three) {
                year = n[0], yearDigits = digits[0], month = n[1], day = n[2];
            } else {
                month = n[0], day = n[1];
            }
            break;
        }
        if (yearDigits <= 2) {
            year = WithCentury(year);
        }
        return TryEncodeDate(year, month, day, value);
    }

    bool Time(TDateTime& value)
    {
        int base = AmPm();
        int hour = 0, minute = 0, second = 0, msec = 0, digits = 0;
        if (!Number(hour, digits)) {
            return false;
        }
        bool separated = false;
        if (Char(s_.TimeSeparator)) {
            separated = true;
            if (!Number(minute, digits)) {
                return false;
            }
            if (Char(s_.TimeSeparator)) {
                if (!Number(second, digits)) {
                    return false;
                }
                if (Char(s_.DecimalSeparator) && !Number(msec, digits)) {
                    return false;
                }
            }
        }
        if (base < 0) {
            base = AmPm();
        }
        if (!separated && base < 0) {
            return false;  // a lone number is no time
        }
        if (base >= 0) {
            if (hour == 0 || hour > 12) {
                return false;
            }
            hour = hour % 12 + base;
        }
        return TryEncodeTime(hour, minute, second, msec, value);
    }

private:
    // 0 for a morning word, 12 for an afternoon one, -1 for none.
    int AmPm()
    {
        if (Word(s_.TimeAMString) || Word("AM") || Word("A")) {
            return 0;
        }
        if (Word(s_.TimePMString) || Word("PM") || Word("P")) {
            return 12;
        }
        return -1;
    }

    int WithCentury(int year) const
    {
        const int base = CurrentYear() - s_.TwoDigitYearCenturyWindow;
        year += base / 100 * 100;
        if (s_.TwoDigitYearCenturyWindow > 0 && year < base) {
            year += 100;
        }
        return year;
    }

    std::string_view t_;
    const TFormatSettings& s_;
    std::size_t at_ = 0;
};
}  // namespace

bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& settings)
{
    Scanner scan(text, settings);
    TDateTime time = 0;
    if (scan.Time(time) && scan.AtEnd()) {
        value = time;
        return true;
    }
    return false;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value, const TFormatSettings& settings)
{
    Scanner scan(text, settings);
    TDateTime date = 0;
    TDateTime time = 0;
    if (scan.Date(date)) {
        const std::size_t afterDate = scan.Position();
        if (scan.AtEnd()) {
            value = date;
            return true;
        }
        scan.Rewind(afterDate);
        if (scan.Time(time) && scan.AtEnd()) {
            value = ComposeDateTime(date, time);
            return true;
        }
        return false;
    }
    return TryStrToTime(text, value, settings);
}

TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value, settings)) {
        throw EConvertError("'" + std::string(text.substr(0, 40)) + "' is not a valid date and time");
    }
    return value;
}

TDateTime StrToTime(std::string_view text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToTime(text, value, settings)) {
        throw EConvertError("'" + std::string(text.substr(0, 40)) + "' is not a valid time");
    }
    return value;
}
