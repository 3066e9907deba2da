// Component classes by name, so form descriptions can create them. Each
// module registers its classes in one call at start-up. The names keep
// clear of Win32's RegisterClass macro, so this header may come before or
// after windows.h.
#pragma once

#include <memory>
#include <string>
#include <typeinfo>

class TComponent;

using TComponentFactory = std::unique_ptr<TComponent> (*)();

void RegisterComponentClass(const std::string& className, TComponentFactory factory);
// The same for a factory of that type, whose name RegisteredClassName then finds.
void RegisterComponentClass(const std::string& className, TComponentFactory factory, const std::type_info& type);
// A new component of that class; EComponentError for an unknown name.
std::unique_ptr<TComponent> CreateComponent(const std::string& className);
// The name the component's very class was registered under; empty when it was not.
std::string RegisteredClassName(const std::type_info& type);
// That name, or else the C++ class name: what form text would call the component.
std::string ComponentClassName(const TComponent& component);

template <class T>
void RegisterComponentClass(const std::string& className)
{
    RegisterComponentClass(className, []() -> std::unique_ptr<TComponent> { return std::make_unique<T>(); }, typeid(T));
}
