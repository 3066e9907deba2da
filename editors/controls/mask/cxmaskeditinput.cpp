// What reaches the masked editor's mode: caret and editing keys, typed
// characters (a double-byte one whole), clicks, paste and cut.
#include <optional>

#include "classlib/clipboard.h"
#include "classlib/gbkchars.h"
#include "classlib/handlercall.h"
#include "classlib/liveness.h"
#include "editors/controls/mask/cxmaskedit.h"
#include "editors/controls/mask/cxmaskeditinnerport.h"
#include "editors/controls/mask/cxmaskeditkeys.h"
#include "editors/edit/editor/cxeditlocks.h"

namespace {

std::optional<TcxMaskEditKey> MaskKeyOf(WORD key)
{
    switch (key) {
    case VK_LEFT: return TcxMaskEditKey::Left;
    case VK_RIGHT: return TcxMaskEditKey::Right;
    case VK_HOME: return TcxMaskEditKey::Home;
    case VK_END: return TcxMaskEditKey::End;
    case VK_DELETE: return TcxMaskEditKey::Delete;
    default: return std::nullopt;
    }
}

} // namespace

template <class F>
bool TcxCustomMaskEdit::RunByUser(F&& operation)
{
    const TLiveness alive = Liveness();
    RefreshModeOptions();
    TcxEditChangeEventsLock events(*this);
    bool passOn = false;
    {
        TFlagScope keyboard(alive, keyboardAction_);
        passOn = operation();
    }
    events.Release();
    return passOn;
}

void TcxCustomMaskEdit::DoEditKeyDown(WORD& key, TShiftState shift)
{
    if (port_)
        port_->ShiftDown = (shift & ssShift) != 0;
    const std::optional<TcxMaskEditKey> maskKey = MaskKeyOf(key);
    if (!IsMasked() || !maskKey || IsClearOrClickKey(key, shift)) {
        TcxCustomTextEdit::DoEditKeyDown(key, shift);
        return;
    }
    if (!CheckEditingKey(key, shift)) {
        WORD passed = key;
        key = 0;
        CallHandler(AfterKeyDownHandler, static_cast<TcxCustomEdit&>(*this), passed, shift);
        return;
    }
    const TLiveness alive = Liveness();
    const bool passOn = RunByUser(
        [&] { return cxMaskEditKeyDown(*mode_, *port_, *maskKey, (shift & ssShift) != 0, (shift & ssCtrl) != 0); });
    if (!alive)
        return;
    if (!passOn) {
        key = 0;
        return;
    }
    TcxCustomTextEdit::DoEditKeyDown(key, shift);
}

void TcxCustomMaskEdit::DoEditKeyPress(char& key)
{
    if (!IsMasked()) {
        TcxCustomTextEdit::DoEditKeyPress(key);
        return;
    }
    // The second byte of a pair the mode took whole with its first.
    if (pendingTrail_ != 0 && key == pendingTrail_) {
        pendingTrail_ = 0;
        if (!trailKept_)
            key = 0;
        return;
    }
    // A lead byte refused here takes its trail byte with it, which alone could read as a letter.
    pendingTrail_ = IsGbkLeadByte(key) ? port_->PendingSecondByte() : '\0';
    trailKept_ = false;
    const TLiveness alive = Liveness();
    TcxCustomEdit::DoEditKeyPress(key);
    if (!alive || key == 0)
        return;
    const bool passOn = RunByUser([&] { return cxMaskEditKeyPress(*mode_, *port_, key); });
    if (!alive)
        return;
    trailKept_ = passOn;
    if (!passOn)
        key = 0;
}

// Mouse

void TcxCustomMaskEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    TcxCustomTextEdit::MouseDown(button, shift, x, y);
    if (!alive || button != TMouseButton::mbLeft || !IsMasked())
        return;
    port_->ShiftDown = (shift & ssShift) != 0;
    mode_->SelectForOverwrite();
}

void TcxCustomMaskEdit::MouseMove(TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    TcxCustomTextEdit::MouseMove(shift, x, y);
    if (!alive || !(shift & ssLeft) || !IsMasked())
        return;
    // A drag selects as Shift would.
    port_->ShiftDown = true;
    mode_->SelectForOverwrite();
}

void TcxCustomMaskEdit::DblClick()
{
    const TLiveness alive = Liveness();
    TcxCustomTextEdit::DblClick();
    if (alive && IsMasked())
        mode_->SelectAllHook();
}

void TcxCustomMaskEdit::InnerEditWndProc(TMessage& m)
{
    const TLiveness alive = Liveness();
    TcxCustomTextEdit::InnerEditWndProc(m);
    if (!alive || m.Msg != WM_SETFOCUS || !IsMasked())
        return;
    if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && inner->GetAutoSelect())
        mode_->SelectAllHook();
}

// Clipboard

void TcxCustomMaskEdit::PasteFromClipboard()
{
    if (!IsMasked()) {
        TcxCustomTextEdit::PasteFromClipboard();
        return;
    }
    if (Clipboard().HasFormat(CF_TEXT))
        PasteText(Clipboard().AsText());
}

void TcxCustomMaskEdit::PasteText(const std::string& text)
{
    const TLiveness alive = Liveness();
    if (!RequestEditing() || !alive)
        return;
    if (!IsMasked()) {
        InsertText(text);
        return;
    }
    RunByUser([&] {
        cxMaskEditPaste(*mode_, *port_, text);
        return false;
    });
}

void TcxCustomMaskEdit::CutToClipboard()
{
    if (!IsMasked()) {
        TcxCustomTextEdit::CutToClipboard();
        return;
    }
    const TLiveness alive = Liveness();
    if (SelectionLength() == 0 || !RequestEditing() || !alive)
        return;
    RunByUser([&] { return cxMaskEditCut(*mode_, *port_); });
}
