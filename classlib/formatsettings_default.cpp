// Builds without a locale to read take the program's own.
#include "classlib/formatsettings.h"

TFormatSettings SystemFormatSettings()
{
    return ChineseFormatSettings();
}
