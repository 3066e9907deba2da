// Collections of persistent items owned by the collection: items are made
// by the collection's item class, tell the collection when they change, and
// the collection gathers the changes made between BeginUpdate and EndUpdate
// into one Update.
#pragma once

#include <memory>
#include <vector>

#include "classlib/exceptions.h"
#include "classlib/persistent.h"

class TCollection;
class TCollectionItem;

// An item class as a value: makes an item of that class for the collection.
using TCollectionItemClass = std::unique_ptr<TCollectionItem> (*)(TCollection& collection);

class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection& collection) : collection_(&collection) {}

    TCollection& Collection() const { return *collection_; }
    // The position in the collection.
    int Index() const;
    // Unique within the collection and never reused.
    int ID() const { return id_; }
    TPersistent* GetOwner() const override;

protected:
    // Tells the collection of a change of this item or, with allItems, of
    // all of them; nothing while the collection is being updated.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_;
    int id_ = 0;
};

class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass itemClass) : itemClass_(itemClass) {}
    ~TCollection() override;

    TCollectionItemClass ItemClass() const { return itemClass_; }
    // A new item of the item class at the end.
    TCollectionItem& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    // EListError for an index out of range.
    TCollectionItem* Items(int index) const;
    int IndexOf(const TCollectionItem* item) const;
    // Frees the item at index.
    void Delete(int index);
    void Clear();

    // Updates nest; the outermost EndUpdate runs one Update for all items.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    // Runs body inside BeginUpdate/EndUpdate; a body that raises ends the
    // update without an Update, as nothing whole is there to tell of.
    template <class F>
    void Updating(F&& body)
    {
        BeginUpdate();
        try {
            body();
        } catch (...) {
            --updateCount_;
            throw;
        }
        EndUpdate();
    }

    // From another collection: its items copied one by one into new items
    // of this item class, inside one update.
    void Assign(const TPersistent& source) override;

protected:
    // A change of item, or of the whole collection when item is null.
    virtual void Update(TCollectionItem* item);
    // Update for the whole collection, unless an update is going on.
    void Changed();

private:
    friend class TCollectionItem;
    // Frees every item without telling anyone.
    void FreeItems();

    TCollectionItemClass itemClass_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int updateCount_ = 0;
    int nextId_ = 0;
};
