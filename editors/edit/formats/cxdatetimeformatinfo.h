// A date or time format taken apart into the items an edit mask and a
// display format are built from.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "classlib/formatsettings.h"

enum TcxDateTimeItemKind : unsigned char {
    dtiLiteral,
    dtiYear,
    dtiMonth,
    dtiDay,
    dtiHour,
    dtiMinute,
    dtiSecond,
    dtiMSec,
    dtiAmPm,
    dtiDateSeparator,
    dtiTimeSeparator,
};
constexpr int kDateTimeItemKindCount = dtiTimeSeparator + 1;

struct TcxDateTimeFormatItem {
    unsigned char Kind = dtiLiteral;
    std::string Text;

    bool operator==(const TcxDateTimeFormatItem&) const = default;
};

struct TcxDateTimeFormatInfo {
    std::array<bool, kDateTimeItemKindCount> Present{};
    std::vector<TcxDateTimeFormatItem> Items;

    bool operator==(const TcxDateTimeFormatInfo&) const = default;
};

// Fills info from a format ("" reads as "C"), the nested formats (C, ddddd,
// dddddd, t, tt) coming from settings. The hour's text starts with "12" or
// "24". False, with info left empty, for a format that cannot be read (an
// era); GBK characters and a lone lead byte at the end are literal text.
bool ParseFormat(const std::string& format, const TFormatSettings& settings, TcxDateTimeFormatInfo& info);
