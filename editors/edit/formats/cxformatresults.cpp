#include "editors/edit/formats/cxformatresults.h"

#include <algorithm>

#include "editors/edit/formats/cxformatmasks.h"
#include "editors/edit/formats/cxformatpatterns.h"
#include "editors/edit/formats/cxwholechars.h"

TcxFormatResults cxComputeFormatResults(const TFormatSettings& settings, std::span<const std::string> words,
                                        int firstDayOfWeek)
{
    TcxFormatResults r;
    r.CurrencyPattern = cxCurrencyPattern(settings);
    r.FirstDayOfWeek = firstDayOfWeek;
    ParseFormat(settings.ShortDateFormat, settings, r.DateInfo);
    ParseFormat(settings.LongTimeFormat, settings, r.TimeInfo);
    // A lead byte ending the date would take the blank for its trail byte.
    ParseFormat(cxWithoutHalfChar(settings.ShortDateFormat) + " " + settings.LongTimeFormat, settings, r.DateTimeInfo);

    r.DateMaskStandard = BuildStandardMask(r.DateInfo, settings);
    r.DateTimeMaskStandard = BuildStandardMask(r.DateTimeInfo, settings);

    const std::size_t dateWords = std::min<std::size_t>(words.size(), kRelativeDateWordCount - 1);
    const std::string date = BuildRegExprMask(r.DateInfo, TcxRegExprMaskPart::Date, settings);
    r.DateMaskRegExpr = AddRegExprWords(date, words.first(dateWords));
    // Either half missing leaves nothing to enter.
    if (!r.DateInfo.Items.empty() && !r.TimeInfo.Items.empty()) {
        const std::string time = BuildRegExprMask(r.TimeInfo, TcxRegExprMaskPart::Time, settings);
        r.DateTimeMaskRegExpr = AddRegExprWords(date + " ' '(" + time + ")?",
                                                words.first(std::min<std::size_t>(words.size(), kRelativeDateWordCount)));
    }

    r.DateDisplayFormat = BuildDisplayFormat(r.DateInfo);
    r.DateTimeDisplayFormat = BuildDisplayFormat(r.DateTimeInfo);
    r.DateEditPattern = DateEditPattern(settings.ShortDateFormat);
    return r;
}
