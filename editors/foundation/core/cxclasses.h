// The base classes of the editor library: class records, a persistent that
// knows its owner, a component with link properties for a designer, an
// owning list, and a component that hands free notifications to an event.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/classregistry.h"
#include "classlib/component.h"
#include "classlib/persistent.h"
#include "editors/foundation/core/cxobjectlinks.h"

// A class as a value: its name, its parent and, for component classes, how
// to make one. Records are constants, one per class that registries hold.
struct TcxClass {
    const char* Name;
    const TcxClass* Parent;
    TComponentFactory Factory;

    // True for this class itself and for every descendant of ancestor.
    bool InheritsFrom(const TcxClass* ancestor) const;
};

class TcxInterfacedPersistent : public TPersistent {
public:
    explicit TcxInterfacedPersistent(TPersistent* owner) : owner_(owner) {}
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
};

class TcxComponent : public TcxLinkTarget<TComponent> {
public:
    static constexpr int FakeLinkCount = 3;

    explicit TcxComponent(TComponent* owner = nullptr) : TcxLinkTarget(owner) {}

    TComponent* FakeComponentLink(int index) const { return fakeLinks_[index]; }
    void Loaded() override;

protected:
    // The components a designer shows as this one's links; none here.
    virtual void CollectFakeLinks(std::vector<TComponent*>& list);
    void RefreshFakeLinks();

private:
    TComponent* fakeLinks_[FakeLinkCount] = {};
};

class TcxFreeNotificator : public TComponent {
public:
    using TFreeNotificationEvent = std::function<void(TComponent* component)>;
    using TComponent::TComponent;

    TFreeNotificationEvent OnFreeNotification;

protected:
    void Notification(TComponent* component, TOperation operation) override;
};

// Items owned by the list: Clear frees them in index order.
template <class T>
class TcxObjectList {
public:
    TcxObjectList() = default;
    TcxObjectList(const TcxObjectList&) = delete;
    TcxObjectList& operator=(const TcxObjectList&) = delete;
    ~TcxObjectList() { Clear(); }

    T& Add(std::unique_ptr<T> item) { return *items_.emplace_back(std::move(item)); }
    int Count() const { return static_cast<int>(items_.size()); }
    T* Items(int index) const { return items_[index].get(); }
    void Clear()
    {
        for (auto& item : items_)
            item.reset();
        items_.clear();
    }

private:
    std::vector<std::unique_ptr<T>> items_;
};

// The owner of a persistent, or nullptr for none.
TPersistent* cxGetOwnerOf(const TPersistent* persistent);

// Calls a notify event only when one is assigned.
template <class E, class S>
void cxFireNotifyEvent(const E& event, S* sender)
{
    if (event)
        event(sender);
}
