// Objects that can copy themselves from one another and be read from form
// text: properties by name, nested objects behind a dotted name, and event
// handlers found up the chain of owners.
#pragma once

#include <any>
#include <string>
#include <string_view>

#include "classlib/exceptions.h"

class TPropertyTable;
class TPropertyValue;

class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;
    virtual ~TPersistent() = default;

    // Takes over what source holds; EConvertError when neither side knows the other.
    virtual void Assign(const TPersistent& source);
    // The object this one belongs to: a component's owner, a font's control.
    virtual TPersistent* GetOwner() const { return nullptr; }
    // The class's own name, as error texts give it.
    std::string ClassName() const;

    // Sets a property from its form-text value; false when there is no such
    // property. "Font.Size" sets Size on the object exposed as Font.
    bool SetProperty(const std::string& name, const std::string& value);
    bool SetProperty(const TPropertyValue& value);

    // The handler registered under that name here or on the nearest owner
    // that has one; EComponentError when none has it or its kind does not fit.
    template <class E>
    E Handler(const std::string& name) const;

protected:
    // Copies this into dest; the fallback of dest's Assign.
    virtual void AssignTo(TPersistent& dest) const;
    // The class's property table; derived classes chain theirs to this one.
    virtual const TPropertyTable& Properties() const;
    // The nested object that form text names with that prefix, or nullptr.
    virtual TPersistent* NestedObject(std::string_view) { return nullptr; }
    // A handler registered on this very object, or nullptr.
    virtual const std::any* FindHandler(const std::string&) const { return nullptr; }

private:
    bool SetPropertyAt(std::string_view path, const TPropertyValue& value);
};

template <class E>
E TPersistent::Handler(const std::string& name) const
{
    for (const TPersistent* p = this; p; p = p->GetOwner()) {
        const std::any* found = p->FindHandler(name);
        if (!found)
            continue;
        if (auto* h = std::any_cast<E>(found))
            return *h;
        throw EComponentError("Event handler '" + name + "' does not fit its event");
    }
    throw EComponentError("Event handler '" + name + "' not found");
}
