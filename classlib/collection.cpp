#include "classlib/collection.h"

#include <algorithm>
#include <string>

int TCollectionItem::Index() const
{
    return collection_->IndexOf(this);
}

TPersistent* TCollectionItem::GetOwner() const
{
    return collection_;
}

void TCollectionItem::Changed(bool allItems)
{
    if (collection_->updateCount_ == 0)
        collection_->Update(allItems ? nullptr : this);
}

TCollection::~TCollection()
{
    FreeItems();
}

TCollectionItem& TCollection::Add()
{
    std::unique_ptr<TCollectionItem> item = itemClass_(*this);
    if (!item || &item->Collection() != this)
        throw EInvalidOperation("The item class made no item of this collection");
    item->id_ = nextId_++;
    TCollectionItem& added = *items_.emplace_back(std::move(item));
    Changed();
    return added;
}

TCollectionItem* TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[index].get();
}

int TCollection::IndexOf(const TCollectionItem* item) const
{
    auto found = std::ranges::find_if(items_, [item](const auto& i) { return i.get() == item; });
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TCollection::Delete(int index)
{
    Items(index);
    // Out of the list before it goes, so nothing it calls finds it listed.
    std::unique_ptr<TCollectionItem> gone = std::move(items_[index]);
    items_.erase(items_.begin() + index);
    gone.reset();
    Changed();
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    FreeItems();
    Changed();
}

void TCollection::FreeItems()
{
    while (!items_.empty()) {
        std::unique_ptr<TCollectionItem> last = std::move(items_.back());
        items_.pop_back();
        last.reset();
    }
}

void TCollection::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    --updateCount_;
    Changed();
}

void TCollection::Changed()
{
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TCollection*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    Updating([&] {
        Clear();
        for (const auto& item : other->items_)
            Add().Assign(*item);
    });
}
