#include "classlib/classregistry.h"

#include <map>
#include <typeindex>
#include <unordered_map>

#include "classlib/component.h"
#include "classlib/exceptions.h"

namespace {
std::map<std::string, TComponentFactory>& Registry()
{
    static std::map<std::string, TComponentFactory> registry;
    return registry;
}
// Hashed: MinGW orders the type records of classes in unnamed namespaces
// by address and all others by name, which a sorted map cannot mix.
std::unordered_map<std::type_index, std::string>& NamesByType()
{
    static std::unordered_map<std::type_index, std::string> names;
    return names;
}
} // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory)
{
    Registry()[className] = factory;
}

void RegisterComponentClass(const std::string& className, TComponentFactory factory, const std::type_info& type)
{
    RegisterComponentClass(className, factory);
    NamesByType()[type] = className;
}

std::string RegisteredClassName(const std::type_info& type)
{
    auto it = NamesByType().find(type);
    return it == NamesByType().end() ? std::string() : it->second;
}

std::string ComponentClassName(const TComponent& component)
{
    std::string name = RegisteredClassName(typeid(component));
    return name.empty() ? component.ClassName() : name;
}

std::unique_ptr<TComponent> CreateComponent(const std::string& className)
{
    auto it = Registry().find(className);
    if (it == Registry().end())
        throw EComponentError("Class " + className + " not found");
    return it->second();
}
