#include "images/parentbackground.h"

#include <vector>

#include "classlib/canvas.h"
#include "classlib/control.h"
#include "classlib/handles.h"

namespace {
// Marks a control as painting a copy for one scope.
class PaintCopyMark {
public:
    explicit PaintCopyMark(TControl& control) : control_(control)
    {
        control_.SetControlState(control_.ControlState() | csPaintCopy);
    }
    ~PaintCopyMark() { control_.SetControlState(control_.ControlState() & ~csPaintCopy); }
    PaintCopyMark(const PaintCopyMark&) = delete;
    PaintCopyMark& operator=(const PaintCopyMark&) = delete;

private:
    TControl& control_;
};

// Where a window's client area lies in its parent's client area.
POINT ClientOrigin(HWND window, HWND parent)
{
    POINT p{0, 0};
    MapWindowPoints(window, parent, &p, 1);
    return p;
}

RECT WindowBounds(HWND window, HWND parent)
{
    RECT r{0, 0, 0, 0};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The visible controls below this one among its siblings, bottom first.
std::vector<TControl*> ControlsBelow(HWND window)
{
    std::vector<TControl*> below;
    for (HWND w = GetWindow(window, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (TControl* c = TControl::FromHandle(w); c && IsWindowVisible(w))
            below.insert(below.begin(), c);
    return below;
}
} // namespace

void PaintParentBackground(TControl* control, TCanvas& canvas)
{
    if (!control || !control->Parent() || !control->Parent()->HandleAllocated())
        return;
    const bool windowless = control->Windowless();
    if (!windowless && !control->HandleAllocated())
        return;
    TWinControl& parent = *control->Parent();
    HDC dc = canvas.Handle();
    PaintCopyMark parentMark(parent);
    POINT at = windowless ? POINT{control->Left(), control->Top()} : ClientOrigin(control->Handle(), parent.Handle());
    {
        SaveDCScope saved(dc);
        OffsetViewportOrgEx(dc, -at.x, -at.y, nullptr);
        RECT client{0, 0, 0, 0};
        GetClientRect(parent.Handle(), &client);
        IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
        parent.PaintBehind(dc, *control);
    }
    // The sibling windows all lie above a windowless control.
    if (windowless)
        return;
    HWND self = control->Handle();
    RECT bounds = WindowBounds(self, parent.Handle());
    for (TControl* sibling : ControlsBelow(self)) {
        RECT theirs = WindowBounds(sibling->Handle(), parent.Handle()), common;
        if (!IntersectRect(&common, &bounds, &theirs))
            continue;
        PaintCopyMark mark(*sibling);
        POINT origin = ClientOrigin(sibling->Handle(), parent.Handle());
        sibling->PaintTo(dc, origin.x - at.x, origin.y - at.y);
    }
}
