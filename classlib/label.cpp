#include "classlib/label.h"

const TMessageMap& TLabel::Messages() const
{
    static const TMessageMap map(TGraphicControl::Messages(), {{CM_HITTEST, &TLabel::CMHitTest}});
    return map;
}

void TLabel::CMHitTest(TMessage& m)
{
    m.Result = HTNOWHERE;
}

void TLabel::Paint()
{
    static const UINT aligns[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    RECT r = ClientRect();
    Canvas().FillRect(r);
    UINT format = aligns[static_cast<int>(alignment_)] | DT_EXPANDTABS | DT_NOPREFIX;
    format |= centerVertically_ ? DT_SINGLELINE | DT_VCENTER : DT_WORDBREAK;
    if (!Enabled())
        Canvas().Font().SetColor(clGrayText);
    HDC dc = Canvas().Handle();
    SetBkMode(dc, TRANSPARENT);
    const std::string caption = Text();
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, format);
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
