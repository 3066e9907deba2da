#include "classlib/propertytable.h"

#include <charconv>
#include <cmath>
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

double TPropertyValue::Float() const
{
    const std::string& text = Text();
    double v = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        Invalid();
    return v;
}

std::vector<std::string_view> TPropertyValue::SetItems() const
{
    std::string_view text = Text();
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        Invalid();
    text = text.substr(1, text.size() - 2);
    std::vector<std::string_view> items;
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return items;
    while (true) {
        size_t comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        size_t b = item.find_first_not_of(' '), e = item.find_last_not_of(' ');
        if (b == std::string_view::npos)
            Invalid();
        items.push_back(item.substr(b, e - b + 1));
        if (comma == std::string_view::npos)
            return items;
        text.remove_prefix(comma + 1);
    }
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
