// Rectangle arithmetic of the editor library, and a rectangle as a
// persistent object that tells its owner of each change. Results that could
// leave 32 bits (sums at INT_MIN/INT_MAX) are computed in 64 bits and kept
// inside the 32-bit range.
#pragma once

#include <cstdint>
#include <functional>

#include "classlib/persistent.h"

#ifdef _WIN32
#include <windows.h>
using TRect = RECT;
using TSize = SIZE;
#else
// The Win32 layouts, so the same code builds on the host.
struct TRect {
    std::int32_t left, top, right, bottom;
};
struct TSize {
    std::int32_t cx, cy;
};
#endif

int cxSignOf(double x);
TSize cxMakeSize(int cx, int cy);
// (a + b) / 2 rounded toward minus infinity.
int cxMidpoint(int a, int b);

int cxRectGetWidth(const TRect& r);
int cxRectGetHeight(const TRect& r);
TRect cxRectInflated(const TRect& r, int dx, int dy);
TRect cxRectInflatedBy(const TRect& r, int left, int top, int right, int bottom);
TRect cxRectOffsetBy(const TRect& r, int dx, int dy);
bool cxRectSame(const TRect& r1, const TRect& r2);
TRect cxRectWithHeight(const TRect& r, int height);
TRect cxRectWithWidth(const TRect& r, int width);
TRect cxRectMovedToLeft(const TRect& r, int x);
TRect cxRectMovedToLeftWidth(const TRect& r, int x, int width);
TRect cxRectMovedToRight(const TRect& r, int x, int width);
TRect cxRectCenteredWH(const TRect& bounds, int width, int height);
TRect cxRectCenteredSize(const TRect& bounds, const TSize& size);
TRect cxRectContentOf(const TRect& r, const TRect& margins);

class TcxRect : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TcxRect& sender)>;

    explicit TcxRect(TPersistent* owner = nullptr) : owner_(owner) {}

    TPersistent* GetOwner() const override { return owner_; }
    // Only another TcxRect is taken over; any other source is ignored.
    void Assign(const TPersistent& source) override;

    const TRect& Rect() const { return rect_; }
    // Stores a different rectangle and fires OnChange; an equal one fires nothing.
    void ChangeRect(const TRect& r);
    // Side 0 Left, 1 Top, 2 Right, 3 Bottom.
    void ChangeSide(int index, int value);
    bool Matches(const TRect& r) const { return cxRectSame(rect_, r); }
    // Any index other than 0..2 reads Bottom.
    int SideValue(int index) const;

    int Left() const { return SideValue(0); }
    int Top() const { return SideValue(1); }
    int Right() const { return SideValue(2); }
    int Bottom() const { return SideValue(3); }
    void SetLeft(int v) { ChangeSide(0, v); }
    void SetTop(int v) { ChangeSide(1, v); }
    void SetRight(int v) { ChangeSide(2, v); }
    void SetBottom(int v) { ChangeSide(3, v); }

    TNotifyEvent OnChange;

protected:
    const TPropertyTable& Properties() const override;

private:
    TPersistent* owner_;
    TRect rect_{0, 0, 0, 0};
};
