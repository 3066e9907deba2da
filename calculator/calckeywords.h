// The words and signs the tokenizer keeps: operators, brackets, function
// names, the constant PI and a few command words.
#pragma once

#include <array>
#include <string_view>

inline constexpr std::size_t kCalcKeywordCount = 37;

// Searched by exact, case-sensitive comparison; callers upper-case first.
extern const std::array<std::string_view, kCalcKeywordCount> calckeywords;

// Case-insensitive (ASCII letters only) comparison with an upper-case name.
bool SameUpper(std::string_view token, std::string_view upper);

// Window commands typed on the tape, in any case: the tokenizer drops them.
bool IsTapeCommand(std::string_view token);

// The characters at which the tape text is cut into pieces.
bool IsSplitChar(char c);
