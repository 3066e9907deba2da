// The masked editor's port on its inner EDIT: byte positions over the
// EDIT's own, keys handed to the EDIT's own procedure with the Shift state
// asked for, and texts shown without flicker.
#pragma once

#include "editors/controls/mask/cxmaskedit.h"

class TcxCustomMaskEdit::TInnerEditPort final : public TcxMaskEditPort {
public:
    explicit TInnerEditPort(TcxCustomMaskEdit& edit) : edit_(edit) {}

    std::string Text() const override { return edit_.GetDisplayText(); }
    TcxMaskEditSelection Selection() const override;
    void Select(int anchor, int caret) override;
    void SetTextKeepingCaret(const std::string& text) override;
    void ReplaceSelection(const std::string& text) override;
    void SendKey(TcxMaskEditKey key, bool shift) override;
    void Beep() override { edit_.ErrorBeep(); }
    char PendingSecondByte() const override;
    void CopySelection() override;
    bool IsCharValidAt(char& key, int position) override { return edit_.IsCharValidAt(key, position); }
    void Redisplay() override;
    void SetEditValue(const std::string& value) override;

private:
    // The EDIT with a window; none before it has one.
    TcxCustomInnerTextEdit* Window() const;
    // Whether the caret stands at the start of [start, start + length).
    bool CaretAtStart(const TcxCustomInnerTextEdit& inner, int start, int length) const;

    TcxCustomMaskEdit& edit_;
    // The selection this port set last, with its direction.
    int anchor_ = 0;
    int caret_ = 0;
};
