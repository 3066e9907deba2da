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

bool TPanel::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "BevelOuter") {
        bevelOuter_ = value == "bvNone" ? TBevelCut::bvNone : value == "bvLowered" ? TBevelCut::bvLowered : TBevelCut::bvRaised;
        return true;
    }
    return TWinControl::SetProperty(name, value);
}

void TPanel::Paint(HDC dc, const RECT& client)
{
    RECT r = client;
    if (bevelOuter_ != TBevelCut::bvNone)
        DrawEdge(dc, &r, bevelOuter_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

void TPanel::AdjustClientRect(RECT& rect)
{
    TCustomPanel::AdjustClientRect(rect);
    if (bevelOuter_ != TBevelCut::bvNone)
        InflateRect(&rect, -1, -1);
}

void TGroupBox::AdjustClientRect(RECT& rect)
{
    TCustomPanel::AdjustClientRect(rect);
    HDC dc = GetDC(Handle());
    TEXTMETRICA tm{};
    {
        SelectObjectScope font(dc, Font().Handle());
        GetTextMetricsA(dc, &tm);
    }
    ReleaseDC(Handle(), dc);
    // Below the caption, inside the etched frame.
    rect.top += tm.tmHeight;
    InflateRect(&rect, -2, -2);
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
