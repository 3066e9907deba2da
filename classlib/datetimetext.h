// Date-time values as text and back, by the format settings.
#pragma once

#include "classlib/datetime.h"

#include <string>
#include <string_view>

struct TFormatSettings;

// The format's specifiers, in any case: c (short date, then the long time
// unless midnight), d dd ddd dddd ddddd dddddd, e ee (the year), m mm mmm mmmm
// (month, or minutes after an hour), yy yyyy, h hh (to 12 when the format has
// an AM/PM anywhere), n nn, s ss, z zzz, t tt, am/pm a/p ampm, / :, "..." and
// '...' literals. A value outside years 1..9999 raises EConvertError.
std::string FormatDateTime(std::string_view format, TDateTime value, const TFormatSettings& settings);
// The short date, plus " " and the long time unless the time is midnight.
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);
std::string DateToStr(TDateTime value, const TFormatSettings& settings);
std::string TimeToStr(TDateTime value, const TFormatSettings& settings);

// A date in the order of the short date format, with the date separator, an
// optional time after it (hours, minutes, optional seconds and milliseconds,
// an AM/PM word), or a time alone. Raises EConvertError when it is not one.
bool TryStrToDateTime(std::string_view text, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings);
// A time alone, read as StrToDateTime reads the time after a date
// ("8:00", "1:05 下午", "08:30:15上午"). Raises EConvertError when it is not one.
bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToTime(std::string_view text, const TFormatSettings& settings);
