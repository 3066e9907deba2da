// FunctionUnit: the plain date and path routines that the calculator window
// and the tools window share. Dates are the class library's date-time values:
// days since 1899-12-30, the time of day as the fraction.
#pragma once

#include <string>

// The last n bytes of text; all of it when n exceeds its length.
std::string rightchars(const std::string& text, int n);

// The path with "\" appended unless it is empty or already ends in "\".
std::string addbackslash(const std::string& path);

// Days in the month of the date, 28 to 31.
int datemonthlen(double date);

// Days in the month of a four-digit year and a month 1 to 12 given as texts;
// 0 when either text is empty. Any other text raises EConvertError.
int monthlen(const std::string& year, const std::string& month);

// A date written year-month-day with "-" or "/" (2026-06-07, 2026/6/7), the
// day clamped to the month's length; time of day 0. Raises EConvertError for
// a text that is not such a date.
double texttodate(const std::string& text);

// The absolute difference of two date-times in whole units, ties to even.
enum DateSpanUnit { SpanDays, SpanHours, SpanMinutes, SpanSeconds, SpanMilliseconds };
double datespan(int unit, double a, double b);
