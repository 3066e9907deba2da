// What the view information tests compare: rectangles and regions as lists.
#pragma once

#include <windows.h>

#include <vector>

#include "editors/foundation/graphics/cxregion.h"

inline std::vector<int> Sides(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

// The region's bounding box; empty for an empty region.
inline std::vector<int> BoxOf(const TcxRegion& region)
{
    RECT box{};
    if (GetRgnBox(region.Handle(), &box) == NULLREGION)
        return {};
    return Sides(box);
}
