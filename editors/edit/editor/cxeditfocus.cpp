// The editor and the focus: entering keeps the value it had, leaving
// validates and posts before OnExit (an invalid text raises and keeps the
// focus), and the editor's own idea of holding the focus.
#include "classlib/application.h"
#include "classlib/form.h"
#include "editors/edit/editor/cxedit.h"
#include "editors/edit/editor/cxeditlocks.h"

void TcxCustomEdit::DoEnter()
{
    if (ComponentState() & csDestroying)
        return;
    const TLiveness alive = Liveness();
    // Back from a validation error: the editor never left.
    if (!reportingError_)
        OnFocusEnter();
    if (alive)
        RefreshAtCursor();
}

void TcxCustomEdit::OnFocusEnter()
{
    const TLiveness alive = Liveness();
    {
        TcxEditModifiedScope modified(*this);
        TcxContainer::DoEnter();
        if (alive && RefreshOnStore())
            DataBinding().RefreshDisplay();
        if (alive && GetEffectiveProperties().KeepsValueAtFocus())
            valueAtFocus_ = GetEditValue();
        if (alive && RefreshOnStore())
            UpdateDisplay();
    }
    if (alive)
        modifiedSinceFocus_ = false;
}

void TcxCustomEdit::DoExit()
{
    TFlagScope user(Liveness(), byUserInput_, false);
    FocusExit();
}

void TcxCustomEdit::FocusExit()
{
    if ((ComponentState() & csDestroying) || reportingError_)
        return;
    const TLiveness alive = Liveness();
    {
        TcxEditModifiedScope modified(*this);
        TcxEditChangeEventsLock events(*this);
        // An invalid text raises here: no OnExit, and the editor has the focus back.
        if (!CheckEditValue(true) || !alive)
            return;
        if (!inPlace_ && CanPostValue())
            PostValue(false);
        events.Release();
        if (alive && RefreshOnStore())
            DataBinding().RefreshDisplay();
        if (alive)
            AfterValidation();
        if (alive)
            RefreshAtCursor();
    }
    if (alive)
        TcxContainer::DoExit();
    if (alive)
        MarkUserModified(false);
}

void TcxCustomEdit::FocusChanged()
{
    if ((ComponentState() & csDestroying) || reportingError_)
        return;
    const bool focusedNow = Focused() && Application.Active();
    if (focusedNow == hasFocusState_)
        return;
    hasFocusState_ = focusedNow;
    const TLiveness alive = Liveness();
    TcxContainer::FocusChanged();
    if (alive)
        FocusChangedValidate();
}

void TcxCustomEdit::FocusChangedValidate()
{
    const TLiveness alive = Liveness();
    AfterValidation();
    if (!alive || !HandleAllocated())
        return;
    TForm* form = ParentForm();
    if (!form)
        return;
    // A modal form closing with a result that keeps what was typed.
    const bool closingModally = !form->Visible() && form->Modal() && form->ModalResult() != mrNone &&
                                form->ModalResult() != mrCancel;
    // The form's only control lost the focus to another window of its form.
    const bool onlyControl = form->Controls().size() == 1 && form->Controls().front() == this && !hasFocusState_ &&
                             GetFocus() && GetAncestor(Handle(), GA_ROOT) == GetAncestor(GetFocus(), GA_ROOT);
    if (closingModally || onlyControl)
        CheckEditValue(false);
}

bool TcxCustomEdit::HasFocusOrActiveForm() const
{
    if (Focused())
        return true;
    const TForm* form = ParentForm();
    if (!form || !form->ActiveControl())
        return false;
    return form->ActiveControl() == this || (innerEdit_ && form->ActiveControl() == &innerEdit_->WinControl());
}

bool TcxCustomEdit::ShowsEditFormat() const
{
    return Focused() || !GetEffectiveProperties().HasUnfocusedDisplay();
}

void TcxCustomEdit::CreateHandle()
{
    const TLiveness alive = Liveness();
    TcxContainer::CreateHandle();
    if (alive && innerEdit_ && HandleAllocated() && GetFocus() == Handle())
        innerEdit_->FocusInner();
}

void TcxCustomEdit::FocusInnerControl()
{
    if (innerEdit_)
        innerEdit_->FocusInner();
}
