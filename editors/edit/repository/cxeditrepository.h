// The edit repository: a component owning named sets of editor properties
// (its items) that several editors link to. An item tells the editors that
// listen to it when its properties change and when it goes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/component.h"
#include "editors/foundation/core/cxclasses.h"
#include "editors/foundation/core/cxlistenerlist.h"
#include "editors/edit/properties/cxeditproperties.h"

class TcxEditRepository;
class TcxEditRepositoryItem;

// A properties class as a value: makes properties of that class for owner.
using TcxCustomEditPropertiesClass = std::unique_ptr<TcxCustomEditProperties> (*)(TPersistent* owner);

// What an editor linked to a repository item is told.
class IcxEditRepositoryItemListener {
public:
    virtual void ItemRemoved(TcxEditRepositoryItem& sender) = 0;
    virtual void ItemPropertiesChanged(TcxEditRepositoryItem& sender) = 0;

protected:
    ~IcxEditRepositoryItemListener() = default;
};

class TcxEditRepositoryItem : public TComponent {
public:
    using TPropertiesEvents = std::function<void(TComponent& Sender)>;

    explicit TcxEditRepositoryItem(TComponent* owner = nullptr);
    ~TcxEditRepositoryItem() override;

    // The class record of TcxEditRepositoryItem; its factory makes one without owner.
    static const TcxClass Class;
    // This object's class record: derived item classes answer their own.
    virtual const TcxClass& ClassRecord() const { return Class; }

    // The item's Properties (the name is the component's property table's).
    TcxCustomEditProperties& EditProperties() const { return *properties_; }
    void SetEditProperties(const TcxCustomEditProperties& value) { properties_->Assign(value); }
    TcxEditRepository* Repository() const { return repository_; }
    // Leaves the old repository and joins the new one.
    void SetRepository(TcxEditRepository* value);

    virtual void NotifyPropertiesChanged();
    // A listener listed already is not listed twice.
    virtual void ListenerAdd(IcxEditRepositoryItemListener& listener);
    virtual TcxCustomEditPropertiesClass GetPropertiesClass() const { return propertiesClass_; }
    // The repository's name and the class name after "TcxEditRepository"
    // ("RTextItem" for a TcxEditRepositoryTextItem in R); without a
    // repository the suffix alone.
    virtual std::string GetBaseName() const;
    virtual void ListenerRemove(IcxEditRepositoryItemListener& listener);

    // The repository is the item's parent when items are read and listed.
    TComponent* GetParentComponent() const;
    bool HasParent() const { return repository_ != nullptr; }
    // EInvalidCast for a parent that is no repository; ignored while loading.
    void SetParentComponent(TComponent* parent);

    // Stored with the item for the editors; the item never fires it.
    TPropertiesEvents PropertiesEvents;

protected:
    // Derived item classes name the properties class their items own.
    TcxEditRepositoryItem(TComponent* owner, TcxCustomEditPropertiesClass propertiesClass);
    void BeforeDestruction() override;

private:
    friend class TcxEditRepository;
    // Tells the listeners and leaves the repository, once.
    void Removing();

    TcxListenerList<IcxEditRepositoryItemListener> listeners_;
    TcxCustomEditPropertiesClass propertiesClass_;
    std::unique_ptr<TcxCustomEditProperties> properties_;
    TcxEditRepository* repository_ = nullptr;
    bool removed_ = false;
};

class TcxEditRepository : public TComponent {
public:
    explicit TcxEditRepository(TComponent* owner = nullptr) : TComponent(owner) {}
    ~TcxEditRepository() override;

    // An item of itemClass owned by this repository.
    virtual TcxEditRepositoryItem& CreateItem(const TcxClass& itemClass);
    // An item of itemClass owned by owner (none: by nobody) and listed here.
    virtual TcxEditRepositoryItem& CreateItemEx(const TcxClass& itemClass, TComponent* owner);

    int Count() const { return static_cast<int>(items_.size()); }
    TcxEditRepositoryItem* Items(int index) const;
    void RemoveItem(TcxEditRepositoryItem& item);
    // proc for each item that root owns.
    void GetChildren(const std::function<void(TComponent&)>& proc, TComponent* root) const;

private:
    friend class TcxEditRepositoryItem;
    void AddItem(TcxEditRepositoryItem& item);

    std::vector<TcxEditRepositoryItem*> items_;
};
