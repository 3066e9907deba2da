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

const TMessageMap& TLabel::Messages() const
{
    static const TMessageMap map(TControl::Messages(), {
                                                           {CN_CTLCOLORSTATIC, &TLabel::CNCtlColorStatic},
                                                           {WM_SETTEXT, &TLabel::WMSetText},
                                                       });
    return map;
}

// Wine's STATIC paints a new text at once, inside the caller's message: a
// label that follows the caret would cost every key a paint. The new text
// is painted with the next WM_PAINT instead, like any other change.
void TLabel::WMSetText(TMessage& m)
{
    m.Result = DefWindowProcA(Handle(), WM_SETTEXT, m.WParam, m.LParam);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::CNCtlColorStatic(TMessage& m)
{
    m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam));
}

const TPropertyTable& TLabel::Properties() const
{
    // Only centring is drawn: a bottom layout stays at the top.
    static const TEnumName<bool> layouts[] = {{"tlTop", false}, {"tlCenter", true}, {"tlBottom", false}};
    static const TPropertyTable table = TPropertyTable::Of<TLabel>(TControl::Properties(), {
        {"Alignment", [](TLabel& l, const TPropertyValue& v) { l.alignment_ = v.Enum(AlignmentNames); }},
        {"Layout", [](TLabel& l, const TPropertyValue& v) { l.centerVertically_ = v.Enum(layouts); }},
    });
    return table;
}
