// Thousand separators in a number text being edited.
#pragma once

#include <optional>
#include <string>

#include "classlib/formatsettings.h"

// The text without the settings' thousand separators.
std::string RemoveDigitGrouping(const std::string& text, const TFormatSettings& settings);
// The number regrouped: a thousand separator before every third digit of
// the run of digits that ends at the decimal separator (or before the
// exponent, or at the end). Blanks around it and the exponent stay as
// they are; without a thousand separator the text is returned unchanged.
std::string InsertDigitGrouping(const std::string& text, const TFormatSettings& settings);

struct TcxRegroupedText {
    std::string Text;
    int Caret = 0;
};

// Regroups a number typed so far, the caret staying after the same digit
// (the same count of characters that are no separators); none when the
// text without separators is no number.
std::optional<TcxRegroupedText> RegroupDigits(const std::string& text, int caret, const TFormatSettings& settings);
