// A locale item as text.
#pragma once

#include <windows.h>

#include <string>

// The item without its terminating zero; defaultText when the system has none.
std::string cxLocaleInfoString(LCID locale, LCTYPE type, const std::string& defaultText);
