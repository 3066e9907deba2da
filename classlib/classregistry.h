// Component classes by name, so form descriptions can create them.
#pragma once

#include <memory>
#include <string>

class TComponent;

using TComponentFactory = std::unique_ptr<TComponent> (*)();

void RegisterClass(const std::string& className, TComponentFactory factory);
// A new component of that class; EComponentError for an unknown name.
std::unique_ptr<TComponent> CreateComponent(const std::string& className);

template <class T>
void RegisterClass(const std::string& className)
{
    RegisterClass(className, [] () -> std::unique_ptr<TComponent> { return std::make_unique<T>(); });
}
