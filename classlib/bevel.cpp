#include "classlib/bevel.h"

#include "classlib/windowclasses.h"

TCreateParams TBevel::CreateParams() const
{
    // Drawn by hand on a panel-class window that lets the mouse through.
    return {kPanelClass, 0, WS_EX_TRANSPARENT};
}

const TMessageMap& TBevel::Messages() const
{
    static const TMessageMap map(TControl::Messages(), {
                                                           {WM_NCHITTEST, &TBevel::WMNCHitTest},
                                                           {WM_ERASEBKGND, &TBevel::WMEraseBkgnd},
                                                           {WM_PAINT, &TBevel::WMPaint},
                                                       });
    return map;
}

void TBevel::WMNCHitTest(TMessage& m)
{
    m.Result = HTTRANSPARENT;
}

void TBevel::WMEraseBkgnd(TMessage& m)
{
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, BackgroundBrush());
    m.Result = 1;
}

void TBevel::WMPaint(TMessage&)
{
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
}

bool TBevel::SetProperty(const std::string& name, const std::string& value)
{
    if (name != "Shape")
        return TControl::SetProperty(name, value);
    static const std::pair<const char*, TBevelShape> shapes[] = {{"bsBox", TBevelShape::bsBox},
                                                                 {"bsFrame", TBevelShape::bsFrame},
                                                                 {"bsTopLine", TBevelShape::bsTopLine},
                                                                 {"bsBottomLine", TBevelShape::bsBottomLine}};
    for (const auto& [text, shape] : shapes)
        if (value == text) {
            shape_ = shape;
            return true;
        }
    throw EComponentError("Invalid property value Shape = " + value);
}
