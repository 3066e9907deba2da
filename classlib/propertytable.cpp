#include "classlib/propertytable.h"

#include <cstdlib>

#include "classlib/exceptions.h"

TPropertyValue TPropertyValue::Binary(std::string name, std::string bytes)
{
    TPropertyValue value(std::move(name), std::move(bytes));
    value.binary_ = true;
    return value;
}

const std::string& TPropertyValue::Text() const
{
    if (binary_)
        throw EComponentError("Property " + name_ + " takes text, not binary data");
    return text_;
}

const std::string& TPropertyValue::Bytes() const
{
    if (!binary_)
        throw EComponentError("Property " + name_ + " takes binary data in braces");
    return text_;
}

void TPropertyValue::Invalid() const
{
    throw EComponentError("Invalid property value " + name_ + " = " + (binary_ ? "{...}" : text_));
}

int TPropertyValue::Int() const
{
    const std::string& text = Text();
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0')
        Invalid();
    return static_cast<int>(v);
}

bool TPropertyValue::Bool() const
{
    static const TEnumName<bool> names[] = {{"true", true}, {"false", false}};
    return Enum(names);
}

TColor TPropertyValue::Color() const
{
    return StringToColor(Text());
}

const TPropertyTable::Setter* TPropertyTable::Find(std::string_view name) const
{
    for (const TPropertyTable* t = this; t; t = t->parent_)
        if (auto it = t->setters_.find(name); it != t->setters_.end())
            return &it->second;
    return nullptr;
}
