// The text editor's clipboard: a paste or cut is first checked as an
// insertion; focused, the EDIT then does it itself, unfocused the editor
// applies the result.
#include "classlib/clipboard.h"
#include "classlib/liveness.h"
#include "editors/controls/text/cxtextchars.h"
#include "editors/controls/text/cxtextedit.h"

namespace {

// A one-line EDIT pastes up to the first line break.
std::string FirstLine(const std::string& text)
{
    return text.substr(0, std::min(cxFindSingleByteChar(text, '\r'), cxFindSingleByteChar(text, '\n')));
}

} // namespace

void TcxCustomTextEdit::PasteFromClipboard()
{
    if (!Clipboard().HasFormat(CF_TEXT))
        return;
    const std::string text = FirstLine(Clipboard().AsText());
    if (!Focused()) {
        InsertText(text);
        return;
    }
    const TLiveness alive = Liveness();
    TFlagScope keyboard(alive, keyboardAction_);
    std::string newText;
    int caret = 0;
    if (!PrepareTextInsertion(text, newText, caret) || !alive)
        return;
    if (IcxInnerTextEdit* inner = InnerTextEdit())
        inner->CallDefWndProc(WM_PASTE, 0, 0);
}

void TcxCustomTextEdit::CutToClipboard()
{
    if (SelectionLength() == 0)
        return;
    if (!Focused()) {
        CopyToClipboard();
        InsertText("");
        return;
    }
    const TLiveness alive = Liveness();
    TFlagScope keyboard(alive, keyboardAction_);
    std::string newText;
    int caret = 0;
    if (!PrepareTextInsertion("", newText, caret) || !alive)
        return;
    if (IcxInnerTextEdit* inner = InnerTextEdit())
        inner->CallDefWndProc(WM_CUT, 0, 0);
}

void TcxCustomTextEdit::CopyToClipboard()
{
    IcxInnerTextEdit* inner = InnerTextEdit();
    if (!inner)
        return;
    const TcxTextEditingMode mode = EditingMode();
    if (mode == temFixedList || mode == temNoEdit)
        inner->SelectAll();
    if (inner->GetSelLength() > 0)
        inner->CallDefWndProc(WM_COPY, 0, 0);
}

void TcxCustomTextEdit::CopyHook()
{
    CopyToClipboard();
}

void TcxCustomTextEdit::CutHook()
{
    CutToClipboard();
}

void TcxCustomTextEdit::PasteHook()
{
    PasteFromClipboard();
}
