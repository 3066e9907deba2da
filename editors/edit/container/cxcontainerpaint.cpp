// How the container paints: the parent's image under a skin, then the themed
// frame or the plain border, shadow and background.
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/container/cxcontainertheme.h"
#include "editors/foundation/graphics/cxgraphics.h"

void DrawContainerShadow(TcxCanvas& canvas, const TRect& r)
{
    for (const TRect& strip : cxContainerShadowRects(r)) {
        canvas.FillRectColor(strip, clBtnShadow);
        canvas.ExcludeClipRect(strip);
    }
}

void DrawContainerFrame(TcxCanvas& canvas, const TRect& r, const TcxContainerFrameLook& look)
{
    if (look.Skinned || look.Style == cbsSingle || look.Style == cbsThick || look.Style == cbsUltraFlat ||
        look.Style == cbsOffice11) {
        canvas.FrameRect(r, look.Color, false, cxBordersAll, look.Width);
        return;
    }
    if (look.Style != cbsFlat && look.Style != cbs3D)
        return;
    canvas.DrawEdge3D(r, true, true, look.Sides);
    const TRect inside = cxRectInsideBorders(r, 1, look.Sides);
    if (look.Style == cbsFlat)
        canvas.FrameRect(inside, clBtnFace, false, look.Sides);
    else
        canvas.DrawSideBorders(inside, cl3DDkShadow, cl3DLight, look.Sides);
}

void TcxContainer::DrawContainerBorder(TcxCanvas& canvas, const TRect& r)
{
    const TcxContainerViewInfo& vi = *viewInfo_;
    DrawContainerFrame(canvas, r, {vi.FrameStyle, vi.FrameWidth, vi.FrameColor, vi.FrameSides, vi.SkinPainter != nullptr});
}

void TcxContainer::ClipToWindowRegion()
{
    if (TcxContainerRegion region = NewWindowRegion()) {
        TcxRegion clip(region.Release());
        cxCanvas().SetClipRegion(clip, TcxRegionOperation::roIntersect);
    }
}

void TcxContainer::Paint()
{
    TcxCanvas& canvas = cxCanvas();
    if (ControlState() & csPaintCopy)
        ClipToWindowRegion();
    if (!viewInfoCalculated_) {
        viewInfoCalculated_ = true;
        ComputeViewInfo(POINT{-1, -1}, false);
    }
    const TcxContainerViewInfo& vi = *viewInfo_;
    if (!RectVisible(canvas.Handle(), &vi.OuterBounds))
        return;
    // A skin's frame is thinner than the room kept for it: the parent shows around it.
    if (vi.SkinPainter && HandleAllocated()) {
        canvas.PushClipRegion();
        canvas.ExcludeClipRect(vi.InnerRect);
        cxPaintParentImage(Handle(), canvas, vi.OuterBounds);
        canvas.PopClipRegion();
    }
    if (vi.ThemedLook)
        PaintThemed(canvas);
    else
        PaintPlain(canvas);
}

// The theme's edit frame colours fill the ring its content rectangle leaves.
void TcxContainer::PaintThemed(TcxCanvas& canvas)
{
    const TcxContainerViewInfo& vi = *viewInfo_;
    if (vi.FrameStyle == cbsNone) {
        canvas.FillRectColor(vi.OuterBounds, vi.BackgroundColor);
        return;
    }
    const TRect content =
        cxContainerThemeContentRect(canvas.Handle(), vi.ThemeClass, vi.ThemePart, vi.ThemeState, vi.OuterBounds);
    canvas.FillRectColor(content, vi.BackgroundColor);
    const TColor frame = cxContainerThemedFrameColor();
    for (const TRect& strip : cxRectStripsExcept(vi.OuterBounds, content))
        canvas.FillRectColor(strip, frame);
}

void TcxContainer::PaintPlain(TcxCanvas& canvas)
{
    const TcxContainerViewInfo& vi = *viewInfo_;
    const auto rects = cxContainerFrameRects(vi.InnerRect, vi.FrameWidth, vi.FrameSides);
    if (vi.ShowShadow)
        DrawContainerShadow(canvas, rects.ShadowFrom);
    DrawContainerBorder(canvas, rects.Border);
    canvas.FillRectColor(vi.InnerRect, vi.BackgroundColor);
}
