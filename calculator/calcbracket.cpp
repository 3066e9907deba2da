// Reducing bracket groups, innermost first, and evaluating what is left.
#include "calculator/calcengine.h"

#include "calculator/calcarith.h"
#include "calculator/calcerror.h"
#include "calculator/calckeywords.h"
#include "calculator/numbertext.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// A lone "PI" keeps full extended precision; anything else is read as a number.
long double SingleValue(const std::string& token)
{
    return SameUpper(token, "PI") ? kCalcPi : StrToFloat(token);
}

// The partner of each "(": the first ")" after it once every "(" to its right
// has taken its own, i.e. ordinary nesting. Unpaired ones stay kNone.
std::vector<std::size_t> MatchBrackets(const TTokenList& list)
{
    std::vector<std::size_t> closing(list.size(), kNone);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == "(") {
            open.push_back(i);
        } else if (list[i] == ")" && !open.empty()) {
            closing[open.back()] = i;
            open.pop_back();
        }
    }
    return closing;
}

}  // namespace

long double TCalcEngine::calcbracket()
{
    if (explist.empty()) {
        throw ECalcError("nothing to evaluate");
    }
    if (explist.size() == 1) {
        return SingleValue(explist.front());
    }

    // Groups are reduced from the last "(" backwards, each inside a linked view
    // of the list, so that deep nesting costs no recursion and no repeated erasing.
    const std::size_t count = explist.size();
    const std::vector<std::size_t> closing = MatchBrackets(explist);
    std::vector<std::size_t> next(count);
    std::vector<std::size_t> previous(count);
    for (std::size_t i = 0; i < count; ++i) {
        next[i] = i + 1;
        previous[i] = i == 0 ? kNone : i - 1;
    }
    std::size_t first = 0;

    TTokenList scratch;
    for (std::size_t open = count; open-- > 0;) {
        if (explist[open] != "(") {
            continue;
        }
        const std::size_t close = closing[open];
        if (close == kNone) {
            throw ECalcError("'(' without a matching ')'");
        }
        scratch.clear();
        for (std::size_t k = next[open]; k != close; k = next[k]) {
            scratch.push_back(std::move(explist[k]));
        }
        if (scratch.empty()) {
            throw ECalcError("empty brackets '()'");
        }
        explist[close] = FloatToStr(calclist(scratch));
        // Unlink the "(" and the inner tokens; the ")" now holds the value.
        const std::size_t before = previous[open];
        previous[close] = before;
        if (before == kNone) {
            first = close;
        } else {
            next[before] = close;
        }
    }

    TTokenList rest;
    for (std::size_t k = first; k < count; k = next[k]) {
        rest.push_back(std::move(explist[k]));
    }
    explist = std::move(rest);
    if (explist.size() >= 2) {
        TTokenList whole = std::move(explist);
        const long double value = calclist(whole);
        explist.assign(1, FloatToStr(value));
    }
    return SingleValue(explist.front());
}
