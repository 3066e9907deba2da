#include "calculator/calckeywords.h"

#include <algorithm>

const std::array<std::string_view, kCalcKeywordCount> calckeywords = {
    "+",      "-",       "*",      "/",         "^",      "!",       "SQR",     "SQRT",
    "%",      "ABS",     "INT",    "TRUNC",     "FRAC",   "ARCTAN",  "COS",     "LN",
    "PI",     "SIN",     "TAN",    "ROUND",     "LOG2",   "LOG10",   "SETFONT", "BKCOLOR",
    "ARCSIN", "ARCCOS",  "BACKCOLOR", "CLEAR",  "CLOSE",  "QUIT",    "EXIT",    "(",
    ")",      "FULLSCREEN", "FULLSCR", "REVERT", "REV",
};

bool IsTapeCommand(std::string_view upperToken)
{
    static constexpr std::array<std::string_view, 7> kCommands = {
        "SETFONT", "BKCOLOR", "BACKCOLOR", "FULLSCREEN", "FULLSCR", "REVERT", "REV",
    };
    return std::find(kCommands.begin(), kCommands.end(), upperToken) != kCommands.end();
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
