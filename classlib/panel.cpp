#include "classlib/panel.h"

#include "classlib/windowclasses.h"

TCreateParams TCustomPanel::CreateParams() const
{
    return {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

LRESULT TCustomPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT client;
        GetClientRect(Handle(), &client);
        Paint(dc, client);
        EndPaint(Handle(), &ps);
        return 0;
    }
    return TWinControl::WndProc(msg, wp, lp);
}

const TPropertyTable& TPanel::Properties() const
{
    static const TEnumName<TBevelCut> cuts[] = {
        {"bvNone", TBevelCut::bvNone}, {"bvLowered", TBevelCut::bvLowered}, {"bvRaised", TBevelCut::bvRaised}};
    static const TPropertyTable table = TPropertyTable::Of<TPanel>(TCustomPanel::Properties(), {
        {"BevelOuter", [](TPanel& p, const TPropertyValue& v) { p.bevelOuter_ = v.Enum(cuts); }},
    });
    return table;
}

void TPanel::Paint(HDC dc, const RECT& client)
{
    RECT r = client;
    if (bevelOuter_ != TBevelCut::bvNone)
        DrawEdge(dc, &r, bevelOuter_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

void TGroupBox::Paint(HDC dc, const RECT& client)
{
    std::string caption = Text();
    SelectObjectScope font(dc, Font().Handle());
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    RECT frame = client;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
        SetBkColor(dc, ColorToRGB(Color()));
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkMode(dc, OPAQUE);
        TextOutA(dc, 8, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
}
