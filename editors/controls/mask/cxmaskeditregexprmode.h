// The regular-expression mode: the automaton holds the text before the
// caret (HeadText); the text after it (TailText) must still follow it. A
// double-byte character is one unit: both bytes are fed or neither.
#pragma once

#include <optional>
#include <utility>

#include "editors/controls/mask/cxmaskeditmode.h"
#include "editors/controls/regexpr/cxregexpr.h"

class TcxMaskEditRegExprMode : public TcxMaskEditCustomMode {
public:
    TcxMaskEditRegExprMode(TcxMaskEditPort* port, TcxMaskEditModeOptions options);

    TcxEditMaskKind ModeKind() const override { return emkRegExpr; }
    void FinishPaste() override;
    void SetModeMask(const std::string& mask) override;
    std::string GetEmptyValue() override { return {}; }
    std::string ApplyMask(const std::string& text, bool textHasLiterals) override;
    bool IsCaretAtStart() override { return HasPort() && Port().Selection().Caret() == 0; }
    bool IsTextValid(const std::string& text) override;
    void SelectForOverwrite() override { mouseMoved_ = true; }
    void BeforePaste(const std::string& clipboard) override;
    bool Backspace() override;
    bool ClearSelection() override;
    bool CaretEnd() override;
    bool CaretHome() override;
    bool CaretLeft() override { return StepCaret(false); }
    bool CaretRight() override { return StepCaret(true); }
    bool TypeChar(char& key) override;
    void SetModeText(const std::string&) override { Invalidate(); }
    void SyncDisplay() override;
    std::string GetValueTextOf(const std::string& text, bool) override { return text; }
    char GetBlankCharAt(int) override { return ' '; }

    const std::string& HeadText() const { return head_; }
    const std::string& TailText() const { return tail_; }

protected:
    struct TTyping {
        std::string Text;
        TcxMaskEditSelection Sel;
        // The character typed, both bytes of a double-byte one.
        std::string Unit;
        // Where the selection cut out began; the automaton stands there.
        int From;
    };
    // The selection cut out of TailText before a key; none for a lone lead byte (with its beep).
    std::optional<TTyping> StartTyping(char key);
    // Back to the text as it was, the caret where it was.
    void RefuseTyping(const TTyping& typing);
    bool StepCaret(bool right);
    // Brings HeadText, TailText and the automaton in step with the port's
    // text and caret (every operation starts with it).
    virtual void Sync();
    // The automaton fed up to p (a character boundary), HeadText with it;
    // a text the mask refuses is cut where it stops.
    void MoveTo(int p);
    // Whether text can follow what the automaton was fed, and what the mask
    // then forces at the end; the automaton stays where it was.
    bool Follows(const std::string& text, std::string& completion);
    // Shows HeadText and TailText with the caret between them.
    void CommitHeadAndTail();
    // TailText joined again when it still follows (with what the mask then
    // forces at the end), else dropped; then shown.
    void JoinTail();
    // Removes [from, to) from the text; the tail goes when it no longer follows.
    bool DeleteRange(int from, int to);
    bool IsAccepted(const std::string& text);
    void Invalidate() { head_.clear(), tail_.clear(), synced_ = false; }
    // Caret positions: where a unit starting at or after p begins, and one unit before or after p.
    virtual int UnitStartAt(const std::string&, int p) { return p; }
    virtual int UnitBefore(const std::string& text, int p);
    virtual int UnitAfter(const std::string& text, int p);
    // The selection as whole units: start and end.
    virtual std::pair<int, int> SelectedUnits(const std::string& text, const TcxMaskEditSelection& sel);
    // What the mask forces after what the automaton was fed.
    virtual std::string Forced() { return {}; }
    // The accepted characters of text, fed into expr from its start.
    virtual std::string Filter(TcxRegExpr& expr, const std::string& text);
    // Feeds the forced characters, taking them from TailText when it starts with them.
    void TakeForced();

    TcxRegExpr expr_;
    // A second expression for texts that are not the editor's.
    TcxRegExpr scratch_;
    std::string head_, tail_;
    bool synced_ = false;
    bool mouseMoved_ = false;
    int pasteStart_ = 0;
};
