#include "editors/foundation/core/cxgeometry.h"

#include <algorithm>
#include <limits>

#include "classlib/propertytable.h"

namespace {

// A 64-bit result brought back into the 32-bit range.
int Clamp32(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
}

int Add(std::int64_t a, std::int64_t b)
{
    return Clamp32(a + b);
}

// Halves a 64-bit sum, truncating toward zero as the integer division does.
int Half(std::int64_t sum)
{
    return Clamp32(sum / 2);
}

} // namespace

int cxSignOf(double x)
{
    return x >= 0 ? 1 : -1;
}

TSize cxMakeSize(int cx, int cy)
{
    return TSize{cx, cy};
}

int cxMidpoint(int a, int b)
{
    std::int64_t sum = std::int64_t{a} + b;
    return sum > 0 ? Half(sum) : Half(sum - 1);
}

int cxRectGetWidth(const TRect& r)
{
    return Add(r.right, -std::int64_t{r.left});
}

int cxRectGetHeight(const TRect& r)
{
    return Add(r.bottom, -std::int64_t{r.top});
}

TRect cxRectInflated(const TRect& r, int dx, int dy)
{
    return cxRectInflatedBy(r, dx, dy, dx, dy);
}

TRect cxRectInflatedBy(const TRect& r, int left, int top, int right, int bottom)
{
    return TRect{Add(r.left, -std::int64_t{left}), Add(r.top, -std::int64_t{top}), Add(r.right, right),
                 Add(r.bottom, bottom)};
}

TRect cxRectOffsetBy(const TRect& r, int dx, int dy)
{
    return TRect{Add(r.left, dx), Add(r.top, dy), Add(r.right, dx), Add(r.bottom, dy)};
}

bool cxRectSame(const TRect& r1, const TRect& r2)
{
    return r1.left == r2.left && r1.top == r2.top && r1.right == r2.right && r1.bottom == r2.bottom;
}

TRect cxRectWithHeight(const TRect& r, int height)
{
    return TRect{r.left, r.top, r.right, Add(r.top, height)};
}

TRect cxRectWithWidth(const TRect& r, int width)
{
    return TRect{r.left, r.top, Add(r.left, width), r.bottom};
}

TRect cxRectMovedToLeft(const TRect& r, int x)
{
    return cxRectMovedToLeftWidth(r, x, cxRectGetWidth(r));
}

TRect cxRectMovedToLeftWidth(const TRect& r, int x, int width)
{
    return TRect{x, r.top, Add(x, width), r.bottom};
}

TRect cxRectMovedToRight(const TRect& r, int x, int width)
{
    return TRect{Add(x, -std::int64_t{width}), r.top, x, r.bottom};
}

TRect cxRectCenteredWH(const TRect& bounds, int width, int height)
{
    int left = Half(std::int64_t{bounds.left} + bounds.right - width);
    int top = Half(std::int64_t{bounds.top} + bounds.bottom - height);
    return TRect{left, top, Add(left, width), Add(top, height)};
}

TRect cxRectCenteredSize(const TRect& bounds, const TSize& size)
{
    return cxRectCenteredWH(bounds, size.cx, size.cy);
}

TRect cxRectContentOf(const TRect& r, const TRect& margins)
{
    return cxRectInflatedBy(r, -margins.left, -margins.top, -margins.right, -margins.bottom);
}

void TcxRect::Assign(const TPersistent& source)
{
    if (auto* other = dynamic_cast<const TcxRect*>(&source))
        ChangeRect(other->rect_);
}

void TcxRect::ChangeRect(const TRect& r)
{
    if (Matches(r))
        return;
    rect_ = r;
    if (OnChange)
        OnChange(*this);
}

void TcxRect::ChangeSide(int index, int value)
{
    TRect r = rect_;
    switch (index) {
    case 0: r.left = value; break;
    case 1: r.top = value; break;
    case 2: r.right = value; break;
    default: r.bottom = value; break;
    }
    ChangeRect(r);
}

int TcxRect::SideValue(int index) const
{
    switch (index) {
    case 0: return rect_.left;
    case 1: return rect_.top;
    case 2: return rect_.right;
    default: return rect_.bottom;
    }
}

const TPropertyTable& TcxRect::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TcxRect>(TPersistent::Properties(), {
        {"Left", [](TcxRect& r, const TPropertyValue& v) { r.SetLeft(v.Int()); }},
        {"Top", [](TcxRect& r, const TPropertyValue& v) { r.SetTop(v.Int()); }},
        {"Right", [](TcxRect& r, const TPropertyValue& v) { r.SetRight(v.Int()); }},
        {"Bottom", [](TcxRect& r, const TPropertyValue& v) { r.SetBottom(v.Int()); }},
    });
    return table;
}
