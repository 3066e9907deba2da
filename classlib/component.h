// Components with names and owners: an owner frees what it owns, components
// that asked are told when another goes, and a component knows whether it
// is being loaded or destroyed.
#pragma once

#include <any>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "classlib/exceptions.h"
#include "classlib/liveness.h"
#include "classlib/persistent.h"

enum class TOperation { opInsert, opRemove };

using TComponentState = unsigned;
// csDesigning belongs to a form designer, which this library has not: never set.
constexpr TComponentState csLoading = 1, csDestroying = 2, csDesigning = 4;

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;

    // Every delete of a component runs BeforeDestruction while the whole
    // object still exists, then its destructors. The plain pair serves
    // allocation and a constructor that throws.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory);
    static void operator delete(TComponent* component, std::destroying_delete_t);

    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name) { name_ = name; }
    TComponent* Owner() const { return owner_; }
    TPersistent* GetOwner() const override { return owner_; }
    TComponentState ComponentState() const { return state_; }
    // Turns false as soon as the component begins to go: code that calls
    // user code takes it first and touches the component afterwards only
    // while it holds.
    TLiveness Liveness() const { return life_.Watch(); }

    // Hands a new component to this owner and returns it.
    template <class T>
    T& Adopt(std::unique_ptr<T> component)
    {
        T& ref = *component;
        InsertComponent(std::move(component));
        return ref;
    }

    TComponent* FindComponent(const std::string& name) const;
    // The owned component of that name and type; EComponentError when missing.
    template <class T>
    T& Component(const std::string& name) const
    {
        if (auto* found = dynamic_cast<T*>(FindComponent(name)))
            return *found;
        throw EComponentError("Component '" + name + "' not found");
    }
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }

    // component is told (Notification with opRemove) when this one goes.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Marks this component as being read from form text.
    void BeginLoading() { state_ |= csLoading; }
    // Told before the form text's properties of this component are read.
    virtual void ReadState() {}
    // Called once every component of a form description has been read;
    // overrides call the base, which ends the loading state.
    virtual void Loaded();

protected:
    // Another component was added to or goes from this owner, or goes
    // while this one watches it.
    virtual void Notification(TComponent* component, TOperation operation);
    // Runs before any destructor; controls destroy their window here.
    virtual void BeforeDestruction();
    // Owned components go first, in reverse order of creation.
    void FreeComponents();

    const TPropertyTable& Properties() const override;
    const std::any* FindHandler(const std::string& name) const override;

    // Registers a member function as the handler of that name, found by the
    // form text of this component and of everything it owns.
    template <class C, class... A>
    void Bind(const std::string& name, void (C::*method)(A...))
    {
        C* self = static_cast<C*>(this);
        handlers_[name] = std::function<void(A...)>([self, method](A... args) { (self->*method)(std::forward<A>(args)...); });
    }

private:
    void InsertComponent(std::unique_ptr<TComponent> component);
    // Takes a component that is being deleted out of the owned list.
    void ReleaseComponent(TComponent* component);
    void Destroying();

    TLife life_;
    TComponent* owner_;
    std::string name_;
    TComponentState state_ = 0;
    std::vector<std::unique_ptr<TComponent>> components_;
    // Both directions: the ones to tell and the ones that tell us.
    std::vector<TComponent*> freeNotifies_;
    std::map<std::string, std::any> handlers_;
};
