// A time editor's text read as a value or as seconds since midnight, and
// the value of a date part joined with a time of day.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "classlib/formatsettings.h"
#include "editors/controls/time/cxtimeformats.h"

// The day's fraction of value: |Frac(value)|, in [0, 1).
double cxTimeOfDay(double value);
// datePart + Sign(datePart) * the day's fraction of time, Sign(0) being 1:
// before 1899-12-30 the time counts away from zero, as the date part does.
double cxComposeTimeValue(double datePart, double time);

// The digit part (a bare hour gets ":00"), in 12-hour mode with the AM word
// when the rest of the text holds it, else the PM word, read as a time and
// joined with datePart. An unreadable text reads as the time 0.
double cxTimeTextToValue(std::string_view text, const TcxTimeEditFormat& format, double datePart,
                         const TFormatSettings& settings);

// Seconds since midnight from the fixed places of the items: hours at 1-2,
// minutes at 4-5, seconds at 7-8, each two ASCII digits; in 12-hour mode the
// hour counted mod 12 and 43200 added when the text ends with the PM word.
// None when an item is not two digits (an empty or half-typed text).
std::optional<int> cxTimeTextToSeconds(std::string_view text, const TcxTimeEditFormat& format,
                                       const TFormatSettings& settings);

// What a focused editor shows for a time of day given in seconds: the
// display format applied, trailing blanks removed.
std::string cxSecondsToTimeText(double seconds, const TcxTimeEditFormat& format, const TFormatSettings& settings);
