// Components with names and owners: an owner frees what it owns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "classlib/exceptions.h"

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    TComponent* Owner() const { return owner_; }

    // Hands a new component to this owner and returns it.
    template <class T>
    T& Adopt(std::unique_ptr<T> component)
    {
        T& ref = *component;
        component->owner_ = this;
        components_.push_back(std::move(component));
        return ref;
    }

    TComponent* FindComponent(const std::string& name) const;
    // The owned component of that name and type; EComponentError when missing.
    template <class T>
    T& Component(const std::string& name) const
    {
        if (auto* found = dynamic_cast<T*>(FindComponent(name)))
            return *found;
        throw EComponentError("Component '" + name + "' not found");
    }
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }

    // Sets a property from its form-description text; false when unknown.
    virtual bool SetProperty(const std::string& name, const std::string& value);
    // Called once every component of a form description has been read.
    virtual void Loaded() {}

protected:
    // Owned components go first, in reverse order of creation.
    void FreeComponents();

private:
    TComponent* owner_;
    std::string name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};
