#include "editors/controls/time/cxtimeitems.h"

#include <algorithm>

#include "classlib/asciicase.h"

TcxTimeItemKind cxGetTimeItemAt(int p, const TcxTimeEditFormat& format, int maxLength)
{
    if (maxLength > 0 && p > maxLength)
        p = maxLength;
    if (!format.Use24HourFormat && p > cxTimeDigitPartLength(format.TimeFormat))
        return tikDesignator;
    const std::string& shown = cxTimeFormatTable().Cell(format).DisplayFormat;
    const int length = static_cast<int>(shown.size());
    p = std::clamp(p, 1, length);
    char c = AsciiUpper(shown[static_cast<std::size_t>(p - 1)]);
    if (c != 'H' && c != 'N' && c != 'S')
        c = AsciiUpper(shown[static_cast<std::size_t>(std::min(p + 1, length) - 1)]);
    if (c == 'H')
        return tikHour;
    return c == 'N' ? tikMinute : tikSecond;
}

int cxGetTimeItemStart(TcxTimeItemKind kind, TcxTimeEditTimeFormat format)
{
    if (kind == tikDesignator)
        return cxTimeDigitPartLength(format) + 2;
    return static_cast<int>(kind) * 3 + 1;
}

TcxTimeItemInfo cxGetTimeItemInfo(std::string_view text, int p, const TcxTimeEditFormat& format, int maxLength)
{
    TcxTimeItemInfo info;
    info.Kind = cxGetTimeItemAt(p, format, maxLength);
    info.Start = cxGetTimeItemStart(info.Kind, format.TimeFormat);
    info.Use24Hour = format.Use24HourFormat;
    if (info.Kind == tikDesignator) {
        const auto from = std::min(static_cast<std::size_t>(info.Start - 1), text.size());
        const std::string_view rest = text.substr(from);
        info.Length = static_cast<int>(rest.find_last_not_of(' ') + 1);
    }
    return info;
}
