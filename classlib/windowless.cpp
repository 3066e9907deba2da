// A TWinControl's part for its windowless children: it paints them over its
// own client area, hit-tests them, and passes them their mouse messages,
// capture and cursor.
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "classlib/control.h"
#include "classlib/handles.h"
#include "classlib/windowlessquery.h"

namespace {
bool IsDoubleClick(UINT msg)
{
    return msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

// What a double click is to a window whose class takes none.
UINT SingleClickOf(UINT msg)
{
    return msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : msg == WM_RBUTTONDBLCLK ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
}
} // namespace

bool TWinControl::HasWindowlessChildren() const
{
    return std::any_of(controls_.begin(), controls_.end(), [](const TControl* c) { return c->windowless_; });
}

TControl* TWinControl::ControlAtPos(POINT p) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        RECT r = c->BoundsRect();
        if (!c->windowless_ || !c->visible_ || !c->enabled_ || !PtInRect(&r, p))
            continue;
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(p.x - c->left_, p.y - c->top_)) != HTNOWHERE)
            return c;
    }
    return nullptr;
}

void TWinControl::AnswerWindowlessQuery(TMessage& m)
{
    const auto asker = reinterpret_cast<HWND>(m.WParam);
    LRESULT told = 0;
    TellWindowless(asker, told);
    m.Result = told;
}

bool TWinControl::TellWindowless(HWND asker, LRESULT& told)
{
    POINT at{0, 0};
    HWND window = DrawingWindow(&at);
    bool going = true;
    ForEachChild([&](TControl& c) {
        if (!c.windowless_)
            return false;
        // In the client area of the window asked, with what is drawn inside it after it.
        TWindowlessRecord record{c.BoundsRect(), c.visible_, {}};
        OffsetRect(&record.bounds, at.x, at.y);
        const std::string name = c.ClassName();
        name.copy(record.className, sizeof record.className - 1);
        std::string data(reinterpret_cast<const char*>(&record), sizeof record);
        data += c.Text();
        COPYDATASTRUCT copy{kWindowlessRecordTag, static_cast<DWORD>(data.size()), data.data()};
        // Any program may ask, or post the question and not wait: one that
        // does not take a record must not hang this window.
        DWORD_PTR taken = 0;
        // Messages sent to this thread meanwhile may free the control.
        const TLiveness lives = c.Liveness();
        if (!SendMessageTimeoutA(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(&copy),
                                 SMTO_ABORTIFHUNG, kWindowlessRecordWaitMs, &taken))
            return !(going = false);
        ++told;
        if (!lives)
            return false;
        if (auto* inner = dynamic_cast<TWinControl*>(&c))
            going = inner->TellWindowless(asker, told);
        return !going;
    });
    return going;
}

void TWinControl::WndProc(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (m.Msg == WindowlessQueryMessage()) {
        AnswerWindowlessQuery(m);
        return;
    }
    switch (m.Msg) {
    case WM_CAPTURECHANGED:
        // The child's press ends with the capture, as its own window's would.
        if (TControl* holder = std::exchange(captureControl_, nullptr)) {
            holder->Perform(WM_CAPTURECHANGED, m.WParam, m.LParam);
            if (!alive)
                return;
        }
        break;
    case WM_MOUSELEAVE:
        TrackMouseControl(nullptr);
        if (!alive)
            return;
        break;
    case CM_MOUSELEAVE:
        // Drawn in its parent, this hears of the mouse from the parent only.
        if (windowless_) {
            TrackMouseControl(nullptr);
            if (!alive)
                return;
        }
        break;
    case WM_PAINT:
        // Drawn in its parent, which erases only its own background.
        if (windowless_ && m.WParam) {
            Perform(WM_ERASEBKGND, m.WParam, 0);
            if (!alive)
                return;
        }
        [[fallthrough]];
    case WM_PRINTCLIENT:
        if (HasWindowlessChildren()) {
            PaintWithControls(m);
            return;
        }
        break;
    case WM_SETCURSOR:
        if (HasWindowlessChildren() && SetCursorOfControl(m))
            return;
        break;
    case WM_CONTEXTMENU: {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        // From the keyboard the menu is the focused window's.
        if ((p.x == -1 && p.y == -1) || !HasWindowlessChildren())
            break;
        const POINT origin = ClientOrigin();
        p.x -= origin.x, p.y -= origin.y;
        if (TControl* child = ControlAtPos(p)) {
            TMessage routed = m;
            child->Deliver(routed);
            if (!alive || routed.Result != 0) {
                m.Result = routed.Result;
                return;
            }
        }
        break;
    }
    default:
        if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && HasWindowlessChildren() && RouteMouse(m))
            return;
        break;
    }
    TControl::WndProc(m);
}

