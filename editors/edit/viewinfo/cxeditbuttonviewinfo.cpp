#include "editors/edit/viewinfo/cxeditbuttonviewinfo.h"

#include "classlib/control.h"
#include "editors/foundation/core/cxgeometry.h"

void TcxEditButtonViewInfo::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TcxEditButtonViewInfo*>(&source)) {
        Bounds = other->Bounds;
        Data = other->Data;
        return;
    }
    TPersistent::Assign(source);
}

TcxRegion TcxEditButtonViewInfo::UpdateRegionFor(const TcxEditButtonViewInfo& other) const
{
    if (Data == other.Data)
        return TcxRegion();
    return TcxRegion(Bounds);
}

bool TcxEditButtonViewInfo::InvalidateIfChanged(TWinControl& control, const TcxEditButtonViewInfo& other,
                                                POINT offset) const
{
    if (Data == other.Data || !control.HandleAllocated())
        return false;
    const TRect r = cxRectOffsetBy(Bounds, offset.x, offset.y);
    InvalidateRect(control.Handle(), &r, BackgroundPartiallyTransparent);
    return true;
}
