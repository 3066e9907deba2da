// Edit masks and display formats built from a parsed date or time format.
// An info without items (a format that could not be read, or one holding
// only an AM/PM marker) gives "" everywhere.
#pragma once

#include <span>
#include <string>

#include "classlib/formatsettings.h"
#include "editors/edit/formats/cxdatetimeformatinfo.h"

// The standard edit mask: "!" + the items + ";1; ".
std::string BuildStandardMask(const TcxDateTimeFormatInfo& info, const TFormatSettings& settings);

enum class TcxRegExprMaskPart { Date, Time };
// The regular-expression mask of the date or the time items.
std::string BuildRegExprMask(const TcxDateTimeFormatInfo& info, TcxRegExprMaskPart part,
                             const TFormatSettings& settings);
// "(" + mask + ")|(" + the words + ")" + an optional signed day count; ""
// for an empty mask.
std::string AddRegExprWords(const std::string& mask, std::span<const std::string> words);

// The display format in the run-time library's lower-case letters.
std::string BuildDisplayFormat(const TcxDateTimeFormatInfo& info);

// Text as quoted literals: runs between apostrophes in single quotes, each
// apostrophe as the given text. A lead byte with no trail byte is left out,
// so that it cannot take the next byte of the result as its own.
std::string cxQuoteText(const std::string& text, const char* apostrophe);
// For regular-expression masks, where an apostrophe is "\'".
std::string cxQuoteMaskText(const std::string& text);
