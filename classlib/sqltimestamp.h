// TSQLTimeStamp: the record the SQL time-stamp variant kind holds (16 bytes).
#pragma once

#include "classlib/datetime.h"

#include <cstdint>

struct TSQLTimeStamp {
    std::int16_t Year = 0;
    std::uint16_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    std::uint32_t Fractions = 0;  // milliseconds

    friend bool operator==(const TSQLTimeStamp&, const TSQLTimeStamp&) = default;
};
static_assert(sizeof(TSQLTimeStamp) == 16);

// A field outside its range raises EConvertError.
TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value);
bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result);
// A value outside years 1..9999 raises EConvertError.
TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value);
