#include "editors/controls/mask/cxmaskeditregexprexmode.h"

#include <algorithm>

#include "editors/controls/mask/cxmaskchars.h"
#include "editors/controls/mask/cxmaskeditregexprunits.h"

void TcxMaskEditRegExprExMode::SetModeMask(const std::string& mask)
{
    TcxMaskEditRegExprMode::SetModeMask(mask);
    mapped_ = false;
}

std::string TcxMaskEditRegExprExMode::Forced()
{
    return cxRegExprForcedRun(expr_);
}

std::string TcxMaskEditRegExprExMode::GetEmptyValue()
{
    if (!scratch_.IsCompiled())
        return {};
    scratch_.Rewind();
    return cxRegExprForcedRun(scratch_);
}

std::string TcxMaskEditRegExprExMode::ApplyMask(const std::string& text, bool textHasLiterals)
{
    std::string result = TcxMaskEditRegExprMode::ApplyMask(text, textHasLiterals);
    return scratch_.IsCompiled() ? result + cxRegExprForcedRun(scratch_) : result;
}

std::string TcxMaskEditRegExprExMode::Filter(TcxRegExpr& expr, const std::string& text)
{
    expr.Rewind();
    return cxRegExprFeedAccepted(expr, text, true);
}

bool TcxMaskEditRegExprExMode::IsTextValid(const std::string& text)
{
    return !scratch_.IsCompiled() || text == GetEmptyValue() || IsAccepted(text);
}

void TcxMaskEditRegExprExMode::SetModeText(const std::string& text)
{
    Invalidate();
    // The caret is put between whole units at the next operation.
    mouseMoved_ = true;
    completedText_.clear();
    if (scratch_.IsCompiled()) {
        scratch_.Rewind();
        cxRegExprFeedAccepted(scratch_, text);
        completedText_ = cxRegExprForcedRun(scratch_);
    }
}

void TcxMaskEditRegExprExMode::RefreshValueIfMarked()
{
    if (!refreshValue_)
        return;
    refreshValue_ = false;
    if (HasPort())
        Port().SetEditValue(completedText_);
}

// Which bytes of text the mask forced: after the forced run at a typed
// character's end, the next character is typed. The scratch expression reads
// it, so the editor's automaton stays where it is; kept until the text changes.
const std::vector<bool>& TcxMaskEditRegExprExMode::ForcedBytes(const std::string& text)
{
    if (mapped_ && mapText_ == text)
        return forced_;
    mapText_ = text;
    mapped_ = true;
    forced_.assign(text.size(), false);
    scratch_.Rewind();
    for (std::size_t q = 0; q < text.size();) {
        const std::string run = cxRegExprForcedRun(scratch_);
        for (std::size_t k = 0; k < run.size() && q < text.size() && run[k] == text[q]; ++k, ++q) {
            char c = text[q];
            scratch_.FeedChar(c);
            forced_[q] = true;
        }
        const auto next = static_cast<std::size_t>(cxMaskNextChar(text, static_cast<int>(q)));
        if (q < text.size() && cxRegExprFeedBytes(scratch_, std::string_view(text).substr(q, next - q)) < next - q)
            break;
        q = next;
    }
    return forced_;
}

bool TcxMaskEditRegExprExMode::IsForcedChar(const std::string& text, int p)
{
    const std::vector<bool>& forced = ForcedBytes(text);
    const int next = cxMaskNextChar(text, p);
    for (int b = p; b < next; ++b)
        if (!forced[static_cast<std::size_t>(b)])
            return false;
    return p < next;
}

int TcxMaskEditRegExprExMode::UnitStartAt(const std::string& text, int p)
{
    p = cxMaskCharFloor(text, p);
    while (IsForcedChar(text, p))
        p = cxMaskNextChar(text, p);
    return p;
}

int TcxMaskEditRegExprExMode::UnitBefore(const std::string& text, int p)
{
    // The last typed character before p; none: only the prefix lies there, which stays.
    int typed = -1;
    for (int q = 0; q < p; q = cxMaskNextChar(text, q))
        if (!IsForcedChar(text, q))
            typed = q;
    return typed >= 0 ? typed : std::min(p, UnitStartAt(text, 0));
}

int TcxMaskEditRegExprExMode::UnitAfter(const std::string& text, int p)
{
    const int start = UnitStartAt(text, p);
    return start >= static_cast<int>(text.size()) ? start : UnitStartAt(text, cxMaskNextChar(text, start));
}

std::pair<int, int> TcxMaskEditRegExprExMode::SelectedUnits(const std::string& text, const TcxMaskEditSelection& sel)
{
    const int start = cxMaskCharFloor(text, sel.Start);
    const int snapped = UnitStartAt(text, start);
    const int from = snapped == start ? start : UnitBefore(text, snapped);
    const int to = UnitStartAt(text, cxMaskCharCeil(text, sel.Start + sel.Length));
    return {from, std::max(from, to)};
}

void TcxMaskEditRegExprExMode::Sync()
{
    const bool clicked = mouseMoved_;
    TcxMaskEditRegExprMode::Sync();
    if (!clicked)
        return;
    // After a click the caret and selection cover whole units.
    const std::string text = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    if (sel.Length == 0) {
        const int p = UnitStartAt(text, sel.Start);
        Port().Select(p, p);
    } else {
        const auto [from, to] = SelectedUnits(text, sel);
        if (sel.CaretAtStart)
            Port().Select(to, from);
        else
            Port().Select(from, to);
    }
    MoveTo(cxMaskCharFloor(text, Port().Selection().Caret()));
}

// The key with the characters the mask then forces goes in as one
// replacement: the inner edit would turn a lone lead byte sent as a
// character into '?'.
bool TcxMaskEditRegExprExMode::TypeChar(char& key)
{
    std::optional<TTyping> typing = StartTyping(key);
    if (!typing)
        return false;
    const std::string& unit = typing->Unit;
    const std::string keptHead = head_;
    std::string typed = unit;
    bool accepted = cxRegExprFeedUnit(expr_, typed);
    if (!accepted) {
        // Forced characters (a selected prefix, a separator) come first.
        TakeForced();
        typed = unit;
        accepted = head_.size() > keptHead.size() && cxRegExprFeedUnit(expr_, typed);
        if (!accepted) {
            for (std::size_t i = keptHead.size(); i < head_.size(); ++i)
                expr_.StepBack();
            head_ = keptHead;
            RefuseTyping(*typing);
            return false;
        }
    }
    head_ += typed;
    key = typed[0];
    TakeForced();
    JoinTail();
    return false;
}
