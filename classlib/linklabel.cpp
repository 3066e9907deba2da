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

bool TLinkLabel::SetProperty(const std::string& name, const std::string& value)
{
    if (name != "Cursor")
        return TLabel::SetProperty(name, value);
    if (value == "crHandPoint")
        SetCursor(crHandPoint);
    else if (value == "crDefault")
        SetCursor(crDefault);
    else
        throw EComponentError("Invalid property value Cursor = " + value);
    return true;
}
