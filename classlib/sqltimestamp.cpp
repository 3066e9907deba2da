#include "classlib/sqltimestamp.h"

#include "classlib/exceptions.h"

bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result)
{
    TDateTime date = 0;
    TDateTime time = 0;
    if (value.Fractions > 999 || !TryEncodeDate(value.Year, value.Month, value.Day, date) ||
        !TryEncodeTime(value.Hour, value.Minute, value.Second, static_cast<int>(value.Fractions), time)) {
        return false;
    }
    result = ComposeDateTime(date, time);
    return true;
}

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value)
{
    TDateTime result = 0;
    if (!TrySQLTimeStampToDateTime(value, result)) {
        throw EConvertError("Invalid SQL time stamp");
    }
    return result;
}

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value)
{
    const TDateTimeParts p = DecodeDateTime(value);
    TSQLTimeStamp result;
    result.Year = static_cast<std::int16_t>(p.Year);
    result.Month = static_cast<std::uint16_t>(p.Month);
    result.Day = static_cast<std::uint16_t>(p.Day);
    result.Hour = static_cast<std::uint16_t>(p.Hour);
    result.Minute = static_cast<std::uint16_t>(p.Minute);
    result.Second = static_cast<std::uint16_t>(p.Second);
    result.Fractions = static_cast<std::uint32_t>(p.MSec);
    return result;
}
