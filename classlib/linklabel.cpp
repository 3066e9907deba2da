#include "classlib/linklabel.h"

TCreateParams TLinkLabel::CreateParams() const
{
    TCreateParams p = TLabel::CreateParams();
    p.style |= SS_NOTIFY;
    return p;
}

LRESULT TLinkLabel::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_SETCURSOR && cursor_ == TCursor::crHandPoint && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
    }
    return TLabel::WndProc(msg, wp, lp);
}

bool TLinkLabel::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED) {
        Click();
        return true;
    }
    return TLabel::Notify(msg, wp, lp, result);
}

bool TLinkLabel::SetProperty(const std::string& name, const std::string& value)
{
    if (name != "Cursor")
        return TLabel::SetProperty(name, value);
    if (value == "crHandPoint")
        cursor_ = TCursor::crHandPoint;
    else if (value == "crDefault")
        cursor_ = TCursor::crDefault;
    else
        throw EComponentError("Invalid property value Cursor = " + value);
    return true;
}
