#include "classlib/component.h"

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent()
{
    FreeComponents();
}

void TComponent::FreeComponents()
{
    while (!components_.empty())
        components_.pop_back();
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (const auto& c : components_)
        if (c->Name() == name)
            return c.get();
    return nullptr;
}

bool TComponent::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "Name") {
        SetName(value);
        return true;
    }
    return false;
}
