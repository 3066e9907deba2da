// Everything the format controller offers, computed from format settings,
// the relative-date words and the locale's first day of the week.
#pragma once

#include <span>
#include <string>

#include "classlib/formatsettings.h"
#include "editors/edit/formats/cxdatetimeformatinfo.h"

// The words of the date masks, "now" last (the date-time mask only).
constexpr int kRelativeDateWordCount = 20;

struct TcxFormatResults {
    TcxDateTimeFormatInfo DateInfo, TimeInfo, DateTimeInfo;
    std::string CurrencyPattern;
    int FirstDayOfWeek = 0;
    std::string DateEditPattern;
    std::string DateMaskStandard;
    std::string DateMaskRegExpr;
    std::string DateTimeMaskRegExpr;
    std::string DateTimeMaskStandard;
    std::string DateDisplayFormat;
    std::string DateTimeDisplayFormat;
};

// words: the relative-date words in their order; fewer than twenty leave
// the rest out.
TcxFormatResults cxComputeFormatResults(const TFormatSettings& settings, std::span<const std::string> words,
                                        int firstDayOfWeek);
