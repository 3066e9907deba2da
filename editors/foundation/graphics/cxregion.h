// A GDI region owned by one object.
#pragma once

#include <windows.h>

#include "classlib/handles.h"

// Region operations: set (copy), add, subtract, intersect.
enum class TcxRegionOperation { roSet, roAdd, roSubtract, roIntersect };
// The GDI combine mode (RGN_COPY ...) of an operation.
int cxRegionCombineMode(TcxRegionOperation operation);

class TcxRegion {
public:
    // Empty (all zero).
    TcxRegion() : TcxRegion(0, 0, 0, 0) {}
    // Takes ownership of the handle.
    explicit TcxRegion(HRGN handle) : handle_(handle) {}
    explicit TcxRegion(const RECT& r) : handle_(CreateRectRgnIndirect(&r)) {}
    TcxRegion(int left, int top, int right, int bottom) : handle_(CreateRectRgn(left, top, right, bottom)) {}

    HRGN Handle() const { return handle_.get(); }
    // Set makes this a copy of the other region; the others combine it in.
    void Combine(const TcxRegion& other, TcxRegionOperation operation);
    void Offset(int dx, int dy) { OffsetRgn(handle_.get(), dx, dy); }
    RECT Bounds() const;

private:
    UniqueHandle<HRGN, GdiDeleter> handle_;
};
