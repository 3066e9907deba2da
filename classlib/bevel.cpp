#include "classlib/bevel.h"

TCreateParams TBevel::CreateParams() const
{
    // Lets the mouse through to what lies beneath.
    TCreateParams params = TGraphicControl::CreateParams();
    params.exStyle |= WS_EX_TRANSPARENT;
    params.classStyle &= ~CS_DBLCLKS;
    return params;
}

const TMessageMap& TBevel::Messages() const
{
    static const TMessageMap map(TGraphicControl::Messages(), {{WM_NCHITTEST, &TBevel::WMNCHitTest}});
    return map;
}

void TBevel::WMNCHitTest(TMessage& m)
{
    m.Result = HTTRANSPARENT;
}

void TBevel::Paint()
{
    static const UINT edges[] = {BF_RECT, BF_RECT, BF_TOP, BF_BOTTOM};
    RECT r = ClientRect();
    DrawEdge(Canvas().Handle(), &r, shape_ == TBevelShape::bsBox ? BDR_SUNKENOUTER : EDGE_ETCHED,
             edges[static_cast<int>(shape_)]);
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
