#include "classlib/bevel.h"

#include "classlib/windowclasses.h"

TCreateParams TBevel::CreateParams() const
{
    // Drawn by hand on a panel-class window that lets the mouse through.
    return {kPanelClass, 0, WS_EX_TRANSPARENT};
}

LRESULT TBevel::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCHITTEST)
        return HTTRANSPARENT;
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, BackgroundBrush());
        return 1;
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r;
        GetClientRect(Handle(), &r);
        switch (shape_) {
        case TBevelShape::bsBox:
            DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
            break;
        case TBevelShape::bsFrame:
            DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
            break;
        case TBevelShape::bsTopLine:
            DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
            break;
        case TBevelShape::bsBottomLine:
            DrawEdge(dc, &r, EDGE_ETCHED, BF_BOTTOM);
            break;
        }
        EndPaint(Handle(), &ps);
        return 0;
    }
    return TControl::WndProc(msg, wp, lp);
}

const TPropertyTable& TBevel::Properties() const
{
    static const TEnumName<TBevelShape> shapes[] = {{"bsBox", TBevelShape::bsBox},
                                                    {"bsFrame", TBevelShape::bsFrame},
                                                    {"bsTopLine", TBevelShape::bsTopLine},
                                                    {"bsBottomLine", TBevelShape::bsBottomLine}};
    static const TPropertyTable table = TPropertyTable::Of<TBevel>(TControl::Properties(), {
        {"Shape", [](TBevel& b, const TPropertyValue& v) { b.shape_ = v.Enum(shapes); }},
    });
    return table;
}
