#include "editors/edit/formats/cxformatmasks.h"

#include <algorithm>

#include "editors/edit/formats/cxwholechars.h"

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerText(std::string text)
{
    std::ranges::transform(text, text.begin(), Lower);
    return text;
}

bool SameNoCase(const std::string& text, const char* upper)
{
    std::string lower = LowerText(upper);
    return LowerText(text) == lower;
}

// A separator byte in a regular expression: a blank quoted, anything else
// escaped; none for #0 and for a lead byte, which is no character alone.
std::string RegExprSeparator(char separator)
{
    if (separator == 0 || static_cast<unsigned char>(separator) >= 0x81)
        return {};
    return separator == ' ' ? "' '" : std::string("\\") + separator;
}

std::string StandardAmPmMask(const std::string& text, const TFormatSettings& settings)
{
    if (SameNoCase(text, "A/P"))
        return "c";
    if (SameNoCase(text, "AM/PM"))
        return "cc";
    return std::string(std::max(settings.TimeAMString.size(), settings.TimePMString.size()), 'c');
}

std::string MonthExpression(const TcxDateTimeFormatItem& item, const TFormatSettings& settings)
{
    const auto& names = item.Text.size() == 4 ? settings.LongMonthNames : settings.ShortMonthNames;
    std::string result = "((0?[1-9]|1[012])|(";
    for (std::size_t m = 0; m < names.size(); ++m)
        (result += m ? "|" : "") += cxQuoteMaskText(names[m]);
    return result + "))";
}

std::string AmPmExpression(const std::string& text, const TFormatSettings& settings)
{
    if (SameNoCase(text, "A/P"))
        return "(A|P)?";
    if (SameNoCase(text, "AM/PM"))
        return "(AM|PM)?";
    std::string choices;
    for (const std::string* s : {&settings.TimeAMString, &settings.TimePMString})
        if (!s->empty())
            (choices += choices.empty() ? "" : "|") += cxQuoteMaskText(*s);
    return choices.empty() ? std::string() : "(" + choices + ")?";
}

std::string DateExpression(const TcxDateTimeFormatItem& item, const TFormatSettings& settings)
{
    switch (item.Kind) {
    case dtiYear: return item.Text.size() == 2 ? "\\d\\d" : "\\d\\d\\d\\d";
    case dtiMonth: return MonthExpression(item, settings);
    case dtiDay: return "([012]?[1-9]|[123]0|31)";
    case dtiDateSeparator: return RegExprSeparator(settings.DateSeparator);
    default: return {};
    }
}

std::string TimeExpression(const TcxDateTimeFormatItem& item, const TFormatSettings& settings)
{
    switch (item.Kind) {
    case dtiHour: return item.Text.starts_with("12") ? "(0?[1-9]|1[012])" : "([01]?\\d|2[0-3])";
    case dtiMinute:
    case dtiSecond: return "[0-5]?\\d";
    case dtiAmPm: return AmPmExpression(item.Text, settings);
    case dtiTimeSeparator: return RegExprSeparator(settings.TimeSeparator);
    default: return {};
    }
}

} // namespace

std::string cxQuoteText(const std::string& text, const char* apostrophe)
{
    std::string result;
    bool open = false;
    cxForEachWholeChar(text, [&](std::size_t i, std::size_t length) {
        if (text[i] == '\'') {
            result += open ? "'" : "";
            result += apostrophe;
            open = false;
            return;
        }
        if (!open)
            result += '\'';
        open = true;
        result.append(text, i, length);
    });
    return open ? result + "'" : result;
}

std::string cxQuoteMaskText(const std::string& text)
{
    return cxQuoteText(text, "\\'");
}

std::string BuildStandardMask(const TcxDateTimeFormatInfo& info, const TFormatSettings& settings)
{
    if (info.Items.empty())
        return {};
    std::string mask = "!";
    for (const TcxDateTimeFormatItem& item : info.Items) {
        const bool wide = item.Text.size() > 2;
        switch (item.Kind) {
        case dtiLiteral:
            cxForEachWholeChar(item.Text, [&](std::size_t i, std::size_t length) { (mask += '\\').append(item.Text, i, length); });
            break;
        case dtiYear: mask += item.Text.size() == 2 ? "99" : "9999"; break;
        case dtiMonth:
        case dtiDay: mask += wide ? "lll" : "99"; break;
        case dtiHour:
        case dtiMinute:
        case dtiSecond: mask += "99"; break;
        case dtiAmPm: mask += StandardAmPmMask(item.Text, settings); break;
        case dtiDateSeparator: mask += '/'; break;
        case dtiTimeSeparator: mask += ':'; break;
        default: break;
        }
    }
    return mask + ";1; ";
}

std::string BuildRegExprMask(const TcxDateTimeFormatInfo& info, TcxRegExprMaskPart part,
                             const TFormatSettings& settings)
{
    std::string mask;
    for (const TcxDateTimeFormatItem& item : info.Items) {
        if (item.Kind == dtiLiteral)
            mask += cxQuoteMaskText(item.Text);
        else
            mask += part == TcxRegExprMaskPart::Date ? DateExpression(item, settings) : TimeExpression(item, settings);
    }
    return mask;
}

std::string AddRegExprWords(const std::string& mask, std::span<const std::string> words)
{
    if (mask.empty())
        return {};
    std::string result = "(" + mask + ")|(";
    for (std::size_t w = 0; w < words.size(); ++w)
        (result += w ? "|" : "") += cxQuoteMaskText(words[w]);
    return result + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

std::string BuildDisplayFormat(const TcxDateTimeFormatInfo& info)
{
    std::string format;
    for (const TcxDateTimeFormatItem& item : info.Items) {
        const bool wide = item.Text.size() > 2;
        switch (item.Kind) {
        case dtiLiteral: format += cxQuoteText(item.Text, "\"'\""); break;
        case dtiYear:
        case dtiAmPm: format += LowerText(item.Text); break;
        case dtiMonth: format += wide ? "mmm" : "mm"; break;
        case dtiDay: format += wide ? "ddd" : "dd"; break;
        case dtiHour: format += "hh"; break;
        case dtiMinute: format += "nn"; break;
        case dtiSecond: format += "ss"; break;
        case dtiDateSeparator: format += '/'; break;
        case dtiTimeSeparator: format += ':'; break;
        default: break;
        }
    }
    return format;
}
