#include "classlib/component.h"

#include <algorithm>

#include "classlib/propertytable.h"

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

void* TComponent::operator new(std::size_t size)
{
    return ::operator new(size);
}

void TComponent::operator delete(void* memory)
{
    ::operator delete(memory);
}

void TComponent::operator delete(TComponent* component, std::destroying_delete_t)
{
    component->life_.End();
    component->BeforeDestruction();
    void* whole = dynamic_cast<void*>(component);
    component->~TComponent();
    ::operator delete(whole);
}

TComponent::~TComponent()
{
    // A component that was not deleted (one on the stack) ends here.
    life_.End();
    while (!freeNotifies_.empty()) {
        TComponent* watcher = freeNotifies_.back();
        freeNotifies_.pop_back();
        std::erase(watcher->freeNotifies_, this);
        watcher->Notification(this, TOperation::opRemove);
    }
    FreeComponents();
    if (owner_)
        owner_->ReleaseComponent(this);
}

void TComponent::BeforeDestruction()
{
    Destroying();
}

void TComponent::Destroying()
{
    if (state_ & csDestroying)
        return;
    state_ |= csDestroying;
    for (const auto& c : components_)
        c->Destroying();
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component)
{
    TComponent* added = component.get();
    added->owner_ = this;
    components_.push_back(std::move(component));
    Notification(added, TOperation::opInsert);
}

void TComponent::ReleaseComponent(TComponent* component)
{
    auto it = std::find_if(components_.begin(), components_.end(), [&](const auto& c) { return c.get() == component; });
    if (it == components_.end())
        return;
    // Deleted by someone else: its memory is already on its way out.
    (void)it->release();
    components_.erase(it);
    Notification(component, TOperation::opRemove);
}

void TComponent::FreeComponents()
{
    while (!components_.empty()) {
        std::unique_ptr<TComponent> last = std::move(components_.back());
        components_.pop_back();
        // Freed by its owner, which need not be told.
        last->owner_ = nullptr;
        last.reset();
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (const auto& c : components_)
        if (c->Name() == name)
            return c.get();
    return nullptr;
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    // Each side lists the other, so whichever goes first tells the other.
    auto add = [](std::vector<TComponent*>& list, TComponent* c) {
        if (std::find(list.begin(), list.end(), c) == list.end())
            list.push_back(c);
    };
    add(freeNotifies_, component);
    add(component->freeNotifies_, this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove)
        RemoveFreeNotification(component);
}

void TComponent::Loaded()
{
    state_ &= ~csLoading;
}

const std::any* TComponent::FindHandler(const std::string& name) const
{
    auto it = handlers_.find(name);
    return it == handlers_.end() ? nullptr : &it->second;
}

const TPropertyTable& TComponent::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TComponent>(TPersistent::Properties(), {
        {"Name", [](TComponent& c, const TPropertyValue& v) { c.SetName(v.Text()); }},
    });
    return table;
}