bool TWinControl::RouteMouse(TMessage& m)
{
    // The wheel stays with the window, as before.
    if (m.Msg == WM_MOUSEWHEEL)
        return false;
    const TLiveness alive = Liveness();
    const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (m.Msg == WM_MOUSEMOVE) {
        if (!NoteMouseInside())
            return true;
        // While a child holds the capture, no other is entered.
        TControl* over = ControlAtPos(p);
        TrackMouseControl(captureControl_ && over != captureControl_ ? nullptr : over);
        if (!alive)
            return true;
    }
    TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
    if (!target)
        return false;
    // The tooltip watches the window; a container drawn here routes on only.
    if (handle_)
        RelayToTooltip(m, HintedAt(p));
    TMessage routed{m.Msg, m.WParam, MAKELPARAM(p.x - target->left_, p.y - target->top_), 0};
    if (IsDoubleClick(m.Msg) && !(target->CreateParams().classStyle & CS_DBLCLKS))
        routed.Msg = SingleClickOf(m.Msg);
    target->Deliver(routed);
    if (!alive)
        return true;
    m.Result = routed.Result;
    // What Windows does after a mouse message of a window (a right release
    // asks for the context menu) comes from this window.
    DefaultHandler(m);
    return true;
}

void TWinControl::TrackMouseControl(TControl* over)
{
    if (over == mouseControl_)
        return;
    const TLiveness alive = Liveness();
    const TLiveness overAlive = over ? over->Liveness() : TLiveness();
    if (TControl* left = std::exchange(mouseControl_, nullptr)) {
        left->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(left));
        if (!alive)
            return;
    }
    // The leaving's handler may have freed or moved the one entered.
    if (!over || !overAlive || over->parent_ != this || mouseControl_)
        return;
    mouseControl_ = over;
    over->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(over));
}

bool TWinControl::HintedAt(POINT p) const
{
    const TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
    if (!target)
        return false;
    auto* inner = dynamic_cast<const TWinControl*>(target);
    if (inner && inner->windowless_ && target->hint_.empty())
        return inner->HintedAt({p.x - target->left_, p.y - target->top_});
    return !target->hint_.empty();
}

void TWinControl::SetCaptureControl(TControl* control)
{
    if (windowless_) {
        // Drawn in its parent: the parent's window holds the mouse, for this.
        if (control) {
            captureControl_ = control;
            SetMouseCapture(true);
        } else {
            // The holder hears of the release through WM_CAPTURECHANGED,
            // whose handler may free this.
            const TLiveness alive = Liveness();
            if (MouseCapture())
                SetMouseCapture(false);
            if (alive)
                captureControl_ = nullptr;
        }
        return;
    }
    if (control) {
        if (!handle_)
            return;
        SetCapture(handle_);
        captureControl_ = control;
        return;
    }
    // The holder hears of the release through WM_CAPTURECHANGED.
    if (handle_ && GetCapture() == handle_)
        ReleaseCapture();
    captureControl_ = nullptr;
}

bool TWinControl::SetCursorOfControl(TMessage& m)
{
    if (LOWORD(m.LParam) != HTCLIENT || reinterpret_cast<HWND>(m.WParam) != DrawingWindow())
        return false;
    POINT p{0, 0};
    GetCursorPos(&p);
    const POINT origin = ClientOrigin();
    p.x -= origin.x, p.y -= origin.y;
    TControl* child = captureControl_ ? captureControl_ : ControlAtPos(p);
    if (!child)
        return false;
    const TLiveness alive = Liveness();
    TMessage routed = m;
    child->Deliver(routed);
    if (alive && routed.Result == 0)
        return false;
    m.Result = routed.Result;
    return true;
}

void TWinControl::PaintWithControls(TMessage& m)
{
    const TLiveness alive = Liveness();
    auto dc = reinterpret_cast<HDC>(m.WParam);
    if (m.Msg == WM_PRINTCLIENT || dc) {
        TControl::WndProc(m);
        // Only what the DC's clipping leaves to draw is painted.
        RECT area{};
        if (alive && (m.Msg == WM_PAINT || (m.LParam & PRF_CLIENT)))
            PaintControls(dc, GetClipBox(dc, &area) == ERROR ? nullptr : &area, paintBefore_);
        return;
    }
    // This window's own painting validates the update region: kept for the children.
    UniqueRegion update(CreateRectRgn(0, 0, 0, 0));
    const bool dirty = handle_ && update && GetUpdateRgn(handle_, update.get(), FALSE) > NULLREGION;
    TControl::WndProc(m);
    if (!alive || !dirty || !handle_)
        return;
    WindowDCScope window(handle_, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
    if (!window.DC())
        return;
    SelectClipRgn(window.DC(), update.get());
    RECT area{};
    GetRgnBox(update.get(), &area);
    PaintControls(window.DC(), &area);
}

void TWinControl::PaintControls(HDC dc, const RECT* area, const TControl* before)
{
    ForEachChild([&](TControl& c) {
        if (&c == before)
            return true;
        RECT r = c.BoundsRect(), common{};
        if (!c.windowless_ || !c.visible_ || IsRectEmpty(&r) || (area && !IntersectRect(&common, area, &r)))
            return false;
        SaveDCScope saved(dc);
        OffsetViewportOrgEx(dc, c.left_, c.top_, nullptr);
        IntersectClipRect(dc, 0, 0, c.width_, c.height_);
        c.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        return false;
    });
}

void TWinControl::PaintBehind(HDC dc, const TControl& child)
{
    struct Before {
        TLiveness owner;
        const TControl*& slot;
        const TControl* old;
        ~Before()
        {
            if (owner)
                slot = old;
        }
    } before{Liveness(), paintBefore_, std::exchange(paintBefore_, &child)};
    PaintWindow(dc);
}
