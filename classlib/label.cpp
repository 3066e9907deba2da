#include "classlib/label.h"


TCreateParams TLabel::CreateParams() const
{
    TCreateParams p;
    p.className = "STATIC";
    p.style = SS_NOPREFIX | (centerVertically_ ? SS_CENTERIMAGE : 0);
    if (alignment_ == TAlignment::taCenter)
        p.style |= SS_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        p.style |= SS_RIGHT;
    return p;
}

bool TLabel::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_CTLCOLORSTATIC) {
        result = ControlColors(reinterpret_cast<HDC>(wp));
        return true;
    }
    return TControl::Notify(msg, wp, lp, result);
}

const TPropertyTable& TLabel::Properties() const
{
    static const TEnumName<TAlignment> alignments[] = {{"taLeftJustify", TAlignment::taLeftJustify},
                                                       {"taCenter", TAlignment::taCenter},
                                                       {"taRightJustify", TAlignment::taRightJustify}};
    // Only centring is drawn: a bottom layout stays at the top.
    static const TEnumName<bool> layouts[] = {{"tlTop", false}, {"tlCenter", true}, {"tlBottom", false}};
    static const TPropertyTable table = TPropertyTable::Of<TLabel>(TControl::Properties(), {
        {"Alignment", [](TLabel& l, const TPropertyValue& v) { l.alignment_ = v.Enum(alignments); }},
        {"Layout", [](TLabel& l, const TPropertyValue& v) { l.centerVertically_ = v.Enum(layouts); }},
    });
    return table;
}
