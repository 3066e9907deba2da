// The edit value, the modified state and its stack, change events and
// their lock, clicks, and the permission to edit.
#include "editors/edit/editor/cxedit.h"

#include <tuple>

#include "editors/edit/editor/cxeditlocks.h"
#include "editors/edit/variants/cxvariants.h"

// Edit value

void TcxCustomEdit::SetEditValue(const Variant& value)
{
    // A write from an OnEditing handler would ask for editing again, and
    // that handler would write again.
    if (editingEventLock_ > 0 || inEditingEvent_)
        return;
    TcxEditClickLock clickLock(*this);
    StoreEditValue(value);
}

void TcxCustomEdit::SetEditValueChecked(const Variant& value)
{
    StoreEditValue(value);
}

bool TcxCustomEdit::UserMayStore()
{
    return !byUserInput_ || RequestEditing();
}

void TcxCustomEdit::StoreEditValue(const Variant& value)
{
    const TLiveness alive = Liveness();
    if (!UserMayStore() || !alive)
        return;
    bool changed = false;
    if (GetEffectiveProperties().CanCompareEditValues())
        changed = !(value.VarType() == editValue_.VarType() && VariantsEqual(value, editValue_));
    editValue_ = value;
    UpdateDisplay();
    if (!alive)
        return;
    if (byUserInput_)
        MarkUserModified(true);
    else
        SetModifiedFlag(false);
    if (!changed)
        return;
    FireEditValueChanged();
    if (alive && !GetEffectiveProperties().ChangeFiresOnText())
        FireChange();
}

void TcxCustomEdit::SetEditValueKeepModified(const Variant& value)
{
    TcxEditModifiedScope modified(*this);
    ApplyDisplayValue(value);
}

Variant TcxCustomEdit::GetCurrentValue() const
{
    if (Focused() && !valueValidated_ && modifiedSinceFocus_)
        return GetEditingValue();
    return GetEditValue();
}

void TcxCustomEdit::ClearValue()
{
    SetEditValue(GetNullEditValue());
}

void TcxCustomEdit::ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const
{
    GetEffectiveProperties().ValueToDisplayValue(value, displayValue, editing);
}

void TcxCustomEdit::PrepareEditValue(const Variant& displayValue, Variant& editValue, bool)
{
    editValue = displayValue;
}

bool TcxCustomEdit::IsCharAllowed(char character) const
{
    const IcxEditDefaultValuesProvider* provider = dataBinding_->GetDefaultValuesProvider();
    return !provider || provider->AcceptsChar(character);
}

// Modified state

void TcxCustomEdit::SetModifiedFlag(bool value)
{
    modified_ = value;
    if (!value)
        modifiedSinceFocus_ = false;
}

void TcxCustomEdit::MarkUserModified(bool value)
{
    modifiedSinceFocus_ = value;
    if (value) {
        valueValidated_ = false;
        modified_ = true;
    }
}

void TcxCustomEdit::PushModified()
{
    modifiedStack_.emplace_back(modified_, modifiedSinceFocus_);
}

void TcxCustomEdit::PopModified()
{
    if (modifiedStack_.empty())
        return;
    std::tie(modified_, modifiedSinceFocus_) = modifiedStack_.back();
    modifiedStack_.pop_back();
}

// Change events

void TcxCustomEdit::LockChangeEvents(bool lock, bool firePending)
{
    TcxEditChangeEventsCatcher& catcher = *changeEventsCatcher_;
    if (lock) {
        catcher.Lock();
        return;
    }
    if (!catcher.Unlock() || !firePending || !Settled())
        return;
    const bool editValueChanged = catcher.EditValueChangedPending();
    const TLiveness alive = Liveness();
    if (catcher.ChangePending() && HasPropertiesHandler(&TcxCustomEditProperties::OnChange))
        CallOnChange();
    if (alive && editValueChanged && HasPropertiesHandler(&TcxCustomEditProperties::OnEditValueChanged))
        CallOnEditValueChanged();
}

void TcxCustomEdit::CallOnChange()
{
    CallPropertiesHandlers(&TcxCustomEditProperties::OnChange);
}

void TcxCustomEdit::CallOnEditValueChanged()
{
    CallPropertiesHandlers(&TcxCustomEditProperties::OnEditValueChanged);
}

