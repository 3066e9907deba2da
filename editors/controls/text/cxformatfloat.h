// Numbers as text by a format string, as display and edit formats give it:
//   0   a digit, 0 where the number has none;  #   a digit, nothing where it has none;
//   .   the decimal separator (the first one; it shows only before digits);
//   ,   thousand separators in the integer digits (anywhere in the section);
//   E+ E- e+ e-   scientific notation, the zeros after it the exponent's least digits
//       (E+ always signs the exponent, E- only a negative one);
//   'x' "x"   literal text;  ;   sections for positive, negative and zero values
//       (an empty or missing section: the first one, a negative value then
//       taking a leading '-' unless it rounds to zero).
// Any other character is literal. The number's 15 significant digits are
// rounded half away from zero to the places the format shows; integer
// digits beyond the placeholders go to the first one. An empty format, an
// empty first section, infinities and NaN give the general format.
#pragma once

#include <string>

#include "classlib/formatsettings.h"

std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings);
