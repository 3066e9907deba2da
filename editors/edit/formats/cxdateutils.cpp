#include "editors/edit/formats/cxdateutils.h"

#include <windows.h>

#include "editors/edit/formats/cxformatpatterns.h"
#include "editors/edit/formats/cxformatresults.h"
#include "editors/foundation/core/cxlocale.h"
#include "editors/foundation/core/cxresourcetext.h"

int LocaleStartOfWeek()
{
    return cxStartOfWeekFromLocale(cxLocaleInfoString(GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, "0"));
}

std::vector<std::string> cxRelativeDateWords()
{
    std::vector<std::string> words;
    for (unsigned id = cxSDateToday; id < cxSDateToday + kRelativeDateWordCount; ++id)
        words.push_back(cxGetResourceText(id));
    return words;
}
