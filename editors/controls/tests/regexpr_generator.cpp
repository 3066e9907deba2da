#include "editors/controls/tests/regexpr_generator.h"

#include <array>

namespace {

// GBK bytes are written as escapes: the fuzz build's literals are UTF-8.
constexpr std::array<const char*, 14> kSymbols{"a", "b", "c", "A", "B", "0", "1", "-", ",", "\\.", "\\x20",
                                               "\\xc9", "\\xcf", "'a b'"};
constexpr std::array<const char*, 11> kClasses{"\\d", "\\w", "\\s", "\\D", "\\W", "\\S", ".", "\\p", ":", "/", "\\t"};
constexpr std::array<const char*, 9> kEnumerations{"[a-c]", "[^ab]", "[\\d:]", "[a-]", "[A-Z0]", "[^\\x80-\\xff]",
                                                   "[\\xc9\\xcf.]", "[/,b]", "[^\\s]"};
constexpr std::array<const char*, 12> kQuantifiers{"*", "+", "?", "{2}", "{0,1}", "{1,}", "{1,3}", "*?", "+?",
                                                   "+{0,1}", "{0}", "{2,}"};
constexpr std::string_view kTextBytes = "abcABC01 :/.-,_\t\xc9\xcf";

} // namespace

std::string TRegExprCaseGenerator::Text()
{
    std::string text;
    for (std::size_t n = Pick(9); n > 0; --n)
        text += kTextBytes[Pick(kTextBytes.size())];
    return text;
}

std::string TRegExprCaseGenerator::Alternatives(int depth)
{
    std::string text;
    for (std::size_t alt = 0, alts = 1 + (Pick(3) == 0 ? Pick(3) : 0); alt < alts; ++alt) {
        if (alt > 0)
            text += '|';
        for (std::size_t n = 1 + Pick(3); n > 0; --n)
            text += Item(depth);
    }
    return text;
}

std::string TRegExprCaseGenerator::Item(int depth)
{
    std::string item = Atom(depth);
    return Pick(3) == 0 ? item + Quantifier() : item;
}

std::string TRegExprCaseGenerator::Atom(int depth)
{
    switch (Pick(depth > 0 ? 6 : 4)) {
    case 0: case 1: return kSymbols[Pick(kSymbols.size())];
    case 2: return kClasses[Pick(kClasses.size())];
    case 3:
        if (blocks_ > 0 && Pick(3) == 0)
            return "\\" + std::to_string(1 + Pick(static_cast<std::size_t>(blocks_)));
        return kEnumerations[Pick(kEnumerations.size())];
    default: {
        ++blocks_;
        return "(" + Alternatives(depth - 1) + ")";
    }
    }
}

std::string TRegExprCaseGenerator::Quantifier()
{
    return kQuantifiers[Pick(kQuantifiers.size())];
}
