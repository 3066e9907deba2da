// Weak links to objects: code that may destroy its own object (an event
// handler, a focus change) takes a link first and tests Target afterwards.
// The object's destruction clears every link aimed at it.
#pragma once

#include <memory>
#include <type_traits>

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

// One object, one identity, whichever base class pointer names it.
template <class T>
const void* cxObjectIdentity(const T* object)
{
    if constexpr (std::is_polymorphic_v<T>)
        return object ? dynamic_cast<const void*>(object) : nullptr;
    else
        return object;
}

TcxObjectLinkHolder cxObjectLinkAddIdentity(const void* identity);
void cxObjectLinksClearForIdentity(const void* identity);

// nullptr for a nil object.
template <class T>
TcxObjectLinkHolder cxObjectLinkAdd(const T* object)
{
    return cxObjectLinkAddIdentity(cxObjectIdentity(object));
}

template <class T>
void cxObjectLinksClearFor(const T* object)
{
    cxObjectLinksClearForIdentity(cxObjectIdentity(object));
}

// Whether the list of live links exists (it does while any link does).
bool cxObjectLinkControllerExists();
