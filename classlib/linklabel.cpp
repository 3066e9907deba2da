#include "classlib/linklabel.h"

TCreateParams TLinkLabel::CreateParams() const
{
    TCreateParams p = TLabel::CreateParams();
    p.style |= SS_NOTIFY;
    return p;
}

const TMessageMap& TLinkLabel::Messages() const
{
    static const TMessageMap map(TLabel::Messages(), {{CN_COMMAND, &TLinkLabel::CNCommand}});
    return map;
}

void TLinkLabel::CNCommand(TMessage& m)
{
    if (HIWORD(m.WParam) == STN_CLICKED)
        Click();
}

const TPropertyTable& TLinkLabel::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TLinkLabel>(TLabel::Properties(), {
        {"Cursor", [](TLinkLabel& l, const TPropertyValue& v) { l.SetCursor(v.Enum(CursorNames)); }},
    });
    return table;
}
