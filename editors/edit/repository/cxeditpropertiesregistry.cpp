#include "editors/edit/repository/cxeditpropertiesregistry.h"

#include <memory>

namespace {

std::unique_ptr<TcxRegisteredClasses>& Registry()
{
    static std::unique_ptr<TcxRegisteredClasses> registry;
    return registry;
}

} // namespace

TcxRegisteredClasses& EditPropertiesRegistry()
{
    auto& registry = Registry();
    if (!registry) {
        registry = std::make_unique<TcxRegisteredClasses>(false);
        registry->SetSorted(true);
    }
    return *registry;
}

void cxFreeEditPropertiesRegistry()
{
    Registry().reset();
}
