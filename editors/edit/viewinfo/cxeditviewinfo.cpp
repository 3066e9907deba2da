#include "editors/edit/viewinfo/cxeditviewinfo.h"

#include "editors/foundation/core/cxgeometry.h"

namespace {

bool Contains(const TRect& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void Move(TRect& r, int dx, int dy)
{
    r = cxRectOffsetBy(r, dx, dy);
}

} // namespace

void TcxCustomEditViewInfo::Assign(const TcxContainerViewInfo& source)
{
    if (&source == this)
        return;
    if (const auto* other = dynamic_cast<const TcxCustomEditViewInfo*>(&source)) {
        BackgroundColor = other->BackgroundColor;
        BorderColor = other->BorderColor;
        BorderStyle = other->BorderStyle;
        ContainerState = other->ContainerState;
        SetButtonCount(other->ButtonCount());
        for (int i = 0; i < ButtonCount(); ++i)
            Button(i).Assign(other->Button(i));
        PressedButton = other->PressedButton;
        HotButton = other->HotButton;
    }
    TcxContainerViewInfo::operator=(source);
}

void TcxCustomEditViewInfo::Translate(int dx, int dy)
{
    for (TRect* r : {&OuterBounds, &InnerRect, &ContentRect, &InnerEditRect, &ShadowRect})
        Move(*r, dx, dy);
    for (auto& button : ButtonsInfo) {
        Move(button->Bounds, dx, dy);
        Move(button->VisibleBounds, dx, dy);
    }
}

TcxRegion TcxCustomEditViewInfo::ChangedRegion(const TcxContainerViewInfo& old) const
{
    // The container's own part of the difference is none.
    TcxRegion region;
    const auto* other = dynamic_cast<const TcxCustomEditViewInfo*>(&old);
    const bool sameFrame = other && (BorderStyle == cbsNone || BorderColor == other->BorderColor) &&
                           BorderStyle == other->BorderStyle && ButtonCount() == other->ButtonCount() &&
                           ThemedLook == other->ThemedLook && (!ThemedLook || ThemeState == other->ThemeState);
    if (!sameFrame) {
        region.Combine(TcxRegion(OuterBounds), TcxRegionOperation::roAdd);
        return region;
    }
    for (int i = 0; i < ButtonCount(); ++i)
        region.Combine(Button(i).UpdateRegionFor(other->Button(i)), TcxRegionOperation::roAdd);
    return region;
}

int TcxCustomEditViewInfo::ButtonIndexAt(POINT p) const
{
    for (int i = 0; i < ButtonCount(); ++i)
        if (Contains(Button(i).Bounds, p))
            return i;
    return -1;
}

std::unique_ptr<TcxEditButtonViewInfo> TcxCustomEditViewInfo::NewButtonViewInfo() const
{
    return std::make_unique<TcxEditButtonViewInfo>();
}

void TcxCustomEditViewInfo::SetButtonCount(int count)
{
    if (count < 0)
        count = 0;
    ButtonsInfo.resize(count);
    for (auto& button : ButtonsInfo)
        if (!button)
            button = NewButtonViewInfo();
}
