// Whole numbers as text, as the run-time library reads them.
#pragma once

#include <string_view>

// An optional sign, then decimal digits, or "$" and hex digits ("$FFFFFFFF"
// is -1, as a hex integer reads); no blanks, no "0x". False for anything else
// or a value beyond int.
bool TryStrToInt(std::string_view text, int& value);
// The same, raising EConvertError "'text' is not a valid integer value".
int StrToInt(std::string_view text);
