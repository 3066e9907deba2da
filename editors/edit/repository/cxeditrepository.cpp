#include "editors/edit/repository/cxeditrepository.h"

#include <algorithm>

namespace {

constexpr std::string_view kRepositoryPrefix = "TcxEditRepository";

std::unique_ptr<TcxCustomEditProperties> MakeProperties(TPersistent* owner)
{
    return std::make_unique<TcxCustomEditProperties>(owner);
}

std::unique_ptr<TComponent> MakeItem()
{
    return std::make_unique<TcxEditRepositoryItem>();
}

} // namespace

const TcxClass TcxEditRepositoryItem::Class{"TcxEditRepositoryItem", nullptr, MakeItem};

TcxEditRepositoryItem::TcxEditRepositoryItem(TComponent* owner)
    : TcxEditRepositoryItem(owner, MakeProperties)
{
}

TcxEditRepositoryItem::TcxEditRepositoryItem(TComponent* owner, TcxCustomEditPropertiesClass propertiesClass)
    : TComponent(owner), propertiesClass_(propertiesClass), properties_(propertiesClass(this))
{
    properties_->OnPropertiesChanged = [this](TcxCustomEditProperties&) { NotifyPropertiesChanged(); };
}

TcxEditRepositoryItem::~TcxEditRepositoryItem()
{
    Removing();
}

void TcxEditRepositoryItem::BeforeDestruction()
{
    // The listeners see the item whole.
    Removing();
    TComponent::BeforeDestruction();
}

void TcxEditRepositoryItem::Removing()
{
    if (removed_)
        return;
    removed_ = true;
    listeners_.ForEach([this](IcxEditRepositoryItemListener& l) { l.ItemRemoved(*this); }, true);
    SetRepository(nullptr);
}

void TcxEditRepositoryItem::NotifyPropertiesChanged()
{
    listeners_.ForEach([this](IcxEditRepositoryItemListener& l) { l.ItemPropertiesChanged(*this); }, true);
}

void TcxEditRepositoryItem::ListenerAdd(IcxEditRepositoryItemListener& listener)
{
    listeners_.Add(&listener);
}

void TcxEditRepositoryItem::ListenerRemove(IcxEditRepositoryItemListener& listener)
{
    listeners_.Remove(&listener);
}

void TcxEditRepositoryItem::SetRepository(TcxEditRepository* value)
{
    if (repository_ == value)
        return;
    if (repository_)
        repository_->RemoveItem(*this);
    repository_ = value;
    if (value)
        value->AddItem(*this);
}

std::string TcxEditRepositoryItem::GetBaseName() const
{
    std::string_view name = ClassRecord().Name;
    size_t at = name.find(kRepositoryPrefix);
    std::string suffix(at == std::string_view::npos ? std::string_view() : name.substr(at + kRepositoryPrefix.size()));
    return repository_ ? repository_->Name() + suffix : suffix;
}

TComponent* TcxEditRepositoryItem::GetParentComponent() const
{
    return repository_;
}

void TcxEditRepositoryItem::SetParentComponent(TComponent* parent)
{
    if (ComponentState() & csLoading)
        return;
    auto* repository = dynamic_cast<TcxEditRepository*>(parent);
    if (!repository)
        throw EInvalidCast();
    SetRepository(repository);
}

TcxEditRepository::~TcxEditRepository()
{
    // Each item leaves the list as it goes; the last goes first.
    while (!items_.empty())
        delete items_.back();
}

TcxEditRepositoryItem& TcxEditRepository::CreateItem(const TcxClass& itemClass)
{
    return CreateItemEx(itemClass, this);
}

TcxEditRepositoryItem& TcxEditRepository::CreateItemEx(const TcxClass& itemClass, TComponent* owner)
{
    std::unique_ptr<TComponent> made = itemClass.Factory ? itemClass.Factory() : nullptr;
    auto* item = dynamic_cast<TcxEditRepositoryItem*>(made.get());
    if (!item)
        throw EInvalidCast();
    if (owner)
        owner->Adopt(std::move(made));
    else
        (void)made.release();
    item->SetRepository(this);
    return *item;
}

TcxEditRepositoryItem* TcxEditRepository::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[index];
}

void TcxEditRepository::AddItem(TcxEditRepositoryItem& item)
{
    if (std::ranges::find(items_, &item) == items_.end())
        items_.push_back(&item);
}

void TcxEditRepository::RemoveItem(TcxEditRepositoryItem& item)
{
    std::erase(items_, &item);
    if (item.repository_ == this)
        item.repository_ = nullptr;
}

void TcxEditRepository::GetChildren(const std::function<void(TComponent&)>& proc, TComponent* root) const
{
    for (TcxEditRepositoryItem* item : std::vector(items_))
        if (item->Owner() == root)
            proc(*item);
}
