// Weak links to components: code that may destroy its own object (an event
// handler, a focus change) takes a link first and tests Target afterwards.
#pragma once

#include <concepts>
#include <memory>

#include "classlib/component.h"

class TcxObjectLink {
public:
    explicit TcxObjectLink(const void* target) : Target(target) {}
    // The object's identity; nullptr once it is gone.
    const void* Target;
};

void cxObjectLinkRemove(TcxObjectLink* link);

struct TcxObjectLinkRemover {
    void operator()(TcxObjectLink* link) const { cxObjectLinkRemove(link); }
};
// The caller owns the link; letting it go removes it.
using TcxObjectLinkHolder = std::unique_ptr<TcxObjectLink, TcxObjectLinkRemover>;

TcxObjectLinkHolder cxObjectLinkAddIdentity(const void* identity);
void cxObjectLinksClearForIdentity(const void* identity);

// Marks the classes that clear their links; only TcxLinkTarget makes one.
class TcxLinkTargetTag {
    TcxLinkTargetTag() = default;
    template <class>
    friend class TcxLinkTarget;
};

// A component that links may aim at. Deleting it clears its links before
// any of its destructors runs, so code told during the teardown (its window
// going, a focus change) already finds it gone; one that is not deleted
// (on the stack, a member) clears them in its destructor at the latest.
// Its identity is its TComponent part, the same from every class it has.
template <class TBase>
class TcxLinkTarget : public TBase, public TcxLinkTargetTag {
public:
    using TBase::TBase;
    ~TcxLinkTarget() override { cxObjectLinksClearForIdentity(static_cast<const TComponent*>(this)); }

protected:
    void BeforeDestruction() override
    {
        cxObjectLinksClearForIdentity(static_cast<const TComponent*>(this));
        TBase::BeforeDestruction();
    }
};

// Only a class that clears its links can be linked; nullptr for a nil object.
template <class T>
    requires std::derived_from<T, TcxLinkTargetTag> && std::derived_from<T, TComponent>
TcxObjectLinkHolder cxObjectLinkAdd(const T* object)
{
    return cxObjectLinkAddIdentity(static_cast<const TComponent*>(object));
}

// Whether the list of live links exists (it does while any link does).
bool cxObjectLinkControllerExists();
