// Validation of the typed text, the error report, posting, reverting and
// applying the properties.
#include "editors/edit/editor/cxedit.h"

#include "editors/edit/editor/cxeditlocks.h"

bool TcxCustomEdit::CheckEditValue(bool raiseOnError)
{
    if (!modifiedSinceFocus_ || valueValidated_ || validationLocked_)
        return true;
    const TLiveness alive = Liveness();
    const TFlagScope running(alive, validationRunning_);
    Variant value = GetDisplayText();
    std::string errorText;
    bool error = false;
    if (TcxCustomEditProperties& properties = GetEffectiveProperties(); properties.NeedsValidation())
        properties.ValidateValue(value, errorText, this, error);
    if (!alive)
        return false;
    if (error) {
        // The display follows what the OnValidate handlers left, also while the error passes.
        const auto showValue = [&] {
            if (!alive || VarToStr(value) == GetDisplayText())
                return;
            ShowDisplayValue(value);
            if (alive && Visible()) {
                SelectAll();
                if (alive && !IsInnerEditVisible())
                    AfterValidation();
            }
        };
        if (raiseOnError) {
            try {
                HandleValidationError(errorText, true);
            } catch (...) {
                showValue();
                throw;
            }
        }
        showValue();
        return false;
    }
    if (!UserMayStore() || !alive)
        return false;
    SetEditValueKeepModified(value);
    if (!alive)
        return false;
    if (!inPlace_ && !Focused())
        MarkUserModified(false);
    valueValidated_ = true;
    return true;
}

void TcxCustomEdit::CallOnValidate(Variant& displayValue, std::string& errorText, bool& error)
{
    if (!HasPropertiesHandler(&TcxCustomEditProperties::OnValidate))
        return;
    const Variant before = displayValue;
    const TLiveness alive = Liveness();
    CallPropertiesHandlers(&TcxCustomEditProperties::OnValidate, displayValue, errorText, error);
    if (alive && error && VarToStr(displayValue) == VarToStr(before))
        displayValue = GetDisplayText();
}

void TcxCustomEdit::HandleValidationError(const std::string& errorText, bool raise)
{
    const TLiveness alive = Liveness();
    if (!CanFocus())
        valueValidated_ = true;
    else if (Visible()) {
        if (!Focused()) {
            const TFlagScope reporting(alive, reportingError_);
            if (innerEdit_)
                innerEdit_->FocusInner();
            else
                SetFocus();
        }
        if (alive)
            SelectAll();
    }
    if (alive && GetEffectiveProperties().BeepOnError())
        MessageBeep(MB_OK);
    if (!errorText.empty())
        throw EcxEditValidationError(errorText);
    if (raise)
        throw EAbort("");
}

bool TcxCustomEdit::ValidateNow()
{
    doubleClickTimer_->SetEnabled(false);
    byUserInput_ = false;
    const TLiveness alive = Liveness();
    const bool valid = CheckEditValue(true);
    if (valid && alive) {
        UpdateDisplay();
        if (alive)
            valueValidated_ = true;
    }
    return valid;
}

void TcxCustomEdit::PostValue(bool validate)
{
    const TLiveness alive = Liveness();
    if (validate) {
        bool valid = false;
        {
            const TFlagScope notByUser(alive, byUserInput_, false);
            valid = CheckEditValue(true);
        }
        if (!valid || !alive)
            return;
    }
    const bool inPlace = inPlace_;
    try {
        BeginPosting();
        try {
            if (inPlace) {
                CallHandler(OnInplacePost, static_cast<TComponent&>(*this));
                if (alive)
                    SetModifiedFlag(false);
            } else if (dataBinding_->IsEditing())
                dataBinding_->WriteStoredValue(GetEditValue());
        } catch (...) {
            if (alive)
                EndPosting();
            throw;
        }
        if (alive)
            EndPosting();
    } catch (...) {
        if (!inPlace && alive)
            HandleValidationError({}, false);
        throw;
    }
}

void TcxCustomEdit::RevertValue()
{
    if (!modifiedSinceFocus_ || !GetEffectiveProperties().KeepsValueAtFocus())
        return;
    const TLiveness alive = Liveness();
    TcxEditChangeEventsLock lock(*this);
    modifiedSinceFocus_ = false;
    const IcxEditDefaultValuesProvider* provider = dataBinding_->GetDefaultValuesProvider();
    if (provider && provider->IsValueStore())
        SetEditValueChecked(dataBinding_->ReadStoredValue());
    else
        SetEditValueChecked(Variant(valueAtFocus_));
    if (!alive)
        return;
    SetModifiedFlag(true);
    SelectAll();
    if (alive && GetEffectiveProperties().ImmediatePost() && CanPostValue())
        PostValue(false);
    lock.Release();
}

void TcxCustomEdit::ApplyProperties(TcxCustomEditProperties&)
{
    valueValidated_ = false;
    const bool destroying = ComponentState() & csDestroying;
    if (innerEdit_ && !destroying)
        innerEdit_->SetReadOnlyState(IsReadOnlyNow());
    if (modifiedSinceFocus_ && IsReadOnlyNow())
        MarkUserModified(false);
    if (const bool transparent = GetEffectiveProperties().TransparentBackground(); transparent != transparent_) {
        transparent_ = transparent;
        Invalidate();
    }
    RefreshAtCursor();
}

void TcxCustomEdit::BeginInplaceEditing(TcxInplaceEditData* editData)
{
    const TLiveness alive = Liveness();
    if (inplaceEditData_ && inplaceEditData_ != editData && inplaceEditData_->ReleasePending) {
        inplaceEditData_->ReleasePending = false;
        InplaceEditDataReleased();
        if (!alive)
            return;
    }
    if (!editData)
        if (const TcxInplaceEditDataClass dataClass = GetEditDataClass()) {
            ownedEditData_ = dataClass();
            editData = ownedEditData_.get();
        }
    inplaceEditData_ = editData;
    if (editData)
        editData->ReleasePending = true;
    SetVisible(true);
    if (alive && HandleAllocated() && CanFocus()) {
        SetFocus();
        if (alive && GetEffectiveProperties().AutoSelect())
            SelectAll();
    }
    if (!alive)
        return;
    UpdateDisplay();
    if (!alive)
        return;
    SetModifiedFlag(false);
    inplaceEditingBegun_ = true;
}
