#include "editors/controls/mask/cxmaskeditregexprunits.h"

#include "classlib/gbkchars.h"

bool cxRegExprFeedUnit(TcxRegExpr& expr, std::string& unit)
{
    for (std::size_t i = 0; i < unit.size(); ++i) {
        char c = unit[i];
        bool accepted = expr.FeedChar(c);
        if (accepted && i > 0 && c != unit[i]) {
            expr.StepBack();
            accepted = false;
        }
        if (!accepted) {
            for (std::size_t j = 0; j < i; ++j)
                expr.StepBack();
            return false;
        }
        unit[i] = c;
    }
    return true;
}

std::size_t cxRegExprFeedBytes(TcxRegExpr& expr, std::string_view text)
{
    std::size_t fed = 0;
    for (char c : text) {
        if (!expr.FeedChar(c))
            break;
        ++fed;
    }
    return fed;
}

namespace {

std::string FeedForcedRun(TcxRegExpr& expr)
{
    std::string run = cxRegExprForcedRun(expr);
    for (char& c : run)
        expr.FeedChar(c);
    return run;
}

} // namespace

std::string cxRegExprFeedAccepted(TcxRegExpr& expr, const std::string& text, bool completing)
{
    std::string accepted;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t next = GbkNextCharOffset(text, i);
        if (completing)
            accepted += FeedForcedRun(expr);
        std::string unit = text.substr(i, next - i);
        if (cxRegExprFeedUnit(expr, unit))
            accepted.append(text, i, next - i);
        i = next;
    }
    return accepted;
}

std::string cxRegExprForcedRun(TcxRegExpr& expr)
{
    std::string run;
    auto added = std::move(expr.OnLiteralAdded);
    expr.OnLiteralAdded = [&run](char c) { run += c; };
    // Completion switched on completes at once; off again, each forced step is an ordinary one.
    expr.SetLiteralCompletion(true);
    expr.SetLiteralCompletion(false);
    expr.OnLiteralAdded = std::move(added);
    for (std::size_t i = 0; i < run.size(); ++i)
        expr.StepBack();
    return run;
}
