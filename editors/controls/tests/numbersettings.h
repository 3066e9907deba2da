// Format settings the number and time tests use besides the Chinese ones.
#pragma once

#include "classlib/formatsettings.h"

inline TFormatSettings GermanNumbers()
{
    TFormatSettings s = ChineseFormatSettings();
    s.ThousandSeparator = '.';
    s.DecimalSeparator = ',';
    return s;
}

inline TFormatSettings UngroupedNumbers()
{
    TFormatSettings s = ChineseFormatSettings();
    s.ThousandSeparator = 0;
    return s;
}

// AM/PM in place of 上午/下午.
inline TFormatSettings EnglishDesignators()
{
    TFormatSettings s = ChineseFormatSettings();
    s.TimeAMString = "AM";
    s.TimePMString = "PM";
    return s;
}
