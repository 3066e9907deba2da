// PCRE2 as an oracle for the regular-expression masks (host and fuzz builds):
// a mask that compiles is rewritten into an equivalent PCRE2 pattern of
// explicit byte sets, and each step of our automaton is checked against it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "classlib/formatsettings.h"

// The pattern for a mask, or nothing when the mask is not compared
// (references to an open block, range ends that are not plain characters,
// classes that match nothing).
std::optional<std::string> cxRegExprToPcre2(std::string_view mask, bool caseInsensitive,
                                            const TFormatSettings& settings);

// Feeds text byte by byte into the mask, once plainly and once with literal
// completion, and checks acceptance, completeness and every forced byte
// against PCRE2: nothing when the case is not compared (the mask does not
// compile, is not translated, or PCRE2 cannot decide), "" when they agree,
// else what differed.
std::optional<std::string> cxRegExprCompareWithPcre2(std::string_view mask, std::string_view text,
                                                     bool caseInsensitive, const TFormatSettings& settings);
