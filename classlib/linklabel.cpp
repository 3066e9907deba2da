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

const TPropertyTable& TLinkLabel::Properties() const
{
    static const TEnumName<TCursor> cursors[] = {{"crDefault", TCursor::crDefault}, {"crHandPoint", TCursor::crHandPoint}};
    static const TPropertyTable table = TPropertyTable::Of<TLinkLabel>(TLabel::Properties(), {
        {"Cursor", [](TLinkLabel& l, const TPropertyValue& v) { l.cursor_ = v.Enum(cursors); }},
    });
    return table;
}
