#include "classlib/panel.h"

TCreateParams TCustomPanel::CreateParams() const
{
    TCreateParams params = TCustomControl::CreateParams();
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
    // Two quick clicks are two clicks on a panel.
    params.classStyle &= ~CS_DBLCLKS;
    return params;
}

const TPropertyTable& TCustomPanel::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TCustomPanel>(TCustomControl::Properties(), {
        {"DrawInParent", [](TCustomPanel& p, const TPropertyValue& v) { p.drawInParent_ = v.Bool(); }},
    });
    return table;
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

void TPanel::Paint()
{
    RECT r = ClientRect();
    if (bevelOuter_ != TBevelCut::bvNone)
        DrawEdge(Canvas().Handle(), &r, bevelOuter_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    if (std::string caption = Text(); !caption.empty()) {
        Canvas().Brush().SetStyle(TBrushStyle::bsClear);
        DrawTextA(Canvas().Handle(), caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TGroupBox::Paint()
{
    TCanvas& canvas = Canvas();
    RECT frame = ClientRect();
    frame.top += canvas.TextHeight("0") / 2;
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    // The caption interrupts the frame's top line, on the group box's colour.
    if (std::string caption = Text(); !caption.empty())
        canvas.TextOut(8, 0, caption);
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
    // The caption's height as Paint measures it; outside painting the
    // canvas takes the window's DC only for this.
    TCanvas& canvas = Canvas();
    bool painting = canvas.HandleAllocated();
    if (!painting)
        canvas.SetFont(Font());
    int captionHeight = canvas.TextHeight("0");
    if (!painting)
        canvas.FreeHandle();
    // Below the caption, inside the etched frame.
    rect.top += captionHeight;
    InflateRect(&rect, -2, -2);
}
