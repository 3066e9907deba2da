#include "editors/edit/properties/cxeditproperties.h"

#include <utility>

#include "classlib/handlercall.h"
#include "classlib/propertytable.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/core/cxedithelpers.h"
#include "editors/edit/editor/cxedit.h"
#include "editors/edit/properties/cxeditdefaultvaluesprovider.h"
#include "editors/edit/properties/cxeditpropertieslist.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/variants/cxvariants.h"
#include "editors/foundation/core/cxresourcetext.h"

const TcxClass cxCustomEditClass{"TcxCustomEdit", nullptr, nullptr};

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* owner)
    : TcxCustomEditProperties(owner, &TcxCustomEditPropertiesValues::Create, TcxEditButtons::Class())
{
}

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* owner, TcxCustomEditPropertiesValuesClass valuesClass,
                                                 const TcxEditButtonsClass& buttonsClass)
    : TcxInterfacedPersistent(owner), valuesClass_(valuesClass), buttonsClass_(buttonsClass)
{
    freeNotificator_ = std::make_unique<TcxFreeNotificator>();
    freeNotificator_->OnFreeNotification = [this](TComponent* component) { FreeNotification(component); };
    alignment_ = std::make_unique<TcxEditAlignment>(this);
    alignment_->OnChanged = [this] { AlignmentChanged(); };
    assignedValues_ = valuesClass_(*this);
    buttons_ = buttonsClass_.Create(this, buttonsClass_.ButtonClass);
    buttons_->OnChange = [this](TPersistent&) { SubObjectChanged(); };
    useLeftAlignmentOnEditing_ = DefaultUseLeftAlignmentOnEditing();
    innerAlignment_ = std::make_unique<TcxEditAlignment>(this);
    // Listed once whole: a part that fails to be made leaves nothing listed.
    if (TcxEditPropertiesList* list = cxEditPropertiesList())
        list->Add(this);
}

TcxCustomEditProperties::~TcxCustomEditProperties()
{
    // No edit-properties table is filled in this program, so none holds
    // these properties to remove them from.
    OnPropertiesChanged = nullptr;
    provider_ = nullptr;
    buttons_->OnChange = nullptr;
    buttons_.reset();
    innerAlignment_.reset();
    assignedValues_.reset();
    alignment_.reset();
    freeNotificator_.reset();
    if (TcxEditPropertiesList* list = cxEditPropertiesList())
        list->Remove(this);
}

// Copying

void TcxCustomEditProperties::Assign(const TPersistent& source)
{
    auto* properties = dynamic_cast<const TcxCustomEditProperties*>(&source);
    if (!properties) {
        TcxInterfacedPersistent::Assign(source);
        return;
    }
    // From itself the buttons would be cleared before they are copied.
    if (properties == this)
        return;
    Updating([&] {
        const TcxCustomEditProperties& p = *properties;
        SetAutoSelect(p.autoSelect_);
        SetButtons(*p.buttons_);
        SetButtonsStyleKind(p.buttonsStyleKind_);
        SetBeepOnError(p.beepOnError_);
        SetClearKey(p.clearKey_);
        SetButtonClickKey(p.buttonClickKey_);
        SetUseLeftAlignmentOnEditing(p.useLeftAlignmentOnEditing_);
        SetDefaultValuesProvider(p.provider_);
        SetAlignment(p.Alignment());
        assignedValues_->SetMaxValue(false);
        if (p.AssignedValues().MaxValue())
            SetMaxValue(p.GetMaxValue());
        assignedValues_->SetMinValue(false);
        if (p.AssignedValues().MinValue())
            SetMinValue(p.GetMinValue());
        assignedValues_->SetReadOnly(false);
        if (p.AssignedValues().ReadOnly())
            SetReadOnly(p.ReadOnly());
        SetImmediatePost(p.immediatePost_);
        SetTransparentBackground(p.transparentBackground_);
        SetInplaceMouseWheel(p.inplaceMouseWheel_);
        SetValidateOnEnter(p.validateOnEnter_);
        OnButtonClick = p.OnButtonClick;
        OnChange = p.OnChange;
        OnEditValueChanged = p.OnEditValueChanged;
        OnValidate = p.OnValidate;
    });
}

// Updates and change notification

void TcxCustomEditProperties::BeginUpdate()
{
    if (updateCount_ == 0)
        changedOccurred_ = false;
    ++updateCount_;
}

