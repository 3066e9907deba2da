// Booleans as text.
#pragma once

#include <string>
#include <string_view>

// "True"/"False" with useBoolStrs, else "-1"/"0".
std::string BoolToStr(bool value, bool useBoolStrs = false);
// "True" or "False" in any case, or a number (non-zero is true); blanks around allowed.
bool TryStrToBool(std::string_view text, bool& value);
// The same, raising EConvertError.
bool StrToBool(std::string_view text);
