// The generic editor's creation, parent, loading, naming, destruction and
// repository item.
#include "editors/edit/editor/cxedit.h"

#include "editors/edit/editor/cxeditlocks.h"
#include "editors/foundation/core/cxresourceids.h"
#include "editors/foundation/core/cxresourcetext.h"

namespace {
const TcxEditKind kCustomEditKind = cxEditKindOf<TcxCustomEditProperties>();
} // namespace

TcxCustomEdit::TcxCustomEdit(TComponent* owner) : TcxCustomEdit(owner, false, kCustomEditKind) {}

TcxCustomEdit::TcxCustomEdit(TComponent* owner, bool inPlace) : TcxCustomEdit(owner, inPlace, kCustomEditKind) {}

TcxCustomEdit::TcxCustomEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind)
    : TcxContainer(owner), kind_(kind), inPlace_(inPlace)
{
    creating_ = true;
    InitEdit();
    creating_ = false;
    if (HandleAllocated())
        RefreshAtCursor();
}

void TcxCustomEdit::InitEdit()
{
    changeEventsCatcher_ = std::make_unique<TcxEditChangeEventsCatcher>();
    properties_ = GetPropertiesClass()(this);
    SetStyleClass(properties_->StyleClassOf());
    SetViewInfo(properties_->ViewInfoClassOf()());
    cachedContentMetrics_ = MakeViewData()->ContentParams;
    contentMetricsComputed_ = true;
    SetTabStop(true);
    innerEdit_ = CreateInnerEdit();
    if (innerEdit_) {
        InitializeInnerEdit();
        SetInnerControl(&innerEdit_->WinControl());
    }
    dataBinding_ = GetDataBindingClass()(*this);
    autoSize_ = !inPlace_;
    capturedButton_ = -1;
    editValue_ = Variant::Null();
    validationLocked_ = false;
    ConnectPropertiesNotification(true);
    if (inPlace_) {
        unsigned keys = WantedKeys() | kcAll | kcArrows;
        if (!GetInnerEditClass())
            keys |= kcTab;
        SetWantedKeys(keys);
    }
    doubleClickTimer_ = std::make_unique<TcxTimer>();
    doubleClickTimer_->SetEnabled(false);
    doubleClickTimer_->SetInterval(GetDoubleClickTime());
    doubleClickTimer_->SetOnTimer([this](TComponent&) { doubleClickTimer_->SetEnabled(false); });
    if (!inPlace_)
        properties_->SetDefaultValuesProvider(dataBinding_->GetDefaultValuesProvider());
    ViewInfo().Edit = this;
    awaitingParent_ = true;
}

TcxCustomEdit::~TcxCustomEdit()
{
    doubleClickTimer_.reset();
    if (repositoryItem_)
        repositoryItem_->ListenerRemove(*this);
    repositoryItem_ = nullptr;
    innerEdit_ = nullptr;
    ConnectPropertiesNotification(false);
    if (!inPlace_)
        properties_->ClearDefaultValuesProvider();
    dataBinding_.reset();
    modifiedStack_.clear();
    properties_.reset();
    changeEventsCatcher_.reset();
}

void TcxCustomEdit::ConnectPropertiesNotification(bool connect)
{
    if (connect)
        properties_->OnPropertiesChanged = [this](TcxCustomEditProperties& sender) { ApplyProperties(sender); };
    else
        properties_->OnPropertiesChanged = nullptr;
}

TcxCustomEditProperties& TcxCustomEdit::GetEffectiveProperties() const
{
    if (!repositoryItem_)
        return *properties_;
    TcxCustomEditProperties& properties = repositoryItem_->EditProperties();
    if (dataBinding_)
        properties.SetDefaultValuesProvider(dataBinding_->GetDefaultValuesProvider());
    return properties;
}

// Parent and streaming

void TcxCustomEdit::SetParent(TWinControl* parent)
{
    if (parent && awaitingParent_) {
        awaitingParent_ = false;
        const TLiveness alive = Liveness();
        dataBinding_->NameChangedHook();
        ApplyProperties(*properties_);
        if (!alive)
            return;
        dataBinding_->RefreshDisplay();
        if (!alive)
            return;
    }
    TcxContainer::SetParent(parent);
}

void TcxCustomEdit::Loaded()
{
    TcxContainer::Loaded();
    TcxEditChangeEventsLock changeLock(*this);
    {
        TcxEditClickLock clickLock(*this);
        dataBinding_->NameChangedHook();
        RefreshAtCursor();
        if (!repositoryItem_)
            ConnectPropertiesNotification(true);
        ApplyProperties(GetEffectiveProperties());
        ViewInfo().ShowShadow = false;
        ApplyStyle(Styles().StyleNormal());
    }
    changeLock.Release(false);
}

void TcxCustomEdit::ReadState()
{
    ConnectPropertiesNotification(false);
    TcxContainer::ReadState();
}

void TcxCustomEdit::SetName(const std::string& name)
{
    TcxContainer::SetName(name);
    if (dataBinding_)
        dataBinding_->NameChangedHook();
}

bool TcxCustomEdit::IsHeightStored() const
{
    return !IsAutoHeight();
}

bool TcxCustomEdit::IsWidthStored() const
{
    return !(IsAutoHeight() && IsAutoWidth());
}

// Repository item

bool TcxCustomEdit::CanUseProperties(const TcxEditRepositoryItem* item) const
{
    return !item || kind_.AcceptsProperties(item->EditProperties());
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* value)
{
    if (repositoryItem_ == value)
        return;
    if (!CanUseProperties(value))
        throw EcxEditError(cxGetResourceText(cxSEditRepositoryItemNotAcceptable));
    const TLiveness alive = Liveness();
    RepositoryItemChangingHook();
    if (!alive)
        return;
    if (repositoryItem_)
        repositoryItem_->ListenerRemove(*this);
    repositoryItem_ = value;
    if (value)
        value->ListenerAdd(*this);
    const bool settled = Settled();
    if (value) {
        properties_->ClearDefaultValuesProvider();
        if (settled)
            ApplyProperties(GetEffectiveProperties());
        if (!alive)
            return;
        ConnectPropertiesNotification(false);
    } else {
        if (settled)
            ConnectPropertiesNotification(true);
        properties_->SetDefaultValuesProvider(dataBinding_->GetDefaultValuesProvider());
        if (!alive)
            return;
    }
    RepositoryItemChangedHook();
}

void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem& sender)
{
    if (&sender == repositoryItem_)
        SetRepositoryItem(nullptr);
}

void TcxCustomEdit::ItemPropertiesChanged(TcxEditRepositoryItem& sender)
{
    if (&sender == repositoryItem_)
        ApplyProperties(sender.EditProperties());
}
