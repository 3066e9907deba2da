// What a masked editor's mode sees of its editor: the inner edit's text and
// selection in bytes, a few ways to change them, and the editor's hooks. The
// editor implements it on its inner EDIT; tests and fuzzers on a string.
#pragma once

#include <string>

enum class TcxMaskEditKey { Left, Right, Home, End, Back, Delete };

struct TcxMaskEditSelection {
    int Start = 0;
    int Length = 0;
    // The caret is the selection's active end; the anchor is the other one.
    bool CaretAtStart = false;
    int Caret() const { return CaretAtStart ? Start : Start + Length; }
    int Anchor() const { return CaretAtStart ? Start + Length : Start; }
};

class TcxMaskEditPort {
public:
    virtual ~TcxMaskEditPort() = default;

    virtual std::string Text() const = 0;
    virtual TcxMaskEditSelection Selection() const = 0;
    virtual void Select(int anchor, int caret) = 0;
    // Through the editor's display path; the caret stays where it was.
    virtual void SetTextKeepingCaret(const std::string& text) = 0;
    // As the inner edit would for typed or pasted text: the caret after it.
    virtual void ReplaceSelection(const std::string& text) = 0;
    // Handled by the inner edit alone, never by the mode.
    virtual void SendKey(TcxMaskEditKey key, bool shift) = 0;
    // The error beep (BeepOnError is the mode's to test).
    virtual void Beep() = 0;
    // The trail byte that came with the lead byte being typed; 0 when none.
    virtual char PendingSecondByte() const = 0;

    // The editor's hooks. CopySelection puts the selected text on the
    // clipboard (a cut is a copy and the mode's ClearSelection). IsCharValidAt may clear the key to refuse it
    // (position counts from 1); Redisplay shows the edit value through the
    // mask; SetEditValue stores an edit value.
    virtual void CopySelection() {}
    virtual bool IsCharValidAt(char& /*key*/, int /*position*/) { return true; }
    virtual void Redisplay() {}
    virtual void SetEditValue(const std::string& /*value*/) {}

    // Shift was down at the last key.
    bool ShiftDown = false;
};
