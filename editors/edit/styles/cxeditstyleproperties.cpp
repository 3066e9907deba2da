// An editor style in form text: the container style's values and its own.
#include "classlib/propertytable.h"
#include "editors/edit/styles/cxeditstyle.h"

namespace {

const TEnumName<TcxEditButtonStyle> kButtonStyleNames[] = {
    {"btsDefault", btsDefault}, {"bts3D", bts3D},           {"btsFlat", btsFlat},        {"btsSimple", btsSimple},
    {"btsHotFlat", btsHotFlat}, {"btsUltraFlat", btsUltraFlat}, {"btsOffice11", btsOffice11}};
const TEnumName<TcxEditButtonTransparency> kTransparencyNames[] = {{"ebtNone", ebtNone},
                                                                   {"ebtInactive", ebtInactive},
                                                                   {"ebtAlways", ebtAlways},
                                                                   {"ebtHideInactive", ebtHideInactive},
                                                                   {"ebtHideUnselected", ebtHideUnselected}};
const TEnumName<TcxEditPopupBorderStyle> kPopupBorderNames[] = {
    {"epbsDefault", epbsDefault}, {"epbsSingle", epbsSingle}, {"epbsFrame3D", epbsFrame3D}, {"epbsFlat", epbsFlat}};
const TEnumName<TcxEditGradientDirection> kDirectionNames[] = {
    {"dirNone", dirNone}, {"dirLeft", dirLeft}, {"dirRight", dirRight}, {"dirUp", dirUp}, {"dirDown", dirDown}};

} // namespace

const TPropertyTable& TcxEditStyle::Properties() const
{
    using S = TcxEditStyle;
    static const TPropertyTable table = TPropertyTable::Of<S>(TcxCustomEditStyle::Properties(), {
        {"ButtonStyle", [](S& s, const TPropertyValue& v) { s.SetButtonStyle(v.Enum(kButtonStyleNames)); }},
        {"ButtonTransparency",
         [](S& s, const TPropertyValue& v) { s.SetButtonTransparency(v.Enum(kTransparencyNames)); }},
        {"Gradient", [](S& s, const TPropertyValue& v) { s.SetGradient(v.Bool()); }},
        {"GradientDirection", [](S& s, const TPropertyValue& v) { s.SetGradientDirection(v.Enum(kDirectionNames)); }},
        {"PopupBorderStyle", [](S& s, const TPropertyValue& v) { s.SetPopupBorderStyle(v.Enum(kPopupBorderNames)); }},
    });
    return table;
}
