#include "editors/foundation/core/cxobjectlinks.h"

#include <algorithm>
#include <vector>

namespace {

// The links whose target still exists; it lives while any link does.
struct TcxObjectLinkController {
    std::vector<TcxObjectLink*> Links;
};

std::unique_ptr<TcxObjectLinkController> controller;
int linkCount = 0;

} // namespace

TcxObjectLinkHolder cxObjectLinkAddIdentity(const void* identity)
{
    if (!identity)
        return nullptr;
    if (!controller)
        controller = std::make_unique<TcxObjectLinkController>();
    auto link = std::make_unique<TcxObjectLink>(identity);
    controller->Links.push_back(link.get());
    ++linkCount;
    return TcxObjectLinkHolder(link.release());
}

void cxObjectLinkRemove(TcxObjectLink* link)
{
    if (!link)
        return;
    std::unique_ptr<TcxObjectLink> owned(link);
    // A cleared link has already left the list.
    if (link->Target && controller)
        std::erase(controller->Links, link);
    if (--linkCount == 0)
        controller.reset();
}

void cxObjectLinksClearForIdentity(const void* identity)
{
    if (!controller || !identity)
        return;
    auto& links = controller->Links;
    for (auto i = links.size(); i-- > 0;)
        if (links[i]->Target == identity) {
            links[i]->Target = nullptr;
            links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
        }
}

bool cxObjectLinkControllerExists()
{
    return controller != nullptr;
}
