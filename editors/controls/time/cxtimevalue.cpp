#include "editors/controls/time/cxtimevalue.h"

#include <cmath>

#include "classlib/datetimetext.h"
#include "editors/controls/time/cxtimetext.h"
#include "editors/edit/variants/cxvariants.h"

namespace {

std::string TrimRight(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

const std::string& DisplayFormat(const TcxTimeEditFormat& format)
{
    return cxTimeFormatTable().Cell(format).DisplayFormat;
}

bool HasDate(TDateTime value)
{
    return std::trunc(value) != 0;
}

} // namespace

std::string cxFormatTimeValue(TDateTime value, const TcxTimeDisplay& display, const TFormatSettings& settings)
{
    const bool dated = display.ShowDate && value != 0 && HasDate(value);
    if (display.Focused || (display.UseTimeFormatWhenUnfocused && !dated))
        return TrimRight(FormatDateTime(DisplayFormat(display.Format), value, settings));
    return TrimRight(dated ? DateTimeToStr(value, settings) : TimeToStr(value, settings));
}

std::optional<std::string> cxTimeValueToText(const Variant& value, const TcxTimeDisplay& display, TDateTime now,
                                             const TFormatSettings& settings)
{
    if (value.IsNull())
        return display.Focused ? cxFormatTimeValue(0, display, settings) : std::string();
    const bool text = VarIsStr(value);
    if (!text && !VarIsDateTime(value) && !VarIsNumber(value))
        return std::nullopt;
    // A text that does not read, or a moment outside the calendar, shows now.
    try {
        TDateTime read = 0;
        if (text && !TryStrToDateTime(VarToStr(value), read, settings))
            return cxFormatTimeValue(now, display, settings);
        return cxFormatTimeValue(text ? read : value.ToDateTime(), display, settings);
    } catch (const std::exception&) {
        return cxFormatTimeValue(now, display, settings);
    }
}

std::optional<std::string> cxCheckTimeText(std::string_view text, const TcxTimeEditFormat& format,
                                           const TFormatSettings& settings)
{
    TDateTime read = 0;
    if (!TryStrToDateTime(text, read, settings))
        return std::nullopt;
    try {
        return TrimRight(FormatDateTime(DisplayFormat(format), read, settings));
    } catch (const std::exception&) {
        // Read, but outside the years a date-time shows.
        return std::nullopt;
    }
}

double cxTimeDatePartOf(const Variant& value, const TFormatSettings& settings)
{
    if (VarIsStr(value)) {
        TDateTime read = 0;
        return TryStrToDateTime(VarToStr(value), read, settings) ? std::trunc(read) : 0;
    }
    if (!VarIsDateTime(value) && !VarIsNumber(value))
        return 0;
    const double number = value.ToDouble();
    return std::isfinite(number) ? std::trunc(number) : 0;
}

double cxTimeOfEditValue(const Variant& value, const TFormatSettings& settings)
{
    if (value.IsNull() || value.IsEmpty())
        return 0;
    if (VarIsStr(value))
        return cxTimeOfDay(StrToDateTime(VarToStr(value), settings));
    return cxTimeOfDay(value.ToDateTime());
}

Variant cxTimeEditValueOf(double value)
{
    return value == 0 ? Variant(0.0) : Variant::FromDateTime(value);
}
