#include "classlib/button.h"

TCreateParams TButton::CreateParams() const
{
    return {"BUTTON", BS_PUSHBUTTON, 0};
}

const TMessageMap& TButton::Messages() const
{
    static const TMessageMap map(TControl::Messages(),
                                 {{CN_COMMAND, &TButton::CNCommand}, {CM_DIALOGKEY, &TButton::CMDialogKey}});
    return map;
}

void TButton::CNCommand(TMessage& m)
{
    if (HIWORD(m.WParam) == BN_CLICKED)
        Click();
}

// The BUTTON control leaves Enter to the dialog, which offers it to every
// control of the form: the focused button takes it as a click.
void TButton::CMDialogKey(TMessage& m)
{
    if (LOWORD(m.WParam) == VK_RETURN && !(KeyShift() & (ssShift | ssCtrl | ssAlt)) && Focused()) {
        m.Result = 1;
        Click();
        return;
    }
    TControl::Messages().Dispatch(*this, m);
}
