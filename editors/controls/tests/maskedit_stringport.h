// A masked editor's port over a string, for tests, fuzzing and benchmarks:
// the keys handed on are handled as the inner EDIT does, a whole character
// at a time, and typing goes through the editor's routing.
#pragma once

#include <algorithm>
#include <string>

#include "editors/controls/mask/cxmaskchars.h"
#include "editors/controls/mask/cxmaskeditkeys.h"

class TMaskStringPort : public TcxMaskEditPort {
public:
    std::string Text() const override { return text_; }
    TcxMaskEditSelection Selection() const override
    {
        return {std::min(anchor_, caret_), std::abs(caret_ - anchor_), caret_ < anchor_};
    }
    void Select(int anchor, int caret) override
    {
        const int size = static_cast<int>(text_.size());
        anchor_ = std::clamp(anchor, 0, size);
        caret_ = std::clamp(caret, 0, size);
    }
    void SetTextKeepingCaret(const std::string& text) override
    {
        text_ = text;
        Select(anchor_, caret_);
        ++displays;
    }
    void ReplaceSelection(const std::string& text) override
    {
        const TcxMaskEditSelection sel = Selection();
        // Built anew: GCC 12 at -O3 warns falsely about replace() on a string it inlined.
        text_ = text_.substr(0, static_cast<std::size_t>(sel.Start)) + text +
                text_.substr(static_cast<std::size_t>(sel.Start + sel.Length));
        anchor_ = caret_ = sel.Start + static_cast<int>(text.size());
    }
    void SendKey(TcxMaskEditKey key, bool shift) override
    {
        const TcxMaskEditSelection sel = Selection();
        const auto move = [&](int to) { Select(shift ? anchor_ : to, to); };
        switch (key) {
        case TcxMaskEditKey::Left: move(cxMaskPrevChar(text_, caret_)); break;
        case TcxMaskEditKey::Right: move(cxMaskNextChar(text_, caret_)); break;
        case TcxMaskEditKey::Home: move(0); break;
        case TcxMaskEditKey::End: move(static_cast<int>(text_.size())); break;
        case TcxMaskEditKey::Back:
            if (sel.Length == 0)
                Select(cxMaskPrevChar(text_, caret_), caret_);
            ReplaceSelection({});
            break;
        case TcxMaskEditKey::Delete:
            if (sel.Length == 0)
                Select(caret_, cxMaskNextChar(text_, caret_));
            ReplaceSelection({});
            break;
        }
    }
    void Beep() override { ++beeps; }
    void CopySelection() override
    {
        const TcxMaskEditSelection sel = Selection();
        clipboard = text_.substr(static_cast<std::size_t>(sel.Start), static_cast<std::size_t>(sel.Length));
    }
    char PendingSecondByte() const override { return pending_; }

    // The editor's side: a character (one or two bytes) typed, a key pressed, a click.
    void Type(TcxMaskEditCustomMode& mode, const std::string& chars)
    {
        for (std::size_t i = 0; i < chars.size();) {
            const std::size_t next = cxMaskNextChar(chars, static_cast<int>(i));
            char key = chars[i];
            pending_ = next - i == 2 ? chars[i + 1] : 0;
            if (cxMaskEditKeyPress(mode, *this, key)) {
                // Enter and the clipboard keys insert nothing in a one-line edit.
                if (key == 8)
                    SendKey(TcxMaskEditKey::Back, false);
                else if (static_cast<unsigned char>(key) >= 0x20)
                    ReplaceSelection(pending_ ? std::string{key, pending_} : std::string(1, key));
            }
            pending_ = 0;
            i = next;
        }
    }
    void Press(TcxMaskEditCustomMode& mode, TcxMaskEditKey key, bool shift = false, bool ctrl = false)
    {
        if (cxMaskEditKeyDown(mode, *this, key, shift, ctrl))
            SendKey(key, shift);
    }
    void Click(TcxMaskEditCustomMode& mode, int position)
    {
        Select(position, position);
        mode.SelectForOverwrite();
    }
    // Keys are written in braces: {L} {R} {H} {E} {B} {D}, with S or C before
    // the letter for Shift or Ctrl; {P:text} pastes, {K:n} clicks before byte
    // n; anything else is typed.
    void Run(TcxMaskEditCustomMode& mode, const std::string& script)
    {
        for (std::size_t i = 0; i < script.size();) {
            if (script[i] != '{') {
                const auto next = static_cast<std::size_t>(cxMaskNextChar(script, static_cast<int>(i)));
                Type(mode, script.substr(i, next - i));
                i = next;
                continue;
            }
            const std::size_t close = script.find('}', i);
            const std::string step = script.substr(i + 1, close - i - 1);
            i = close + 1;
            if (step.starts_with("P:")) {
                cxMaskEditPaste(mode, *this, step.substr(2));
                continue;
            }
            if (step.starts_with("K:")) {
                Click(mode, std::stoi(step.substr(2)));
                continue;
            }
            const bool shift = step[0] == 'S', ctrl = step[0] == 'C';
            switch (step.back()) {
            case 'L': Press(mode, TcxMaskEditKey::Left, shift, ctrl); break;
            case 'R': Press(mode, TcxMaskEditKey::Right, shift, ctrl); break;
            case 'H': Press(mode, TcxMaskEditKey::Home, shift, ctrl); break;
            case 'E': Press(mode, TcxMaskEditKey::End, shift, ctrl); break;
            case 'D': Press(mode, TcxMaskEditKey::Delete, shift, ctrl); break;
            case 'B': Type(mode, "\b"); break;
            }
        }
    }
    // The editor showing a text: laid through the mask, then told to the mode.
    void Show(TcxMaskEditCustomMode& mode, const std::string& text)
    {
        text_ = mode.ApplyMask(text, true);
        anchor_ = caret_ = 0;
        mode.SetModeText(text_);
    }

    int beeps = 0;
    std::string clipboard;
    int displays = 0;

private:
    std::string text_;
    int anchor_ = 0, caret_ = 0;
    char pending_ = 0;
};
