// What a spin editor reads from its text: a number of its value type.
#pragma once

#include <optional>
#include <string_view>

#include "classlib/formatsettings.h"
#include "editors/controls/spin/cxspinvalue.h"

// Blanks around an optional sign, digits and an optional exponent ("e" or
// "E", a sign, digits); vtFloat also takes one decimal separator of the
// settings. No "inf", "nan" or hexadecimal. vtFloat: a finite double;
// vtInt: a whole number inside the Int64 range ("15e-1" and a 20-digit
// number fail), computed exactly. None when the text is not one.
std::optional<TcxSpinNumber> cxSpinTextToNumber(std::string_view text, TcxSpinEditValueType type,
                                                const TFormatSettings& settings);
