#include "editors/controls/text/cxdigitgrouping.h"

#include <algorithm>

#include "classlib/blanks.h"
#include "classlib/floattext.h"
#include "editors/controls/text/cxtextchars.h"
#include "editors/foundation/core/cxtext.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSeparatorAt(const std::string& text, std::size_t i, char separator)
{
    return separator && text[i] == separator && cxNextCharOffset(text, i) == i + 1;
}

// Digits before `end`, grouped by threes counted from `end`.
std::string GroupedRun(const std::string& number, std::size_t end, char separator)
{
    std::size_t first = end;
    while (first > 0 && IsDigit(number[first - 1]))
        --first;
    std::string grouped = number.substr(0, first);
    for (std::size_t i = first; i < end; ++i) {
        if (i > first && (end - i) % 3 == 0)
            grouped += separator;
        grouped += number[i];
    }
    return grouped + number.substr(end);
}

} // namespace

std::string RemoveDigitGrouping(const std::string& text, const TFormatSettings& settings)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t next = cxNextCharOffset(text, i);
        if (!IsSeparatorAt(text, i, settings.ThousandSeparator))
            result.append(text, i, next - i);
        i = next;
    }
    return result;
}

std::string InsertDigitGrouping(const std::string& text, const TFormatSettings& settings)
{
    if (!settings.ThousandSeparator)
        return text;
    const std::string_view body = TrimBlanks(text);
    const std::size_t lead = body.empty() ? text.size() : static_cast<std::size_t>(body.data() - text.data());
    std::string number = RemoveDigitGrouping(std::string(body), settings);
    const std::size_t exponent = std::min(cxFindSingleByteChar(number, 'E'), cxFindSingleByteChar(number, 'e'));
    const std::string tail = number.substr(exponent);
    number.resize(exponent);
    const std::size_t point = cxFindSingleByteChar(number, settings.DecimalSeparator);
    return text.substr(0, lead) + GroupedRun(number, point, settings.ThousandSeparator) + tail +
           text.substr(lead + body.size());
}

std::optional<TcxRegroupedText> RegroupDigits(const std::string& text, int caret, const TFormatSettings& settings)
{
    long double value = 0;
    if (!TryStrToFloat(RemoveDigitGrouping(text, settings), value, settings))
        return std::nullopt;
    const std::size_t at = cxCharBoundaryFrom(text, static_cast<std::size_t>(std::max(caret, 0)));
    std::size_t kept = 0;
    for (std::size_t i = 0; i < at; i = cxNextCharOffset(text, i))
        kept += IsSeparatorAt(text, i, settings.ThousandSeparator) ? 0 : 1;
    TcxRegroupedText result{InsertDigitGrouping(text, settings), 0};
    std::size_t i = 0;
    for (; kept > 0 && i < result.Text.size(); i = cxNextCharOffset(result.Text, i))
        kept -= IsSeparatorAt(result.Text, i, settings.ThousandSeparator) ? 0 : 1;
    result.Caret = static_cast<int>(i);
    return result;
}