void TcxCustomEditProperties::EndUpdate(bool notify)
{
    if (updateCount_ == 0)
        return;
    --updateCount_;
    if (updateCount_ == 0 && notify && changedOccurred_)
        Changed();
}

bool TcxCustomEditProperties::OwnerIsGoing() const
{
    auto* component = dynamic_cast<TComponent*>(GetOwner());
    return component && (component->ComponentState() & csDestroying);
}

void TcxCustomEditProperties::Changed()
{
    if (changedLocked_ || updateCount_ != 0 || OwnerIsGoing()) {
        changedOccurred_ = true;
        return;
    }
    if (!OnPropertiesChanged)
        return;
    // The owner may free these properties from its handler.
    const TCountScope depth(life_.Watch(), notificationDepth_);
    CallHandler(OnPropertiesChanged, *this);
}

template <class T>
void TcxCustomEditProperties::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

template <class T>
void TcxCustomEditProperties::StoreAssigned(T& field, TcxEditAssignedValue flag, const T& value)
{
    if (assignedValues_->IsAssigned(flag) && field == value)
        return;
    Updating([&] {
        field = value;
        assignedValues_->SetAssigned(flag, true);
        Changed();
    });
}

// Fields

void TcxCustomEditProperties::SetAutoSelect(bool value)
{
    Store(autoSelect_, value);
}

void TcxCustomEditProperties::SetButtons(const TcxEditButtons& value)
{
    buttons_->Assign(value);
}

void TcxCustomEditProperties::SetButtonsStyleKind(std::uint8_t value)
{
    Store(buttonsStyleKind_, value);
}

void TcxCustomEditProperties::SetBeepOnError(bool value)
{
    Store(beepOnError_, value);
}

void TcxCustomEditProperties::SetClearKey(TShortCut value)
{
    Store(clearKey_, value);
}

void TcxCustomEditProperties::SetButtonClickKey(TShortCut value)
{
    Store(buttonClickKey_, value);
}

void TcxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool value)
{
    Store(useLeftAlignmentOnEditing_, value);
}

void TcxCustomEditProperties::SetInplaceMouseWheel(bool value)
{
    Store(inplaceMouseWheel_, value);
}

void TcxCustomEditProperties::SetImmediatePost(bool value)
{
    Store(immediatePost_, value);
}

void TcxCustomEditProperties::SetTransparentBackground(bool value)
{
    Store(transparentBackground_, value);
}

void TcxCustomEditProperties::SetValidateOnEnter(bool value)
{
    Store(validateOnEnter_, value);
}

void TcxCustomEditProperties::SetMaxValue(double value)
{
    StoreAssigned(maxValue_, avMaxValue, value);
}

void TcxCustomEditProperties::SetMinValue(double value)
{
    StoreAssigned(minValue_, avMinValue, value);
}

void TcxCustomEditProperties::SetReadOnly(bool value)
{
    StoreAssigned(readOnly_, avReadOnly, value);
}

void TcxCustomEditProperties::SetDefaultValuesProvider(IcxEditDefaultValuesProvider* value)
{
    if (provider_ == value)
        return;
    provider_ = value;
    // Editors are the containers that own properties; a repository item
    // hears of its provider through its editors.
    if (dynamic_cast<TcxContainer*>(GetOwner()))
        Changed();
}

// Values with defaults

TcxEditAlignment& TcxCustomEditProperties::Alignment() const
{
    TcxEditAlignment& alignment = *alignment_;
    // Filled in silently: its own change would copy it back.
    struct TSilence {
        TcxEditAlignment& Target;
        std::function<void()> Saved = std::exchange(Target.OnChanged, nullptr);
        ~TSilence() { Target.OnChanged = std::move(Saved); }
    } silence{alignment};
    alignment.Assign(*innerAlignment_);
    TComponent* component = OwningComponent(GetOwner());
    const bool designing = component && (component->ComponentState() & csDesigning);
    if (!(innerAlignment_->IsStored() && designing) && !alignment.IsHorzAssigned())
        alignment.SetDefaultHorz(DefaultHorzAlignment());
    return alignment;
}

TAlignment TcxCustomEditProperties::DefaultHorzAlignment() const
{
    return provider_ ? provider_->DefaultAlignment() : alignment_->Horz();
}

double TcxCustomEditProperties::GetMaxValue() const
{
    if (assignedValues_->MaxValue())
        return maxValue_;
    return provider_ ? provider_->DefaultMaxValue() : 0;
}

