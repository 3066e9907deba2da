#include "editors/controls/mask/cxmaskeditregexprmode.h"

#include <algorithm>

#include "editors/controls/mask/cxmaskchars.h"
#include "editors/controls/mask/cxmaskediterror.h"
#include "editors/controls/mask/cxmaskeditregexprunits.h"

namespace {

int Size(const std::string& text)
{
    return static_cast<int>(text.size());
}

} // namespace

TcxMaskEditRegExprMode::TcxMaskEditRegExprMode(TcxMaskEditPort* port, TcxMaskEditModeOptions options)
    : TcxMaskEditCustomMode(port, std::move(options)), expr_(*Options().Settings, Options().Texts),
      scratch_(*Options().Settings, Options().Texts)
{
}

void TcxMaskEditRegExprMode::SetModeMask(const std::string& mask)
{
    // A mask that does not compile changes nothing: the mode keeps working with the old one.
    if (!cxIsBlankMask(mask)) {
        try {
            TcxRegExpr(*Options().Settings, Options().Texts).Compile(mask);
        } catch (const EcxRegExprError& e) {
            throw cxMaskEditErrorOf(e, Options().Texts(cxSRegExprErrors));
        }
    }
    TcxMaskEditCustomMode::SetModeMask(mask);
    Invalidate();
    if (IsMaskAbsent())
        return;
    expr_.Compile(mask);
    scratch_.Compile(mask);
    expr_.SetCaseInsensitive(Options().CaseInsensitive);
    scratch_.SetCaseInsensitive(Options().CaseInsensitive);
}

void TcxMaskEditRegExprMode::Sync()
{
    const std::string text = Port().Text();
    const bool inStep = synced_ && !mouseMoved_ && text.size() == head_.size() + tail_.size() &&
                        text.compare(0, head_.size(), head_) == 0 && text.compare(head_.size(), tail_.size(), tail_) == 0;
    if (!inStep) {
        expr_.Rewind();
        head_.clear();
        tail_ = text;
        synced_ = true;
    }
    mouseMoved_ = false;
    MoveTo(cxMaskCharFloor(text, Port().Selection().Caret()));
}

void TcxMaskEditRegExprMode::MoveTo(int p)
{
    if (p == 0) {
        expr_.Rewind();
        tail_.insert(0, head_);
        head_.clear();
        return;
    }
    if (p < Size(head_)) {
        for (int i = p; i < Size(head_); ++i)
            expr_.StepBack();
        tail_.insert(0, head_, static_cast<std::size_t>(p));
        head_.resize(static_cast<std::size_t>(p));
        return;
    }
    const std::size_t wanted = std::min(tail_.size(), static_cast<std::size_t>(p) - head_.size());
    const std::size_t fed = cxRegExprFeedBytes(expr_, std::string_view(tail_).substr(0, wanted));
    head_.append(tail_, 0, fed);
    tail_.erase(0, fed);
    if (fed < wanted) {
        // Not a text of this mask: what it accepts stays.
        tail_.clear();
        CommitHeadAndTail();
    }
}

void TcxMaskEditRegExprMode::CommitHeadAndTail()
{
    const std::string text = head_ + tail_;
    // A lone lead byte of the mask's makes one character with the byte after it: the caret goes before both.
    const int caret = cxMaskCharFloor(text, Size(head_));
    Commit(text, caret);
    MoveTo(caret);
}

void TcxMaskEditRegExprMode::JoinTail()
{
    std::string completion;
    if (!Follows(tail_, completion))
        tail_.clear();
    tail_ += completion;
    CommitHeadAndTail();
}

bool TcxMaskEditRegExprMode::Follows(const std::string& text, std::string& completion)
{
    const std::size_t fed = cxRegExprFeedBytes(expr_, text);
    const bool follows = fed == text.size();
    completion = follows ? Forced() : std::string();
    for (std::size_t i = 0; i < fed; ++i)
        expr_.StepBack();
    return follows;
}

bool TcxMaskEditRegExprMode::IsAccepted(const std::string& text)
{
    scratch_.Rewind();
    if (cxRegExprFeedBytes(scratch_, text) < text.size())
        return false;
    return Options().IgnoreMaskBlank || scratch_.IsMatchComplete();
}

bool TcxMaskEditRegExprMode::IsTextValid(const std::string& text)
{
    return text.empty() || !scratch_.IsCompiled() || IsAccepted(text);
}

std::string TcxMaskEditRegExprMode::ApplyMask(const std::string& text, bool)
{
    return scratch_.IsCompiled() ? Filter(scratch_, text) : text;
}

std::string TcxMaskEditRegExprMode::Filter(TcxRegExpr& expr, const std::string& text)
{
    expr.Rewind();
    return cxRegExprFeedAccepted(expr, text);
}

void TcxMaskEditRegExprMode::TakeForced()
{
    std::string run = Forced();
    for (char& c : run)
        expr_.FeedChar(c);
    head_ += run;
    if (tail_.compare(0, run.size(), run) == 0)
        tail_.erase(0, run.size());
}

std::pair<int, int> TcxMaskEditRegExprMode::SelectedUnits(const std::string& text, const TcxMaskEditSelection& sel)
{
    return {cxMaskCharFloor(text, sel.Start), cxMaskCharCeil(text, sel.Start + sel.Length)};
}

