// Format settings the number tests use besides the Chinese ones.
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
