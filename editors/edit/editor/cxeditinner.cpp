// The Windows control inside the editor: made from the kind's class, told
// of its editor, placed in the content rectangle, and watched through its
// message entry while an in-place activation passes it a key; the
// activations themselves, and the clipboard messages.
#include "classlib/handlercall.h"
#include "classlib/messages.h"
#include "editors/edit/editor/cxedit.h"

IcxCustomInnerEdit* TcxCustomEdit::CreateInnerEdit()
{
    const TcxInnerEditClass innerEditClass = GetInnerEditClass();
    if (!innerEditClass)
        return nullptr;
    TComponent& made = Adopt(innerEditClass(*this));
    if (auto* inner = dynamic_cast<IcxCustomInnerEdit*>(&made))
        return inner;
    if (auto* helper = dynamic_cast<IcxInnerEditHelper*>(&made))
        return &helper->GetHelper();
    return nullptr;
}

void TcxCustomEdit::InitializeInnerEdit()
{
    if (!innerEdit_)
        return;
    innerEdit_->AttachToEditor(*this);
    if (GetEffectiveProperties().ChangeFiresOnText())
        innerEdit_->SetChangeNotification([this] { ContentChanged(); });
}

void TcxCustomEdit::AdjustInnerEditPosition()
{
    TcxContainer::PlaceInnerControl();
}

void TcxCustomEdit::HookInnerEditWindow()
{
    if (!innerEdit_ || innerEditHooked_)
        return;
    TWinControl& inner = innerEdit_->WinControl();
    innerEditPrevWndProc_ = inner.WindowProc;
    // The editor may go first: the inner control then talks to its own entry again.
    inner.WindowProc = [this, alive = Liveness(), previous = innerEditPrevWndProc_](TMessage& m) {
        if (alive)
            InnerEditWndProc(m);
        else
            previous(m);
    };
    SetInnerControlWndProc(innerEditPrevWndProc_);
    innerEditHooked_ = true;
}

void TcxCustomEdit::UnhookInnerEditWindow()
{
    if (!innerEditHooked_)
        return;
    innerEditHooked_ = false;
    SetInnerControlWndProc(nullptr);
    if (innerEdit_)
        innerEdit_->WinControl().WindowProc = std::move(innerEditPrevWndProc_);
    innerEditPrevWndProc_ = nullptr;
}

void TcxCustomEdit::InnerEditWndProc(TMessage& m)
{
    const TWndMethod previous = innerEditPrevWndProc_;
    if (previous)
        previous(m);
}

bool TcxCustomEdit::IsChildWindowOf(HWND window) const
{
    return HandleAllocated() && IsChild(window, Handle());
}

void TcxCustomEdit::ActivateByKey(char key, TcxInplaceEditData* editData)
{
    const TLiveness alive = Liveness();
    HookInnerEditWindow();
    struct TUnhook {
        TcxCustomEdit& edit;
        TLiveness alive;
        ~TUnhook()
        {
            if (alive)
                edit.UnhookInnerEditWindow();
        }
    } unhook{*this, alive};
    BeginInplaceEditing(editData);
    if (alive && ForwardsActivationKey(key) && HandleAllocated())
        SendMessageA(Handle(), WM_CHAR, static_cast<unsigned char>(key), 0);
}

namespace {

WPARAM MouseKeyFlags(TShiftState shift)
{
    WPARAM flags = 0;
    if (shift & ssShift)
        flags |= MK_SHIFT;
    if (shift & ssCtrl)
        flags |= MK_CONTROL;
    if (shift & ssLeft)
        flags |= MK_LBUTTON;
    if (shift & ssRight)
        flags |= MK_RBUTTON;
    if (shift & ssMiddle)
        flags |= MK_MBUTTON;
    return flags;
}

} // namespace

void TcxCustomEdit::ActivateByMouse(TShiftState shift, int x, int y, TcxInplaceEditData* editData)
{
    const TLiveness alive = Liveness();
    BeginInplaceEditing(editData);
    if (!alive || !HandleAllocated())
        return;
    POINT p{x, y};
    if (Parent() && Parent()->HandleAllocated())
        MapWindowPoints(Parent()->Handle(), Handle(), &p, 1);
    const LPARAM at = MAKELPARAM(p.x, p.y);
    if (shift & ssLeft) {
        SendMessageA(Handle(), WM_LBUTTONDOWN, MouseKeyFlags(shift), at);
        // The button came up before the press got here: nothing will release the capture.
        if (alive && MouseCapture() && !(GetAsyncKeyState(VK_LBUTTON) & 0x8000))
            SetMouseCapture(false);
    } else {
        SendMessageA(Handle(), WM_LBUTTONUP, MouseKeyFlags(shift), at);
    }
    if (alive && doubleClickTimer_)
        doubleClickTimer_->SetEnabled(true);
}

void TcxCustomEdit::WMCopy(TMessage&)
{
    CopyHook();
}

void TcxCustomEdit::WMCut(TMessage&)
{
    TFlagScope user(Liveness(), byUserInput_);
    if (IsReadOnlyNow())
        CopyHook();
    else
        CutHook();
}

void TcxCustomEdit::WMPaste(TMessage&)
{
    if (IsReadOnlyNow())
        return;
    TFlagScope user(Liveness(), byUserInput_);
    PasteHook();
}

// The inner control freed on its own leaves the editor without one.
void TcxCustomEdit::Notification(TComponent* component, TOperation operation)
{
    TcxContainer::Notification(component, operation);
    if (operation != TOperation::opRemove || !innerEdit_ || component != &innerEdit_->WinControl())
        return;
    innerEdit_ = nullptr;
    innerEditHooked_ = false;
    innerEditPrevWndProc_ = nullptr;
}