int TcxMaskEditRegExprMode::UnitBefore(const std::string& text, int p)
{
    return cxMaskPrevChar(text, p);
}

int TcxMaskEditRegExprMode::UnitAfter(const std::string& text, int p)
{
    return cxMaskNextChar(text, p);
}

bool TcxMaskEditRegExprMode::DeleteRange(int from, int to)
{
    const std::string text = Port().Text();
    MoveTo(from);
    tail_ = text.substr(static_cast<std::size_t>(std::min(to, Size(text))));
    JoinTail();
    return false;
}

std::optional<TcxMaskEditRegExprMode::TTyping> TcxMaskEditRegExprMode::StartTyping(char key)
{
    Sync();
    TTyping typing{Port().Text(), Port().Selection(), cxMaskTypedUnit(key, Port().PendingSecondByte()), 0};
    if (typing.Unit.empty()) {
        ErrorBeep();
        return std::nullopt;
    }
    const auto [from, to] = SelectedUnits(typing.Text, typing.Sel);
    typing.From = from;
    MoveTo(from);
    tail_ = typing.Text.substr(static_cast<std::size_t>(to));
    return typing;
}

void TcxMaskEditRegExprMode::RefuseTyping(const TTyping& typing)
{
    tail_ = typing.Text.substr(static_cast<std::size_t>(typing.From));
    MoveTo(cxMaskCharFloor(typing.Text, typing.Sel.Caret()));
    ErrorBeep();
}

bool TcxMaskEditRegExprMode::TypeChar(char& key)
{
    std::optional<TTyping> typing = StartTyping(key);
    if (!typing)
        return false;
    std::string& unit = typing->Unit;
    if (!cxRegExprFeedUnit(expr_, unit)) {
        RefuseTyping(*typing);
        return false;
    }
    head_ += unit;
    std::string completion;
    if (Follows(tail_, completion)) {
        // The inner edit puts the character (both bytes of a pair) over the selection.
        key = unit[0];
        return true;
    }
    tail_.clear();
    CommitHeadAndTail();
    return false;
}

bool TcxMaskEditRegExprMode::Backspace()
{
    Sync();
    const std::string text = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    if (sel.Length > 0) {
        const auto [from, to] = SelectedUnits(text, sel);
        return DeleteRange(from, to);
    }
    const int caret = Size(head_);
    const int from = UnitBefore(text, caret);
    if (from >= caret) {
        // Nothing typed before the caret: the forced prefix cannot go.
        MoveTo(caret);
        if (caret > 0)
            ErrorBeep();
        return false;
    }
    return DeleteRange(from, caret);
}

bool TcxMaskEditRegExprMode::ClearSelection()
{
    Sync();
    const std::string text = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    if (sel.Length > 0)
        return Backspace();
    const int caret = Size(head_);
    const int from = UnitStartAt(text, caret);
    if (from >= Size(text)) {
        MoveTo(caret);
        return false;
    }
    return DeleteRange(from, UnitAfter(text, from));
}

bool TcxMaskEditRegExprMode::StepCaret(bool right)
{
    Sync();
    const std::string text = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    int target = right ? UnitAfter(text, Size(head_)) : UnitBefore(text, Size(head_));
    if (Shift()) {
        Port().Select(sel.Anchor(), target);
    } else {
        // A selection collapses to its side.
        if (sel.Length > 0) {
            const auto [from, to] = SelectedUnits(text, sel);
            target = right ? to : from;
        }
        Port().Select(target, target);
    }
    MoveTo(Port().Selection().Caret());
    return false;
}

bool TcxMaskEditRegExprMode::CaretHome()
{
    Sync();
    const std::string text = Port().Text();
    const int home = UnitStartAt(text, 0);
    Port().Select(Shift() ? Port().Selection().Anchor() : home, home);
    MoveTo(home);
    return false;
}

bool TcxMaskEditRegExprMode::CaretEnd()
{
    Sync();
    const int end = Size(Port().Text());
    Port().Select(Shift() ? Port().Selection().Anchor() : end, end);
    MoveTo(end);
    return false;
}

void TcxMaskEditRegExprMode::BeforePaste(const std::string& clipboard)
{
    Sync();
    pasteStart_ = cxMaskCharFloor(Port().Text(), Port().Selection().Start);
    clipboardLength_ = Size(clipboard);
}

// Only what the mask accepts of the text up to the pasted part's end stays,
// so HeadText is always what the automaton was fed.
void TcxMaskEditRegExprMode::FinishPaste()
{
    const std::string text = Port().Text();
    const int end = cxMaskCharFloor(text, std::min(pasteStart_ + clipboardLength_, Size(text)));
    head_ = Filter(expr_, text.substr(0, static_cast<std::size_t>(end)));
    tail_ = text.substr(static_cast<std::size_t>(end));
    synced_ = true;
    TakeForced();
    JoinTail();
}

void TcxMaskEditRegExprMode::SyncDisplay()
{
    if (!HasPort())
        return;
    TcxMaskEditCustomMode::SyncDisplay();
    const int end = Size(Port().Text());
    Port().Select(end, end);
    Invalidate();
    Sync();
}
