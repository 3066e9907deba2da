// A time editor's edit value: the text it shows, whether a text reads as a
// time, the date part it keeps and the time of day it holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "classlib/datetime.h"
#include "classlib/formatsettings.h"
#include "classlib/variant.h"
#include "editors/controls/time/cxtimeformats.h"

// What decides how a value shows.
struct TcxTimeDisplay {
    TcxTimeEditFormat Format;
    bool Focused = false;
    bool ShowDate = false;
    bool UseTimeFormatWhenUnfocused = true;
};

// The text a date-time shows: the cell's display format while focused, and
// unfocused with UseTimeFormatWhenUnfocused unless a date is to be shown;
// otherwise the locale's own date and time or time. Trailing blanks removed.
std::string cxFormatTimeValue(TDateTime value, const TcxTimeDisplay& display, const TFormatSettings& settings);

// The text a value shows. Null: midnight focused, empty unfocused; a string
// as StrToDateTime reads it, or now when it does not read; numbers and
// date-times as themselves. None for any other kind of value.
std::optional<std::string> cxTimeValueToText(const Variant& value, const TcxTimeDisplay& display, TDateTime now,
                                             const TFormatSettings& settings);

// A text StrToDateTime reads, shown in the cell's display format; none
// when it does not read.
std::optional<std::string> cxCheckTimeText(std::string_view text, const TcxTimeEditFormat& format,
                                           const TFormatSettings& settings);

// The date part an editor keeps of a value it stores: the whole days of a
// number or date-time, of a string that reads as a date-time; else 0.
double cxTimeDatePartOf(const Variant& value, const TFormatSettings& settings);

// The time of day of an edit value, in [0, 1). Null reads as midnight; a
// string that StrToDateTime does not read, or a value that is no date-time,
// raises EConvertError or EVariantError.
double cxTimeOfEditValue(const Variant& value, const TFormatSettings& settings);

// The edit value a time editor's text stands for: a date-time, except the
// number 0 for midnight of day 0.
Variant cxTimeEditValueOf(double value);
