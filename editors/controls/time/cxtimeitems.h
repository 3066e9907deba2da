// The items of a time text (hour, minute, second, AM/PM designator): which
// one a position falls in, where it starts and how long it is.
#pragma once

#include <string_view>

#include "classlib/formatsettings.h"
#include "editors/controls/time/cxtimeformats.h"

enum TcxTimeItemKind { tikHour, tikMinute, tikSecond, tikDesignator };

// The locale's AM/PM words; the time editor uses no other designators.
inline constexpr unsigned char cxLocaleDesignatorKind = 2;

struct TcxTimeItemInfo {
    TcxTimeItemKind Kind = tikHour;
    // 1-based position of the item's first byte.
    int Start = 1;
    // 2 for the digit items; the designator's bytes.
    int Length = 2;
    unsigned char DesignatorKind = cxLocaleDesignatorKind;
    bool Use24Hour = true;
};

// The item at 1-based position p, p first cut to maxLength when that is
// above 0: in 12-hour mode past the digits the designator; else by the
// display format's letter at p, or at p + 1 when p is a separator (carets
// 0-1 the hour, 2-4 the minute, 5-8 the second).
TcxTimeItemKind cxGetTimeItemAt(int p, const TcxTimeEditFormat& format, int maxLength);

// Kind * 3 + 1 for the digit items; the designator follows the digits and a blank.
int cxGetTimeItemStart(TcxTimeItemKind kind, TcxTimeEditTimeFormat format);

// The item at p in text, the designator's length being the bytes shown
// from its start, trailing blanks left out.
TcxTimeItemInfo cxGetTimeItemInfo(std::string_view text, int p, const TcxTimeEditFormat& format, int maxLength);
