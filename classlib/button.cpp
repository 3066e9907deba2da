#include "classlib/button.h"

TCreateParams TButton::CreateParams() const
{
    return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
}

bool TButton::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        Click();
        return true;
    }
    return TControl::Notify(msg, wp, lp, result);
}
