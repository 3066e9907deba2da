#include "classlib/bevel.h"

const TMessageMap& TBevel::Messages() const
{
    static const TMessageMap map(TGraphicControl::Messages(), {{CM_HITTEST, &TBevel::CMHitTest}});
    return map;
}

// Lets the mouse through to what lies beneath.
void TBevel::CMHitTest(TMessage& m)
{
    m.Result = HTNOWHERE;
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
