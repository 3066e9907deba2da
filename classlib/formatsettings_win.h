// The format settings of a Windows locale.
#pragma once

#include "classlib/formatsettings.h"

// Fields the locale does not give keep their defaults. Windows time formats
// become ours: "tt" and "t" read "AMPM"; without a short time format the long
// one without its seconds stands in.
TFormatSettings LocaleFormatSettings(unsigned long locale);
