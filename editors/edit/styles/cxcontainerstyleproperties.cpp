// A container style in form text: its values by name, which of them a
// form would store, and its font and look and feel as nested objects.
#include <algorithm>
#include <cctype>

#include "classlib/propertytable.h"
#include "editors/edit/styles/cxcontainerstyle.h"
#include "editors/edit/styles/cxstylecontainer.h"
#include "editors/edit/styles/cxstylecontroller.h"

namespace {

const char* const kStyleValueNames[] = {"BorderColor", "BorderStyle", "Color",     "Edges",     "Font",
                                        "HotTrack",    "Shadow",      "TextColor", "TextStyle", "TransparentBorder"};

const TEnumName<TcxContainerBorderStyle> kBorderStyleNames[] = {
    {"cbsNone", cbsNone}, {"cbsSingle", cbsSingle},       {"cbsThick", cbsThick},      {"cbsFlat", cbsFlat},
    {"cbs3D", cbs3D},     {"cbsUltraFlat", cbsUltraFlat}, {"cbsOffice11", cbsOffice11}};

const TEnumName<unsigned> kBorderNames[] = {{"bLeft", bLeft}, {"bTop", bTop}, {"bRight", bRight}, {"bBottom", bBottom}};

bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

// The controller of that name owned by the style's owner or by one of theirs.
TcxStyleController& FindController(const TPersistent& style, const TPropertyValue& value)
{
    for (TPersistent* owner = style.GetOwner(); owner; owner = owner->GetOwner())
        if (auto* component = dynamic_cast<TComponent*>(owner))
            if (auto* found = dynamic_cast<TcxStyleController*>(component->FindComponent(value.Text())))
                return *found;
    value.Invalid();
}

} // namespace

int TcxContainerStyle::StyleValueCount() const
{
    return static_cast<int>(std::size(kStyleValueNames));
}

bool TcxContainerStyle::StyleValueName(TcxContainerStyleValue index, std::string& name) const
{
    if (index < 0 || index >= static_cast<int>(std::size(kStyleValueNames)))
        return false;
    name = kStyleValueNames[index];
    return true;
}

bool TcxContainerStyle::StyleValueIndex(const std::string& name, TcxContainerStyleValue& index) const
{
    std::string candidate;
    for (TcxContainerStyleValue i = 0; i < StyleValueCount(); ++i)
        if (StyleValueName(i, candidate) && SameTextIgnoringCase(candidate, name)) {
            index = i;
            return true;
        }
    return false;
}

TcxContainerStyleValues TcxContainerStyle::ReadAssignedValues(const TPropertyValue& value) const
{
    TcxContainerStyleValues values = 0;
    for (std::string_view item : value.SetItems()) {
        TcxContainerStyleValue index = 0;
        if (!item.starts_with("sv") || !StyleValueIndex(std::string(item.substr(2)), index))
            value.Invalid();
        values |= cxStyleValueBit(index);
    }
    return values;
}

bool TcxContainerStyle::IsExtendedStylePropertyPublished(const std::string& name) const
{
    if (name == "LookAndFeel" || name == "StyleController")
        return false;
    TcxContainerStyleValue index = 0;
    return !StyleValueIndex(name, index) || !(StateHiddenValues() & cxStyleValueBit(index));
}

bool TcxContainerStyle::IsStyleValueStored(TcxContainerStyleValue value) const
{
    if (!(AssignedValues() & cxStyleValueBit(value)))
        return false;
    IcxStyleContainer* container = Container();
    if (!container)
        return true;
    std::string name;
    if (!IsBaseStyle() && (!StyleValueName(value, name) || !IsExtendedStylePropertyPublished(name)))
        return false;
    return !(container->GetHiddenStyleValues() & cxStyleValueBit(value));
}

const TPropertyTable& TcxContainerStyle::Properties() const
{
    using S = TcxContainerStyle;
    static const TPropertyTable table = TPropertyTable::Of<S>(TcxInterfacedPersistent::Properties(), {
        {"AssignedValues", [](S& s, const TPropertyValue& v) { s.SetAssignedValues(s.ReadAssignedValues(v)); }},
        {"BorderColor", [](S& s, const TPropertyValue& v) { s.SetBorderColor(v.Color()); }},
        {"BorderStyle", [](S& s, const TPropertyValue& v) { s.SetBorderStyle(v.Enum(kBorderStyleNames)); }},
        {"Color", [](S& s, const TPropertyValue& v) { s.SetColor(v.Color()); }},
        {"Edges", [](S& s, const TPropertyValue& v) { s.SetEdges(v.Set(kBorderNames)); }},
        {"HotTrack", [](S& s, const TPropertyValue& v) { s.SetHotTrack(v.Bool()); }},
        {"Shadow", [](S& s, const TPropertyValue& v) { s.SetShadow(v.Bool()); }},
        {"TextColor", [](S& s, const TPropertyValue& v) { s.SetTextColor(v.Color()); }},
        {"TextStyle", [](S& s, const TPropertyValue& v) { s.SetTextStyle(v.Set(FontStyleNames)); }},
        {"TransparentBorder", [](S& s, const TPropertyValue& v) { s.SetTransparentBorder(v.Bool()); }},
        {"StyleController", [](S& s, const TPropertyValue& v) { s.SetStyleController(&FindController(s, v)); }},
        // Written as true whenever the font is stored; whatever it says, the font was set.
        {"IsFontAssigned",
         [](S& s, const TPropertyValue&) { s.SetAssignedValues(s.assigned_ | cxStyleValueBit(svFont)); }},
    });
    return table;
}

TPersistent* TcxContainerStyle::NestedObject(std::string_view name)
{
    if (name == "Font")
        return Font();
    return name == "LookAndFeel" ? &LookAndFeel() : nullptr;
}
