// Evaluating a bracket-free token list by the passes.
#include "calculator/calcengine.h"

#include "calculator/calcerror.h"
#include "calculator/calcpasses.h"
#include "calculator/numbertext.h"

#include <algorithm>

namespace {

[[noreturn]] void MissingOperand(const std::string& token, const char* side)
{
    throw ECalcError("'" + token + "' has no " + side + " operand");
}

// One walk of one pass. Each token the pass acts on consumes its operands and
// leaves its result in their place; the list is rebuilt in one sweep rather
// than erased from, so long lists stay linear.
void RunPass(const TCalcPass& pass, TTokenList& list, TTokenList& rebuilt)
{
    rebuilt.clear();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TPassToken* entry = pass.find(list[i]);
        if (entry == nullptr) {
            rebuilt.push_back(std::move(list[i]));
            continue;
        }
        static const std::string kNone;
        switch (pass.operands) {
        case TPassOperands::None:
            rebuilt.push_back(entry->apply(kNone, kNone));
            break;
        case TPassOperands::Left:
            if (rebuilt.empty()) {
                MissingOperand(list[i], "left");
            }
            rebuilt.back() = entry->apply(rebuilt.back(), kNone);
            break;
        case TPassOperands::Right:
            if (i + 1 >= list.size()) {
                MissingOperand(list[i], "right");
            }
            rebuilt.push_back(entry->apply(kNone, list[i + 1]));
            ++i;
            break;
        case TPassOperands::Both:
            if (rebuilt.empty()) {
                MissingOperand(list[i], "left");
            }
            if (i + 1 >= list.size()) {
                MissingOperand(list[i], "right");
            }
            rebuilt.back() = entry->apply(rebuilt.back(), list[i + 1]);
            ++i;
            break;
        }
    }
    list.swap(rebuilt);
}

}  // namespace

long double TCalcEngine::calclist(TTokenList& list)
{
    if (list.empty()) {
        throw ECalcError("nothing to evaluate");
    }
    TTokenList rebuilt;
    rebuilt.reserve(list.size());
    for (const TCalcPass& pass : calcpasses) {
        const bool acts = std::any_of(list.begin(), list.end(),
                                      [&pass](const std::string& token) { return pass.find(token) != nullptr; });
        if (acts) {
            RunPass(pass, list, rebuilt);
        }
    }
    if (list.size() != 1 && onLeftoverTokens) {
        onLeftoverTokens(kLeftoverTokensMessage);
    }
    return StrToFloat(list.front());
}
