#include "editors/foundation/core/cxclasses.h"

bool TcxClass::InheritsFrom(const TcxClass* ancestor) const
{
    if (!ancestor)
        return false;
    for (const TcxClass* c = this; c; c = c->Parent)
        if (c == ancestor)
            return true;
    return false;
}

void TcxComponent::Loaded()
{
    TComponent::Loaded();
    RefreshFakeLinks();
}

void TcxComponent::CollectFakeLinks(std::vector<TComponent*>&) {}

void TcxComponent::RefreshFakeLinks()
{
    if (!(ComponentState() & csDesigning) || (ComponentState() & csDestroying) || !Owner())
        return;
    std::vector<TComponent*> list;
    CollectFakeLinks(list);
    for (int i = 0; i < FakeLinkCount; ++i)
        fakeLinks_[i] = i < static_cast<int>(list.size()) ? list[i] : nullptr;
}

void TcxFreeNotificator::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && OnFreeNotification)
        OnFreeNotification(component);
}

TPersistent* cxGetOwnerOf(const TPersistent* persistent)
{
    return persistent ? persistent->GetOwner() : nullptr;
}
