#include "classlib/classregistry.h"

#include <map>

#include "classlib/component.h"
#include "classlib/exceptions.h"

namespace {
std::map<std::string, TComponentFactory>& Registry()
{
    static std::map<std::string, TComponentFactory> registry;
    return registry;
}
} // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory)
{
    Registry()[className] = factory;
}

std::unique_ptr<TComponent> CreateComponent(const std::string& className)
{
    auto it = Registry().find(className);
    if (it == Registry().end())
        throw EComponentError("Class " + className + " not found");
    return it->second();
}
