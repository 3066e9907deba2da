#include "calculator/calckeywords.h"

#include <algorithm>

const std::array<std::string_view, kCalcKeywordCount> calckeywords = {
    "+",      "-",       "*",      "/",         "^",      "!",       "SQR",     "SQRT",
    "%",      "ABS",     "INT",    "TRUNC",     "FRAC",   "ARCTAN",  "COS",     "LN",
    "PI",     "SIN",     "TAN",    "ROUND",     "LOG2",   "LOG10",   "SETFONT", "BKCOLOR",
    "ARCSIN", "ARCCOS",  "BACKCOLOR", "CLEAR",  "CLOSE",  "QUIT",    "EXIT",    "(",
    ")",      "FULLSCREEN", "FULLSCR", "REVERT", "REV",
};

bool SameUpper(std::string_view token, std::string_view upper)
{
    return std::equal(token.begin(), token.end(), upper.begin(), upper.end(), [](char c, char u) {
        return (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == u;
    });
}

bool IsTapeCommand(std::string_view token)
{
    static constexpr std::array<std::string_view, 7> kCommands = {
        "SETFONT", "BKCOLOR", "BACKCOLOR", "FULLSCREEN", "FULLSCR", "REVERT", "REV",
    };
    return std::any_of(kCommands.begin(), kCommands.end(),
                       [token](std::string_view command) { return SameUpper(token, command); });
}

bool IsSplitChar(char c)
{
    switch (c) {
    case '+': case '-': case '*': case '/': case '^': case '!': case '%': case '(': case ')':
        return true;
    default:
        return false;
    }
}
