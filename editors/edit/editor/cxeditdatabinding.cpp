#include "editors/edit/editor/cxeditdatabinding.h"

#include "editors/edit/editor/cxedit.h"

namespace {
std::unique_ptr<TcxCustomEditDefaultValuesProvider> NewDefaultValuesProvider(TPersistent* owner)
{
    return std::make_unique<TcxCustomEditDefaultValuesProvider>(owner);
}
} // namespace

TcxEditDataBinding::TcxEditDataBinding(TcxCustomEdit& edit) : TcxEditDataBinding(edit, &NewDefaultValuesProvider) {}

TcxEditDataBinding::TcxEditDataBinding(TcxCustomEdit& edit, TcxEditDefaultValuesProviderClass providerClass)
    : edit_(&edit), providerClass_(providerClass), provider_(providerClass(this))
{
}

// The provider's own destructor takes it out of every properties object.
TcxEditDataBinding::~TcxEditDataBinding() = default;

std::unique_ptr<TcxEditDataBinding> TcxEditDataBinding::Create(TcxCustomEdit& edit)
{
    return std::make_unique<TcxEditDataBinding>(edit);
}

TPersistent* TcxEditDataBinding::GetOwner() const
{
    return edit_;
}

void TcxEditDataBinding::DefaultValuesChanged()
{
    TcxCustomEdit& edit = *edit_;
    TcxCustomEditProperties& properties = edit.GetEffectiveProperties();
    if (!edit.RepositoryItem()) {
        properties.Changed();
        return;
    }
    // The item's properties tell the item's other editors, not this one.
    properties.Updating([&] { properties.Changed(); });
    edit.ApplyProperties(properties);
}

Variant TcxEditDataBinding::ReadDisplayValue() const
{
    return Variant(edit_->GetDisplayText());
}

bool TcxEditDataBinding::IsEditorModified() const
{
    return edit_->ModifiedSinceFocus();
}

bool TcxEditDataBinding::IsEditing() const
{
    return edit_->ModifiedSinceFocus();
}

Variant TcxEditDataBinding::ReadStoredValue() const
{
    return edit_->GetEditValue();
}

void TcxEditDataBinding::Reset()
{
    edit_->RevertValue();
}

void TcxEditDataBinding::WriteDisplayValue(const Variant& value)
{
    edit_->ShowDisplayValue(value);
}

bool TcxEditDataBinding::StartEditMode()
{
    edit_->MarkUserModified(true);
    return true;
}

void TcxEditDataBinding::WriteStoredValue(const Variant&) {}

bool TcxEditDataBinding::AllowsCheck() const
{
    return (edit_->ComponentState() & csDesigning) || !edit_->ModifiedSinceFocus();
}

bool TcxEditDataBinding::CanPostStored() const
{
    return IsEditing();
}

void TcxEditDataBinding::DataChanged()
{
    if (edit_->Focused())
        edit_->MarkUserModified(true);
}

void TcxEditDataBinding::RefreshDisplay()
{
    edit_->UpdateDisplay();
}

bool TcxEditDataBinding::HasData() const
{
    return provider_->DataPresent();
}