double TcxCustomEditProperties::GetMinValue() const
{
    if (assignedValues_->MinValue())
        return minValue_;
    return provider_ ? provider_->DefaultMinValue() : 0;
}

bool TcxCustomEditProperties::ReadOnly() const
{
    if (assignedValues_->ReadOnly())
        return readOnly_;
    return provider_ && provider_->DefaultReadOnly();
}

bool TcxCustomEditProperties::CanModifyInplace() const
{
    if (assignedValues_->ReadOnly() && !readOnly_)
        return true;
    if (ReadOnly())
        return false;
    return !provider_ || (provider_->AllowsModify() && provider_->AllowsEditMode());
}

bool TcxCustomEditProperties::HasDisplayFormat(bool editing) const
{
    const TcxEditDisplayFormatOptions options = SupportsDisplayFormat();
    if (editing || !(options & dfoSupports) || !provider_)
        return false;
    return provider_->IsDisplayFormatDefined((options & dfoEditFormat) != 0);
}

// The operations

void TcxCustomEditProperties::AlignmentChanged()
{
    innerAlignment_->Assign(*alignment_);
    Changed();
}

void TcxCustomEditProperties::SetAlignment(const TcxEditAlignment& value)
{
    innerAlignment_->Assign(value);
    Changed();
}

void TcxCustomEditProperties::SubObjectChanged()
{
    Changed();
}

std::string TcxCustomEditProperties::DefaultErrorText(int) const
{
    return cxGetResourceText(cxSEditInvalidInput);
}

TcxCustomEditViewDataClass TcxCustomEditProperties::GetViewDataClass() const
{
    return &TcxCustomEditViewData::Create;
}

TcxContainerStyleClass TcxCustomEditProperties::StyleClassOf() const
{
    return &TcxEditStyle::Create;
}

TcxCustomEditViewInfoClass TcxCustomEditProperties::ViewInfoClassOf() const
{
    return [] { return std::make_unique<TcxCustomEditViewInfo>(); };
}

bool TcxCustomEditProperties::DisplayValuesEqual(const Variant& a, const Variant& b) const
{
    Variant displayA, displayB;
    ValueToDisplayValue(a, displayA, false);
    ValueToDisplayValue(b, displayB, false);
    return VariantsEqual(displayA, displayB);
}

std::unique_ptr<TcxCustomEditProperties> TcxCustomEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxCustomEditProperties>(nullptr);
}

std::unique_ptr<TcxCustomEditViewData> TcxCustomEditProperties::NewViewData(TcxCustomEditStyle* style, bool inplace)
{
    return GetViewDataClass()(*this, style, inplace);
}

TcxEditSupportedOperations TcxCustomEditProperties::GetSupportedOperations() const
{
    return buttons_->Count() > 0 ? esoHasButtons : 0;
}

void TcxCustomEditProperties::ValueToDisplayValue(const Variant& value, Variant& displayValue, bool) const
{
    displayValue = value;
}

void TcxCustomEditProperties::ResetToDefaults()
{
    Updating([this] {
        innerAlignment_->Reset();
        assignedValues_->ClearAssigned();
    });
}

void TcxCustomEditProperties::ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error)
{
    if (!NeedsValidation())
        return;
    if (errorText.empty())
        errorText = DefaultErrorText(0);
    // Last: a handler may free the editor and these properties with it.
    if (edit)
        edit->CallOnValidate(value, errorText, error);
}

// Form text

bool TcxCustomEditProperties::Publishes(const std::string& name) const
{
    return Properties().Find(name) != nullptr;
}

bool TcxCustomEditProperties::IsUseLeftAlignmentOnEditingStored() const
{
    return useLeftAlignmentOnEditing_ != DefaultUseLeftAlignmentOnEditing();
}

bool TcxCustomEditProperties::IsMaxValueStored() const
{
    return assignedValues_->MaxValue() && maxValue_ != 0;
}

bool TcxCustomEditProperties::IsMinValueStored() const
{
    return assignedValues_->MinValue() && minValue_ != 0;
}

bool TcxCustomEditProperties::IsReadOnlyStored() const
{
    return assignedValues_->ReadOnly();
}

TPersistent* TcxCustomEditProperties::NestedObject(std::string_view name)
{
    if (name == "Alignment")
        return &Alignment();
    return name == "AssignedValues" ? assignedValues_.get() : nullptr;
}
