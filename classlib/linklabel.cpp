#include "classlib/linklabel.h"

const TMessageMap& TLinkLabel::Messages() const
{
    static const TMessageMap map(TLabel::Messages(), {{CM_HITTEST, &TLinkLabel::CMHitTest}});
    return map;
}

void TLinkLabel::CMHitTest(TMessage& m)
{
    m.Result = HTCLIENT;
}

void TLinkLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    // The second press of a double click is no click of its own.
    if (button == TMouseButton::mbLeft && !(shift & ssDouble))
        Click();
    if (alive)
        TLabel::MouseDown(button, shift, x, y);
}

const TPropertyTable& TLinkLabel::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TLinkLabel>(TLabel::Properties(), {
        {"Cursor", [](TLinkLabel& l, const TPropertyValue& v) { l.SetCursor(v.Enum(CursorNames)); }},
    });
    return table;
}
