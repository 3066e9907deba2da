#include "classlib/booltext.h"

#include "classlib/blanks.h"
#include "classlib/exceptions.h"
#include "classlib/floattext.h"
#include "classlib/formatsettings.h"

#include <algorithm>
#include <cctype>

namespace {
bool SameText(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}
}  // namespace

std::string BoolToStr(bool value, bool useBoolStrs)
{
    if (useBoolStrs) {
        return value ? "True" : "False";
    }
    return value ? "-1" : "0";
}

bool TryStrToBool(std::string_view text, bool& value)
{
    const std::string_view word = TrimBlanks(text);
    if (SameText(word, "True") || SameText(word, "False")) {
        value = SameText(word, "True");
        return true;
    }
    long double number = 0;
    if (!TryStrToFloat(word, number, FormatSettings())) {
        return false;
    }
    value = number != 0;
    return true;
}

bool StrToBool(std::string_view text)
{
    bool value = false;
    if (!TryStrToBool(text, value)) {
        throw EConvertError("'" + std::string(text.substr(0, 40)) + "' is not a valid boolean value");
    }
    return value;
}
