// The date utilities the format controller reads: the locale's first day of
// the week and the relative-date words of the date masks.
#pragma once

#include <string>
#include <vector>

// 0 Sunday … 6 Saturday, from LOCALE_IFIRSTDAYOFWEEK of the thread locale.
int LocaleStartOfWeek();

// The twenty words (today … eom, now), read from the string resources anew
// on each call, so that a replacement table takes effect at once.
std::vector<std::string> cxRelativeDateWords();
