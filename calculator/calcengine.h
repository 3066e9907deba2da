// The expression engine of the tape: cuts the expression ending on the caret's
// line out of the tape text, splits it into tokens and evaluates them. No
// window here: the calculator window derives from it and shows what it reports.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Token texts: numbers, operators, brackets and keywords.
using TTokenList = std::vector<std::string>;

// Shown when a token list does not reduce to a single value.
extern const std::string kLeftoverTokensMessage;

class TCalcEngine {
public:
    // Filled by splitexpr, rewritten in place by calcbracket to its one result.
    TTokenList explist;

    // Receives kLeftoverTokensMessage; the evaluation then goes on with the first entry.
    std::function<void(const std::string& message)> onLeftoverTokens;

    // caret: the count of bytes before the caret. Clears and fills explist.
    void splitexpr(std::string_view tape, std::size_t caret);
    // Evaluates the non-empty explist, brackets innermost first; leaves its one result there.
    long double calcbracket();
    // Evaluates a bracket-free list by the passes, rewriting it in place.
    long double calclist(TTokenList& list);

    static bool isnumber(std::string_view token);
    static bool iskeyword(std::string_view token);
    // Angle tests on a number text: ±90, ±270 ... and 0, ±180, ±360 ...
    static bool is90multiple(std::string_view text);
    static bool is180multiple(std::string_view text);
};