void TcxCustomEdit::FireHeldEvent(void (TcxEditChangeEventsCatcher::*note)(), void (TcxCustomEdit::*call)())
{
    if (changeEventsCatcher_->Locked()) {
        (changeEventsCatcher_.get()->*note)();
        return;
    }
    if (!inPlace_) {
        (this->*call)();
        return;
    }
    // In place the handlers see the editor modified.
    TcxEditModifiedScope modified(*this);
    modified_ = true;
    modifiedSinceFocus_ = true;
    (this->*call)();
}

void TcxCustomEdit::FireChange()
{
    if (!Settled())
        return;
    const TLiveness alive = Liveness();
    if (HasPropertiesHandler(&TcxCustomEditProperties::OnChange))
        FireHeldEvent(&TcxEditChangeEventsCatcher::NoteChange, &TcxCustomEdit::CallOnChange);
    if (!alive)
        return;
    const TcxCustomEditProperties& properties = GetEffectiveProperties();
    if (!properties.ChangeFiresOnText() && !properties.CanCompareEditValues())
        FireEditValueChanged();
}

void TcxCustomEdit::FireEditValueChanged()
{
    if (!Settled() || !HasPropertiesHandler(&TcxCustomEditProperties::OnEditValueChanged))
        return;
    FireHeldEvent(&TcxEditChangeEventsCatcher::NoteEditValueChanged, &TcxCustomEdit::CallOnEditValueChanged);
}

void TcxCustomEdit::ContentChanged()
{
    if (Focused())
        MarkUserModified(true);
    else if (GetEffectiveProperties().NotificationDepth() == 0)
        dataBinding_->DataChanged();
    FireChange();
}

bool TcxCustomEdit::Settled() const
{
    return !(ComponentState() & (csLoading | csDestroying));
}

// Clicks

void TcxCustomEdit::LockClick(bool lock)
{
    if (lock)
        ++clickLocks_;
    else if (clickLocks_ > 0)
        --clickLocks_;
}

void TcxCustomEdit::ClickModified()
{
    const TLiveness alive = Liveness();
    MarkUserModified(true);
    if (alive && clickLocks_ == 0)
        Click();
}

void TcxCustomEdit::Click()
{
    if ((ComponentState() & csDestroying) || clickLocks_ > 0)
        return;
    if ((ComponentState() & csLoading) && !ClicksWhileLoading())
        return;
    TcxContainer::Click();
}

// Editing permission

bool TcxCustomEdit::RequestEditing()
{
    if (!IsEditingAllowed())
        return false;
    if (dataBinding_->IsEditing())
        return true;
    if (!CanModify())
        return false;
    const TLiveness alive = Liveness();
    const TFlagScope inEvent(alive, inEditingEvent_);
    bool canEdit = true;
    if (inPlace_) {
        const TCountScope lock(alive, editingEventLock_);
        CallHandler(OnEditing, static_cast<TComponent&>(*this), canEdit);
        return alive && canEdit;
    }
    const bool wasModified = dataBinding_->IsEditorModified();
    CallHandler(OnEditing, static_cast<TComponent&>(*this), canEdit);
    if (!alive || !canEdit)
        return false;
    if (wasModified) {
        dataBinding_->DataChanged();
        return static_cast<bool>(alive);
    }
    const TCountScope lock(alive, editingEventLock_);
    canEdit = dataBinding_->StartEditMode();
    return alive && canEdit;
}

bool TcxCustomEdit::CanModify() const
{
    const TcxCustomEditProperties& properties = GetEffectiveProperties();
    if (inPlace_)
        return properties.CanModifyInplace();
    if (properties.AssignedValues().ReadOnly())
        return !properties.ReadOnly();
    const IcxEditDefaultValuesProvider* provider = dataBinding_->GetDefaultValuesProvider();
    return !provider || (provider->AllowsModify() && provider->AllowsEditMode());
}

bool TcxCustomEdit::IsReadOnlyNow() const
{
    return GetEffectiveProperties().ReadOnly() || !dataBinding_->HasData();
}

bool TcxCustomEdit::CanPostValue() const
{
    return !(ComponentState() & csDesigning) && dataBinding_->CanPostStored();
}
