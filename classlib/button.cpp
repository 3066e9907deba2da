#include "classlib/button.h"

TCreateParams TButton::CreateParams() const
{
    return {"BUTTON", BS_PUSHBUTTON, 0};
}

const TMessageMap& TButton::Messages() const
{
    static const TMessageMap map(TControl::Messages(), {{CN_COMMAND, &TButton::CNCommand}});
    return map;
}

void TButton::CNCommand(TMessage& m)
{
    if (HIWORD(m.WParam) == BN_CLICKED)
        Click();
}
