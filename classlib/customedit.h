// Edit boxes over the EDIT control: one-line TEdit and multi-line TMemo.
// Positions are byte offsets into the GBK text, whatever unit the control counts in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "classlib/charcase.h"
#include "classlib/control.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner = nullptr) : TWinControl(owner) { SetTabStop(true); }

    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int pos);
    // Selects bytes [start, end) of the text.
    void SetSel(int start, int end);
    // The same, with the control's current text already at hand.
    int SelStart(const std::string& text) const;
    void SetSel(const std::string& text, int start, int end);
    // Replaces bytes [start, end) of text, the control's current text, by s;
    // the caret ends after s.
    void Replace(const std::string& text, int start, int end, const std::string& s);

    // The line that holds the caret, and the caret's byte offset in it.
    int CaretLine() const;
    int CaretColumn() const;
    // The same, with the caret's line already at hand.
    int CaretColumn(int caretLine) const;
    // The line that holds the start of the selection.
    int SelStartLine() const;
    int LineCount() const;
    // Byte offset in text, the control's current text, where the control's
    // line index starts (0 <= index < LineCount()).
    int LineStart(const std::string& text, int index) const;

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    void SetMaxLength(int length);
    void PasteFromClipboard();
    void CopyToClipboard();
    void CutToClipboard();
    void Clear() { SetText(""); }
    // The selected bytes; writing replaces them.
    std::string SelText() const;
    void SetSelText(const std::string& text);
    void SelectAll();
    // Deletes the selected text.
    void ClearSelection();

    // Styles the EDIT control takes only when it is made: a change makes
    // the window again.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value);
    // Shown for each character instead of it; 0 shows the text.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char value);
    // Selects the whole one-line text when the focus arrives other than by a click.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    // Keeps the caret in view.
    void ScrollCaret();
    // Blank pixels inside the left and right edges of the text; kept when
    // the window is made again.
    void SetMargins(int left, int right);
    int LeftMargin() const;
    int RightMargin() const;
    // Client position of the character at a byte offset (one inside a
    // character counts as the next one); none past the last character.
    std::optional<POINT> PosFromChar(int pos) const;

    // Byte offset of the control's position in text, and back.
    static int BytesFromUnits(std::string_view text, int units);
    static int UnitsFromBytes(std::string_view text, int bytes);

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    void HandleCreated() override;
    void DestroyWnd() override;
    const TMessageMap& Messages() const override;
    void WMMouseDown(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void CNCtlColor(TMessage& message);
    void CNCommand(TMessage& message);
    void CMTextChanged(TMessage& message);
    bool border_ = true;
    // Stores a style that the window takes only at creation.
    template <class T>
    void SetCreationStyle(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RecreateWnd();
    }

private:
    // What the window holds across its re-creation, in units of the control.
    struct TKeptState {
        DWORD selStart, selEnd;
        int firstLine;
    };

    // Byte offset of a position in units and back, converting only from the
    // start of a line (the position's own, or the caret's): a long tape is
    // not rescanned from its start.
    int BytesAt(const std::string& text, int units) const;
    int UnitsAt(const std::string& text, int bytes) const;
    std::pair<int, int> UnitsAt(const std::string& text, int start, int end) const;

    bool readOnly_ = false;
    int maxLength_ = 0;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool hideSelection_ = true;
    bool oemConvert_ = false;
    char passwordChar_ = 0;
    bool autoSelect_ = true;
    bool clicked_ = false;
    std::optional<std::pair<int, int>> margins_;
    std::optional<TKeptState> kept_;
};

class TEdit : public TCustomEdit {
public:
    TEdit() { SetColor(clWindow); }
};

class TMemo : public TCustomEdit {
public:
    TMemo();
    TScrollStyle ScrollBars() const { return scrollBars_; }
    // The EDIT control takes its scroll bars only when it is made: a change
    // makes the window again, keeping text, selection and focus.
    void SetScrollBars(TScrollStyle value) { SetCreationStyle(scrollBars_, value); }
    // Whether Tab is typed into the memo (else it moves the focus on) and
    // Enter breaks the line (else it goes to the form).
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void WMGetDlgCode(TMessage& message);

private:
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wantTabs_ = false;
    bool wantReturns_ = true;
};
