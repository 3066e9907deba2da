// The container's state following the mouse and the focus: moves, presses,
// entering and leaving refresh it, and while it is hot a timer watches for
// the cursor leaving its draw bounds (also from over the inner window, which
// tells the container nothing itself).
#include "editors/edit/container/cxcontainer.h"

bool TcxContainerViewInfo::SameAs(const TcxContainerViewInfo& o) const
{
    return cxRectSame(OuterBounds, o.OuterBounds) && cxRectSame(InnerRect, o.InnerRect) &&
           cxRectSame(ContentRect, o.ContentRect) && HotState == o.HotState && ContainerState == o.ContainerState &&
           FrameStyle == o.FrameStyle && FrameWidth == o.FrameWidth && FrameColor == o.FrameColor &&
           FrameSides == o.FrameSides && ShowShadow == o.ShowShadow && ThemedLook == o.ThemedLook &&
           ThemeClass == o.ThemeClass && ThemePart == o.ThemePart && ThemeState == o.ThemeState &&
           SkinPainter == o.SkinPainter && BackgroundColor == o.BackgroundColor;
}

void TcxContainer::StartHoverTracking()
{
    StartMouseLeaveTracking(this, GetDrawBounds(), &leaveTracker_);
}

void TcxContainer::MouseLeft()
{
    const TLiveness alive = Liveness();
    MouseLeave(nullptr);
    if (alive)
        StopMouseLeaveTracking(&leaveTracker_);
}

void TcxContainer::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    TcxControl::MouseDown(button, shift, x, y);
    if (alive)
        UpdateViewInfo(POINT{x, y}, shift, true);
}

void TcxContainer::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    TcxControl::MouseUp(button, shift, x, y);
    if (alive)
        UpdateViewInfo(POINT{x, y}, shift, true);
}

void TcxContainer::MouseMove(TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    TcxControl::MouseMove(shift, x, y);
    if (!alive)
        return;
    UpdateViewInfo(POINT{x, y}, shift, true);
    if (alive)
        StartHoverTracking();
}

void TcxContainer::MouseEnter(TControl* control)
{
    const TLiveness alive = Liveness();
    TcxControl::MouseEnter(control);
    if (!alive)
        return;
    RefreshAtCursor(true);
    if (alive)
        StartHoverTracking();
}

void TcxContainer::MouseLeave(TControl* control)
{
    const TLiveness alive = Liveness();
    TcxControl::MouseLeave(control);
    if (!alive)
        return;
    RefreshAtCursor(true);
    // Gone over the inner window, the cursor is still watched.
    if (alive && !(viewInfo_->ContainerState & csfHot))
        StopMouseLeaveTracking(&leaveTracker_);
}

void TcxContainer::DoEnter()
{
    const TLiveness alive = Liveness();
    TcxControl::DoEnter();
    if (alive)
        RefreshAtCursor();
}

void TcxContainer::DoExit()
{
    const TLiveness alive = Liveness();
    TcxControl::DoExit();
    if (alive)
        RefreshAtCursor();
}
