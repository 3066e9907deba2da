#include "editors/foundation/graphics/cxregion.h"

int cxRegionCombineMode(TcxRegionOperation operation)
{
    static const int modes[] = {RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND};
    return modes[static_cast<int>(operation)];
}

void TcxRegion::Combine(const TcxRegion& other, TcxRegionOperation operation)
{
    CombineRgn(handle_.get(), operation == TcxRegionOperation::roSet ? other.Handle() : handle_.get(), other.Handle(),
               cxRegionCombineMode(operation));
}

RECT TcxRegion::Bounds() const
{
    RECT r{};
    GetRgnBox(handle_.get(), &r);
    return r;
}
