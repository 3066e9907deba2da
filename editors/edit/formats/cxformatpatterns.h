// The locale's short date as an edit pattern, its currency as a number
// format, and its first day of the week.
#pragma once

#include <string>

#include "classlib/formatsettings.h"

// The short date format with each lone "d" and "M" doubled; quoted text and
// double-byte characters stay as they are.
std::string DateEditPattern(const std::string& shortDateFormat);

// "positive;negative" by CurrencyFormat and NegCurrFormat (the Windows
// patterns); a pattern number out of range gives an empty part, as an
// empty CurrencyString gives an empty positive part.
std::string cxCurrencyPattern(const TFormatSettings& settings);

// LOCALE_IFIRSTDAYOFWEEK's text (0 Monday … 6 Sunday) as 0 Sunday … 6
// Saturday; a text that is no such day reads as "0".
int cxStartOfWeekFromLocale(const std::string& localeText);
