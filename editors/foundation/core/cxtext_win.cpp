#include <windows.h>

#include "editors/foundation/core/cxlocale.h"
#include "editors/foundation/core/cxtext.h"

std::string cxLocaleInfoString(LCID locale, LCTYPE type, const std::string& defaultText)
{
    int size = GetLocaleInfoA(locale, type, nullptr, 0);
    if (size <= 0)
        return defaultText;
    std::string text(static_cast<std::size_t>(size), '\0');
    size = GetLocaleInfoA(locale, type, text.data(), size);
    if (size <= 0)
        return defaultText;
    text.resize(static_cast<std::size_t>(size) - 1);
    return text;
}
