// Form-text properties of a class: one table of setters per class, each
// falling back to its parent class's table, and the typed readings of a
// property's text that the setters use.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/colors.h"

class TPersistent;

// Enumeration texts of a property: {"alTop", TAlign::alTop}, ...
template <class E>
struct TEnumName {
    const char* text;
    E value;
};

class TPropertyValue {
public:
    // Text as written after "Name = ".
    TPropertyValue(std::string name, std::string text) : name_(std::move(name)), text_(std::move(text)) {}
    // Bytes from hex lines in braces.
    static TPropertyValue Binary(std::string name, std::string bytes);

    const std::string& Name() const { return name_; }
    const std::string& Text() const;
    const std::string& Bytes() const;
    int Int() const;
    bool Bool() const;
    TColor Color() const;
    // A floating-point number such as -1.5 or 2.5E-3.
    double Float() const;
    // The value of the enumeration named by the text.
    template <class E, std::size_t N>
    E Enum(const TEnumName<E> (&names)[N]) const
    {
        return Named(names, Text());
    }
    // A set written "[bLeft, bTop]" ("[]" is empty): the names' values, or-ed.
    template <class E, std::size_t N>
    unsigned Set(const TEnumName<E> (&names)[N]) const
    {
        unsigned set = 0;
        for (std::string_view item : SetItems())
            set |= static_cast<unsigned>(Named(names, item));
        return set;
    }
    // The names between the brackets of a set.
    std::vector<std::string_view> SetItems() const;
    // The handler the text names, found from the object being set (P is
    // TPersistent, known where a handler is asked for).
    template <class E, class P = TPersistent>
    E Handler() const
    {
        return static_cast<const P*>(target_)->template Handler<E>(Text());
    }

    [[noreturn]] void Invalid() const;

private:
    friend class TPersistent;
    template <class E, std::size_t N>
    E Named(const TEnumName<E> (&names)[N], std::string_view text) const
    {
        for (const auto& n : names)
            if (text == n.text)
                return n.value;
        Invalid();
    }

    std::string name_;
    std::string text_;
    bool binary_ = false;
    const TPersistent* target_ = nullptr;
};

class TPropertyTable {
public:
    using Setter = std::function<void(TPersistent&, const TPropertyValue&)>;
    template <class T>
    struct Entry {
        const char* name;
        void (*set)(T&, const TPropertyValue&);
    };

    TPropertyTable() = default;

    // T's own properties over those of its parent class.
    template <class T>
    static TPropertyTable Of(const TPropertyTable& parent, std::initializer_list<Entry<T>> entries)
    {
        TPropertyTable table;
        table.parent_ = &parent;
        for (const auto& e : entries)
            table.setters_.emplace(e.name, [set = e.set](TPersistent& object, const TPropertyValue& value) {
                set(static_cast<T&>(object), value);
            });
        return table;
    }

    // The setter of that name in this class or the nearest parent class.
    const Setter* Find(std::string_view name) const;

private:
    const TPropertyTable* parent_ = nullptr;
    std::map<std::string, Setter, std::less<>> setters_;
};
