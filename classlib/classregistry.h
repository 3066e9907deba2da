// Component classes by name, so form descriptions can create them. Each
// module registers its classes in one call at start-up. The names keep
// clear of Win32's RegisterClass macro, so this header may come before or
// after windows.h.
#pragma once

#include <memory>
#include <string>

class TComponent;

using TComponentFactory = std::unique_ptr<TComponent> (*)();

void RegisterComponentClass(const std::string& className, TComponentFactory factory);
// A new component of that class; EComponentError for an unknown name.
std::unique_ptr<TComponent> CreateComponent(const std::string& className);

template <class T>
void RegisterComponentClass(const std::string& className)
{
    RegisterComponentClass(className, []() -> std::unique_ptr<TComponent> { return std::make_unique<T>(); });
}
