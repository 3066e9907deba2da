// The editor's keys: what it takes for itself (the clear and click keys,
// Tab, Enter, Escape, paging and arrows) before its inner control sees
// them, the characters it refuses, and the buttons' accelerators.
#include <cctype>

#include "classlib/form.h"
#include "classlib/handlercall.h"
#include "classlib/shortcut.h"
#include "editors/edit/container/cxcontainerutils.h"
#include "editors/edit/editor/cxedit.h"
#include "editors/edit/editor/cxeditlocks.h"

namespace {

// Page Up, Page Down, End, Home and the four arrows.
bool IsNavigationKey(WORD key)
{
    return key >= VK_PRIOR && key <= VK_DOWN;
}

// The caption marks c as its accelerator: "&c" (any case), not "&&".
bool IsAcceleratorOf(char c, const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(static_cast<unsigned char>(c));
    }
    return false;
}

} // namespace

void TcxCustomEdit::KeyDown(WORD& key, TShiftState shift)
{
    escapeReverted_ = false;
    const TLiveness alive = Liveness();
    if (!HandleClickKey(key, shift))
        TcxContainer::KeyDown(key, shift);
    if (!alive || key == 0)
        return;
    DoEditKeyDown(key, shift);
    if (alive && key != 0 && WantsAfterKeyDown(key, shift))
        CallHandler(AfterKeyDownHandler, *this, key, shift);
}

bool TcxCustomEdit::HandleClickKey(WORD key, TShiftState shift)
{
    return DefaultButtonIndex() >= 0 && ShortCut(key, shift) == GetEffectiveProperties().ButtonClickKey();
}

bool TcxCustomEdit::IsClearOrClickKey(WORD key, TShiftState shift) const
{
    const TShortCut shortCut = ShortCut(key, shift);
    const TcxCustomEditProperties& properties = GetEffectiveProperties();
    return (properties.ClearKey() != 0 && shortCut == properties.ClearKey()) || (DefaultButtonIndex() >= 0 && shortCut == properties.ButtonClickKey());
}

void TcxCustomEdit::DoEditKeyDown(WORD& key, TShiftState shift)
{
    const TLiveness alive = Liveness();
    TcxCustomEditProperties& properties = GetEffectiveProperties();
    const TShortCut shortCut = ShortCut(key, shift);
    if (key != 0 && properties.ClearKey() != 0 && shortCut == properties.ClearKey()) {
        key = 0;
        TcxEditChangeEventsLock events(*this);
        {
            TFlagScope user(alive, byUserInput_);
            SetEditValueChecked(GetNullEditValue());
            if (alive)
                valueValidated_ = true;
        }
        events.Release();
        return;
    }
    if (key != 0 && DefaultButtonIndex() >= 0 && shortCut == properties.ButtonClickKey()) {
        key = 0;
        // Ctrl+Enter has already made its character: it must not reach the inner control.
        if (HandleAllocated())
            ProcessPendingMessages(Handle(), WM_CHAR, WM_CHAR, false);
        ClickDefaultButton();
        return;
    }
    if (key != 0 && !CheckEditingKey(key, shift)) {
        CallHandler(AfterKeyDownHandler, *this, key, shift);
        key = 0;
        return;
    }
    switch (key) {
    case VK_TAB:
        if (Focused() && !(shift & (ssAlt | ssCtrl)) && !properties.WantsTab()) {
            BeforeTabHook(shift);
            if (alive)
                CallHandler(AfterKeyDownHandler, *this, key, shift);
            if (!alive || key == 0)
                return;
            key = 0;
            if (TForm* form = ParentForm())
                form->SelectNext(form->ActiveControl(), !(shift & ssShift), true);
            if (alive && innerEdit_ && HandleAllocated() && GetFocus() == Handle())
                innerEdit_->FocusInner();
            return;
        }
        break;
    case VK_RETURN:
        if (properties.ValidateOnEnter()) {
            key = 0;
            TcxEditChangeEventsLock events(*this);
            if (CheckEditValue(true) && alive && CanPostValue())
                PostValue(false);
            events.Release();
            return;
        }
        break;
    case VK_ESCAPE: {
        const IcxEditDefaultValuesProvider* provider = DataBinding().GetDefaultValuesProvider();
        if (modifiedSinceFocus_ && ((provider && provider->IsValueStore()) || properties.KeepsValueAtFocus())) {
            key = 0;
            TcxEditChangeEventsLock events(*this);
            DataBinding().Reset();
            if (alive)
                SetModifiedFlag(true);
            events.Release();
            if (alive)
                escapeReverted_ = true;
            return;
        }
        break;
    }
    }
    if (key == 0 || KeyDownConsumed())
        return;
    if (IsNavigationKey(key)) {
        CallHandler(AfterKeyDownHandler, *this, key, shift);
        key = 0;
    }
}

bool TcxCustomEdit::CheckEditingKey(WORD key, TShiftState shift)
{
    return DataBinding().IsEditing() || !IsValueChangingKey(key, shift) || RequestEditing();
}

void TcxCustomEdit::KeyPress(char& key)
{
    // The Escape that reverted the value has done its work.
    if (key == 27 && escapeReverted_) {
        escapeReverted_ = false;
        key = 0;
        return;
    }
    const TLiveness alive = Liveness();
    TcxContainer::KeyPress(key);
    if (alive && key != 0)
        DoEditKeyPress(key);
}

void TcxCustomEdit::DoEditKeyPress(char& key)
{
    DoKeyPressEditing(key);
}

void TcxCustomEdit::DoKeyPressEditing(char& key)
{
    if (static_cast<unsigned char>(key) > 31 && !IsCharAllowed(key)) {
        key = 0;
        MessageBeep(MB_OK);
        return;
    }
    if (!DataBinding().IsEditing() && IsValueChangingChar(key) && !RequestEditing())
        key = 0;
}

void TcxCustomEdit::KeyUp(WORD& key, TShiftState shift)
{
    const TLiveness alive = Liveness();
    TcxContainer::KeyUp(key, shift);
    if (alive && key != 0)
        DoEditKeyUp(key, shift);
}

void TcxCustomEdit::CMDialogChar(TMessage& m)
{
    const TcxEditButtons& buttons = GetEffectiveProperties().Buttons();
    for (int i = 0; i < buttons.Count(); ++i) {
        const TcxEditButton& button = *buttons.Items(i);
        if (button.Visible() && IsAcceleratorOf(static_cast<char>(m.WParam), button.Caption())) {
            m.Result = 1;
            DoButtonClick(i);
            return;
        }
    }
    TcxContainer::Messages().Dispatch(*this, m);
}

bool TcxCustomEdit::CanUseMouseWheel(TShiftState shift) const
{
    return !inPlace_ || GetEffectiveProperties().InplaceMouseWheel() || (shift & ssCtrl);
}
