#include "classlib/persistent.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "classlib/propertytable.h"

void TPersistent::Assign(const TPersistent& source)
{
    source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const
{
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}

std::string TPersistent::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && plain ? plain.get() : mangled;
}

const TPropertyTable& TPersistent::Properties() const
{
    static const TPropertyTable none;
    return none;
}

bool TPersistent::SetProperty(const std::string& name, const std::string& value)
{
    return SetProperty(TPropertyValue(name, value));
}

bool TPersistent::SetProperty(const TPropertyValue& value)
{
    return SetPropertyAt(value.Name(), value);
}

bool TPersistent::SetPropertyAt(std::string_view path, const TPropertyValue& value)
{
    if (size_t dot = path.find('.'); dot != std::string_view::npos) {
        TPersistent* nested = NestedObject(path.substr(0, dot));
        return nested && nested->SetPropertyAt(path.substr(dot + 1), value);
    }
    const TPropertyTable::Setter* set = Properties().Find(path);
    if (!set)
        return false;
    // Handlers are looked up from the object that gets the value.
    TPropertyValue bound = value;
    bound.target_ = this;
    (*set)(*this, bound);
    return true;
}
