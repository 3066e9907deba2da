#include "classlib/control.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <unordered_map>

#include "classlib/application.h"
#include "classlib/handlercall.h"
#include "classlib/windowclasses.h"
#include "classlib/formhost.h"
#include "classlib/menus.h"
#include "classlib/screen.h"

namespace {
// The control of each window. A window property would cost Wine a call to
// its server on every message; this lookup stays in the process.
struct TControlTable {
    std::mutex lock;
    std::unordered_map<HWND, TControl*> controls;
};

TControlTable& Controls()
{
    static TControlTable table;
    return table;
}

HWND ReflectTarget(const TMessage& m)
{
    switch (m.Msg) {
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM:
        return m.WParam ? reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem : nullptr;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(m.LParam);
    default: // WM_CTLCOLOR*: the control's window is lParam
        return reinterpret_cast<HWND>(m.LParam);
    }
}

TMouseButton ButtonOf(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return TMouseButton::mbLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return TMouseButton::mbRight;
    default:
        return TMouseButton::mbMiddle;
    }
}

POINT PointOf(LPARAM lp)
{
    return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
}

// Background, then client area, as printing asks for them.
void PrintClient(TControl& control, HDC dc)
{
    control.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    control.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

void PrintClient(HWND hwnd, HDC dc)
{
    if (TControl* control = TControl::FromHandle(hwnd)) {
        PrintClient(*control, dc);
    } else {
        SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
}

// The native STATIC and BUTTON clip their painting to their client
// rectangle taken as device coordinates: a window prints into a bitmap whose
// origin is its own, over what lies there already, and is copied to its place.
void PrintClientInPlace(HWND hwnd, HDC dc, const RECT& client)
{
    UniqueDC memory(CreateCompatibleDC(dc));
    UniqueBitmap bits(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !bits) {
        PrintClient(hwnd, dc);
        return;
    }
    SelectObjectScope selected(memory.get(), bits.get());
    BitBlt(memory.get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    PrintClient(hwnd, memory.get());
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

// A window and its visible children, bottom of the z-order first, with its client area at at.
void PrintWindowTree(HWND hwnd, HDC dc, POINT at)
{
    SaveDCScope saved(dc);
    OffsetViewportOrgEx(dc, at.x, at.y, nullptr);
    RECT client{0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    PrintClientInPlace(hwnd, dc, client);
    HWND top = GetWindow(hwnd, GW_CHILD);
    for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
        if (!IsWindowVisible(child))
            continue;
        POINT origin{0, 0};
        MapWindowPoints(child, hwnd, &origin, 1);
        PrintWindowTree(child, dc, origin);
    }
}
// Whether the window stands there already, in its parent's client
// coordinates (the screen's for a top-level window): a move that changes
// nothing still costs a round of the window system, and a form realigning
// on its first show moves every aligned child.
bool WindowAt(HWND hwnd, int left, int top, int width, int height)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r))
        return false;
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height;
}
} // namespace

const TEnumName<TAlignment> AlignmentNames[3] = {{"taLeftJustify", TAlignment::taLeftJustify},
                                                 {"taCenter", TAlignment::taCenter},
                                                 {"taRightJustify", TAlignment::taRightJustify}};

const TEnumName<TCursor> CursorNames[2] = {{"crDefault", crDefault}, {"crHandPoint", crHandPoint}};

void TMessageMap::Dispatch(TControl& control, TMessage& message) const
{
    if (auto it = handlers_.find(message.Msg); it != handlers_.end())
        (control.*(it->second))(message);
    else
        control.DefaultHandler(message);
}

TControl::TControl(TComponent* owner) : TControl(owner, false) {}

TControl::TControl(TComponent* owner, bool windowless)
    : TComponent(owner), WindowProc([this](TMessage& m) { WndProc(m); }), windowless_(windowless)
{
    font_.OnChange = [this] { FontChanged(); };
    constraints_.OnChange = [this] { SetBounds(left_, top_, width_, height_); };
}

void TControl::BeforeDestruction()
{
    TComponent::BeforeDestruction();
    HandOnFocus(true);
    DestroyHandle();
}

void TControl::DestroyHandle()
{
    if (handle_)
        DestroyWindow(handle_);
}

TControl::~TControl()
{
    DragControlDestroyed(*this);
    if (IFormHost* host = FormHost())
        host->ControlRemoved(*this);
    // Only a control that was not deleted (one on the stack) still has its
    // window here; its derived part is gone and will not see WM_DESTROY.
    DestroyHandle();
    if (handle_) {
        // The window outlived us (its destruction did not come through our
        // procedure): never let a later message reach this freed object.
        auto& table = Controls();
        std::lock_guard guard(table.lock);
        auto it = table.controls.find(handle_);
        if (it != table.controls.end() && it->second == this)
            table.controls.erase(it);
    }
    if (parent_)
        parent_->RemoveControl(this);
}

TControl* TControl::FromHandle(HWND hwnd)
{
    auto& table = Controls();
    std::lock_guard guard(table.lock);
    auto it = table.controls.find(hwnd);
    return it == table.controls.end() ? nullptr : it->second;
}

TControl* TControl::FindControl(HWND hwnd)
{
    for (; hwnd; hwnd = GetParent(hwnd))
        if (TControl* control = FromHandle(hwnd))
            return control;
    return nullptr;
}

void TControl::Attach(HWND hwnd)
{
    handle_ = hwnd;
    {
        auto& table = Controls();
        std::lock_guard guard(table.lock);
        table.controls.insert_or_assign(hwnd, this);
    }
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (current != StdWndProc) {
        defProc_ = current;
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StdWndProc));
    } else {
        defProc_ = DefWindowProcA;
    }
}

LRESULT CALLBACK TControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    TControl* control = FromHandle(hwnd);
    if (!control) {
        if (msg != WM_NCCREATE)
            return DefWindowProcA(hwnd, msg, wp, lp);
        control = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        control->Attach(hwnd);
    }
    if (msg == WM_NCDESTROY) {
        LRESULT r = CallWindowProcA(control->defProc_, hwnd, msg, wp, lp);
        {
            auto& table = Controls();
            std::lock_guard guard(table.lock);
            table.controls.erase(hwnd);
        }
        control->handle_ = nullptr;
        control->mouseInside_ = false;
        return r;
    }
    return Guarded(
        [&] {
            TMessage m{msg, wp, lp, 0};
            // Nothing of the control is touched after its handler: it may have freed it.
            control->Deliver(m);
            return m.Result;
        },
        LRESULT(0));
}

LRESULT TControl::Perform(UINT msg, WPARAM wp, LPARAM lp)
{
    TMessage m{msg, wp, lp, 0};
    Deliver(m);
    return m.Result;
}

void TControl::Deliver(TMessage& m)
{
    // A copy runs: a handler may free this control, and its WindowProc with it.
    TWndMethod proc = WindowProc;
    proc(m);
}

void TControl::DefaultHandler(TMessage& m)
{
    // The class library's own messages mean nothing to Windows' procedures.
    bool own = m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400;
    if (handle_ && !own)
        m.Result = CallWindowProcA(defProc_ ? defProc_ : DefWindowProcA, handle_, m.Msg, m.WParam, m.LParam);
}

void TControl::WndProc(TMessage& m)
{
    // A windowless control's mouse was relayed by its parent.
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && handle_)
        RelayToTooltip(m, !hint_.empty());
    Dispatch(m);
}

const TMessageMap& TControl::Messages() const
{
    static const TMessageMap map{
        {WM_KEYDOWN, &TControl::WMKey},
        {WM_KEYUP, &TControl::WMKey},
        {WM_SYSKEYDOWN, &TControl::WMKey},
        {WM_SYSKEYUP, &TControl::WMKey},
        {WM_CHAR, &TControl::WMChar},
        {WM_SYSCHAR, &TControl::WMSysChar},
        {WM_LBUTTONDOWN, &TControl::WMMouseDown},
        {WM_RBUTTONDOWN, &TControl::WMMouseDown},
        {WM_MBUTTONDOWN, &TControl::WMMouseDown},
        {WM_LBUTTONDBLCLK, &TControl::WMMouseDown},
        {WM_RBUTTONDBLCLK, &TControl::WMMouseDown},
        {WM_MBUTTONDBLCLK, &TControl::WMMouseDown},
        {WM_LBUTTONUP, &TControl::WMMouseUp},
        {WM_RBUTTONUP, &TControl::WMMouseUp},
        {WM_MBUTTONUP, &TControl::WMMouseUp},
        {WM_MOUSEMOVE, &TControl::WMMouseMove},
        {WM_MOUSELEAVE, &TControl::WMMouseLeave},
        {WM_MOUSEWHEEL, &TControl::WMMouseWheel},
        {WM_CONTEXTMENU, &TControl::WMContextMenu},
        {WM_CAPTURECHANGED, &TControl::WMCaptureChanged},
        {WM_SETCURSOR, &TControl::WMSetCursor},
        {WM_SETFOCUS, &TControl::WMSetFocus},
        {WM_SIZE, &TControl::WMSize},
        {WM_WINDOWPOSCHANGING, &TControl::WMWindowPosChanging},
        {WM_WINDOWPOSCHANGED, &TControl::WMWindowPosChanged},
        {CN_KEYDOWN, &TControl::CNKeyDown},
        {CN_SYSKEYDOWN, &TControl::CNKeyDown},
        {CM_ENTER, &TControl::CMEnter},
        {CM_EXIT, &TControl::CMExit},
        {CM_MOUSEENTER, &TControl::CMMouseEnter},
        {CM_MOUSELEAVE, &TControl::CMMouseLeave},
        {CM_ENABLEDCHANGED, &TControl::CMEnabledChanged},
        {CM_VISIBLECHANGED, &TControl::CMVisibleChanged},
        {CM_FONTCHANGED, &TControl::CMFontChanged},
        {CM_COLORCHANGED, &TControl::CMColorChanged},
        {CM_TEXTCHANGED, &TControl::CMTextChanged},
        {CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged},
        {CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged},
        {CM_SYSCOLORCHANGE, &TControl::CMSysColorChange},
        {CM_DRAG, &TControl::CMDrag},
        {CM_HITTEST, &TControl::CMHitTest},
    };
    return map;
}

void TControl::CreateHandle()
{
    if (windowless_) {
        RegisterHint();
        return;
    }
    if (handle_ || !parent_ || !parent_->HandleAllocated() || (lateWindow_ && !visible_))
        return;
    TCreateParams params = CreateParams();
    params.style |= WS_CHILD | WS_CLIPSIBLINGS;
    RegisterWindowClass(params, StdWndProc);
    DWORD style = params.style;
    if (visible_)
        style |= WS_VISIBLE;
    if (!enabled_)
        style |= WS_DISABLED;
    if (tabStop_)
        style |= WS_TABSTOP;
    HWND hwnd = CreateWindowExA(params.exStyle, params.className, text_.c_str(), style, left_, top_, width_,
                                height_, parent_->Handle(), nullptr, Application.Instance(), this);
    if (!hwnd)
        RaiseLastOSError(("CreateWindow " + Name()).c_str());
    if (!handle_)
        Attach(hwnd);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    HandleCreated();
    RegisterHint();
}

HWND TControl::LateHandle() const
{
    // The outermost late window without its window, if any: its window
    // brings the windows of everything inside it.
    TControl* late = nullptr;
    for (const TControl* c = this; c; c = c->parent_) {
        if (c->ComponentState() & csDestroying)
            return nullptr;
        if (c->lateWindow_ && !c->handle_)
            late = const_cast<TControl*>(c);
    }
    if (late)
        late->MakeLateWindow();
    return handle_;
}

void TControl::MakeLateWindow()
{
    if (!parent_ || !parent_->HandleAllocated())
        return;
    // From now on an ordinary window: made again like any other.
    lateWindow_ = false;
    CreateHandle();
    if (!handle_)
        return;
    // Where it would have been had it been made with its siblings: after
    // the window of the sibling before it.
    const auto& siblings = parent_->controls_;
    HWND after = HWND_TOP;
    for (auto it = std::find(siblings.begin(), siblings.end(), this); it != siblings.begin();)
        if ((*--it)->handle_) {
            after = (*it)->handle_;
            break;
        }
    SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent_ == parent)
        return;
    const bool wasShowing = Showing();
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        if (parentFont_) {
            font_.Assign(parent_->Font());
            parentFont_ = true;
        }
        CreateHandle();
        Invalidate();
    }
    if (Showing() != wasShowing)
        ShowingChanged(!wasShowing);
}

TControl* TControl::TopParent()
{
    TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return c;
}

IFormHost* TControl::FormHost() const
{
    TControl* top = const_cast<TControl*>(this)->TopParent();
    return top == this ? nullptr : dynamic_cast<IFormHost*>(top);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    ResolveSize(width, height);
    const RECT old = BoundsRect();
    const bool resized = width != width_ || height != height_;
    left_ = left, top_ = top, width_ = width, height_ = height;
    const TLiveness alive = Liveness();
    if (handle_ && !WindowAt(handle_, left, top, width, height))
        MoveWindow(handle_, left, top, width, height, TRUE);
    const RECT now = BoundsRect();
    if (windowless_ && !EqualRect(&old, &now)) {
        InvalidateInParent(old);
        Invalidate();
        RegisterHint();
        // What a window hears when its size changes.
        if (resized && parent_ && parent_->DrawingWindow())
            Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    }
    if (alive && parent_ && align_ != TAlign::alNone)
        parent_->Realign(this);
}

void TControl::SetAlign(TAlign align)
{
    align_ = align;
    if (parent_)
        parent_->Realign(this);
}

void TControl::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    const bool wasShowing = Showing();
    visible_ = visible;
    const TLiveness alive = Liveness();
    // Moved before the window hides, which would leave it on the parent.
    if (!visible)
        HandOnFocus(false);
    // OnExit or OnEnter may have freed this or shown it again.
    if (!alive || visible_ != visible)
        return;
    if (visible && lateWindow_ && !handle_)
        MakeLateWindow();
    Perform(CM_VISIBLECHANGED, visible, 0);
    if (alive && parent_ && align_ != TAlign::alNone)
        parent_->Realign(this);
    if (alive && Showing() != wasShowing)
        ShowingChanged(!wasShowing);
}

void TControl::ShowingChanged(bool showing)
{
    const TLiveness alive = Liveness();
    Perform(CM_SHOWINGCHANGED, showing, 0);
    auto* container = dynamic_cast<TWinControl*>(this);
    if (!alive || !container)
        return;
    // A hidden child stays unseen; one a handler changed meanwhile was told.
    container->ForEachChild([showing](TControl& child) {
        if (child.visible_ && child.Showing() == showing)
            child.ShowingChanged(showing);
        return false;
    });
}

bool TControl::Showing() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    const TLiveness alive = Liveness();
    // Moved before the window is disabled, which would leave it nowhere.
    if (!enabled)
        HandOnFocus(false);
    if (!alive || enabled_ != enabled)
        return;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::HandOnFocus(bool removing)
{
    HWND focus = GetFocus();
    if (!handle_ || !focus || (focus != handle_ && !IsChild(handle_, focus)))
        return;
    if (IFormHost* host = FormHost())
        host->DefocusControl(*this, removing);
}

TColor TControl::Color() const
{
    return parentColor_ && parent_ ? parent_->Color() : color_;
}

void TControl::SetColor(TColor color)
{
    // Settings apply colours at every start, mostly the ones already held.
    if (color == color_ && !parentColor_)
        return;
    color_ = color;
    parentColor_ = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value)
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value)
{
    parentColor_ = value;
    if (value)
        Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::BringToFront()
{
    if (handle_)
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (windowless_ && parent_) {
        // The windowless children lie in list order, the last on top.
        auto& siblings = parent_->controls_;
        std::erase(siblings, this);
        siblings.push_back(this);
        Invalidate();
    }
}

void TControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
    else if (windowless_ && visible_)
        InvalidateInParent(BoundsRect());
}

void TControl::InvalidateInParent(const RECT& rect) const
{
    POINT at{0, 0};
    HWND window = parent_ ? parent_->DrawingWindow(&at) : nullptr;
    if (!window)
        return;
    RECT r = rect;
    OffsetRect(&r, at.x, at.y);
    InvalidateRect(window, &r, TRUE);
}

void TControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
    else if (windowless_ && parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    if (windowless_ && DrawNow())
        return;
    Invalidate();
    Update();
}

bool TControl::DrawNow()
{
    // Not again from inside the paint it runs: a paint that repaints what
    // it paints is left to the window's own painting.
    static bool drawing = false;
    POINT at{0, 0};
    HWND window = DrawingWindow(&at);
    TControl* painter = window ? FromHandle(window) : nullptr;
    if (drawing || !painter || !Showing() || !IsWindowVisible(window))
        return false;
    // Under Wine an invalidation is a call to the server, and the window's
    // later paint several; the window's DC is kept in the process.
    WindowDCScope scope(window, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
    if (!scope.DC())
        return false;
    IntersectClipRect(scope.DC(), at.x, at.y, at.x + width_, at.y + height_);
    drawing = true;
    // A paint handler that raises is reported as one run from WM_PAINT.
    Guarded([&] { return PrintClient(*painter, scope.DC()), true; }, false);
    drawing = false;
    return true;
}

void TControl::PaintWindow(HDC dc)
{
    if (handle_ || windowless_)
        PrintClient(*this, dc);
}

void TControl::PaintTo(HDC dc, int x, int y)
{
    if (handle_) {
        PrintWindowTree(handle_, dc, POINT{x, y});
    } else if (windowless_) {
        SaveDCScope saved(dc);
        OffsetViewportOrgEx(dc, x, y, nullptr);
        IntersectClipRect(dc, 0, 0, width_, height_);
        PrintClient(*this, dc);
    }
}

POINT TControl::ClientOrigin() const
{
    POINT p{0, 0};
    if (handle_) {
        ::ClientToScreen(handle_, &p);
    } else if (windowless_ && parent_) {
        p = parent_->ClientOrigin();
        p.x += left_, p.y += top_;
    }
    return p;
}

HWND TControl::DrawingWindow(POINT* at) const
{
    POINT offset{0, 0};
    const TControl* c = this;
    for (; c && c->windowless_; c = c->parent_)
        offset.x += c->left_, offset.y += c->top_;
    if (at)
        *at = offset;
    return c ? c->handle_ : nullptr;
}

HBRUSH TControl::BackgroundBrush() const
{
    TColor color = Color();
    if (!brush_ || brushColor_ != color) {
        brush_.reset(CreateSolidBrush(ColorToRGB(color)));
        brushColor_ = color;
    }
    return brush_.get();
}

LRESULT TControl::ControlColors(HDC dc)
{
    SetTextColor(dc, ColorToRGB(font_.Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    return reinterpret_cast<LRESULT>(BackgroundBrush());
}

void TControl::FontChanged()
{
    parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

std::string TControl::Text() const
{
    std::string text;
    ReadText(text);
    return text;
}

void TControl::ReadText(std::string& text) const
{
    if (!handle_) {
        text = text_;
        return;
    }
    // First into the room there is: asking the length first would cost a
    // pass over the whole text. Two bytes to spare show that nothing was
    // cut, not even a double-byte character.
    text.resize(text.capacity());
    int got = GetWindowTextA(handle_, text.data(), static_cast<int>(text.size()) + 1);
    if (got >= 0 && static_cast<size_t>(got) + 2 <= text.size()) {
        text.resize(static_cast<size_t>(got));
        return;
    }
    int length = GetWindowTextLengthA(handle_);
    text.resize(static_cast<size_t>(length) + 1);
    got = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
}

void TControl::SetText(const std::string& text)
{
    text_ = text;
    const TLiveness alive = Liveness();
    if (handle_)
        SetWindowTextA(handle_, text.c_str());
    if (alive)
        Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetHint(const std::string& hint)
{
    hint_ = hint;
    RegisterHint();
}

void TControl::SetCursor(TCursor cursor)
{
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::RegisterHint()
{
    IFormHost* host = FormHost();
    HWND tips = host ? host->HintWindow() : nullptr;
    POINT at{0, 0};
    HWND window = windowless_ && parent_ ? parent_->DrawingWindow(&at) : nullptr;
    if (window && tips && !hint_.empty()) {
        // A rectangle of the window it is drawn in, whose mouse the tooltip sees.
        RemoveHintTool();
        for (const TControl* c = this; c && c->windowless_; c = c->parent_)
            if (!c->visible_)
                return;
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = window;
        ti.uId = reinterpret_cast<UINT_PTR>(this);
        ti.rect = BoundsRect();
        OffsetRect(&ti.rect, at.x, at.y);
        ti.lpszText = const_cast<char*>(hint_.c_str());
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        return;
    }
    if (!handle_ || hint_.empty() || !tips)
        return;
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = GetWindow(tips, GW_OWNER);
    ti.uId = reinterpret_cast<UINT_PTR>(handle_);
    ti.lpszText = const_cast<char*>(hint_.c_str());
    SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void TControl::RemoveHintTool()
{
    IFormHost* host = FormHost();
    HWND tips = host ? host->HintWindow() : nullptr;
    HWND window = windowless_ && parent_ ? parent_->DrawingWindow() : nullptr;
    if (!window || hint_.empty() || !tips)
        return;
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = window;
    ti.uId = reinterpret_cast<UINT_PTR>(this);
    SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void TControl::RelayToTooltip(const TMessage& m, bool hinted)
{
    // Controls without a hint relay too: the tooltip then sees the mouse
    // leave a control that has one, and takes its hint away. A form relays
    // for the windowless controls drawn in its own window.
    auto* host = dynamic_cast<IFormHost*>(TopParent());
    HWND tips = !host ? nullptr : !hinted ? host->HintWindow() : host->NeedHintWindow();
    if (!tips)
        return;
    MSG msg{handle_, m.Msg, m.WParam, m.LParam, 0, {}};
    SendMessageA(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void TControl::SetFocus()
{
    if (handle_)
        ::SetFocus(handle_);
}

bool TControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

bool TControl::CanFocus() const
{
    // One being destroyed still has its window while its focus moves on.
    if (!handle_ || (ComponentState() & csDestroying))
        return false;
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

void TControl::SetTabStop(bool value)
{
    tabStop_ = value;
    if (handle_) {
        auto style = static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE));
        SetWindowLongPtrA(handle_, GWL_STYLE, static_cast<LONG_PTR>(value ? style | WS_TABSTOP : style & ~WS_TABSTOP));
    }
}

int TControl::TabOrder() const
{
    if (!parent_)
        return -1;
    const auto& order = parent_->tabList_;
    return static_cast<int>(std::find(order.begin(), order.end(), this) - order.begin());
}

void TControl::SetTabOrder(int order)
{
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    std::erase(list, this);
    auto at = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + at, this);
}

bool TControl::MouseCapture() const
{
    if (windowless_)
        return parent_ && parent_->captureControl_ == this && parent_->MouseCapture();
    return handle_ && GetCapture() == handle_;
}

void TControl::SetMouseCapture(bool value)
{
    if (windowless_ && parent_) {
        if (value && Showing())
            parent_->SetCaptureControl(this);
        else if (!value && MouseCapture())
            parent_->SetCaptureControl(nullptr);
        return;
    }
    if (value && handle_)
        SetCapture(handle_);
    else if (!value && MouseCapture())
        ReleaseCapture();
}

void TControl::LeaveParentMouseState()
{
    if (!windowless_ || !parent_)
        return;
    if (parent_->mouseControl_ == this)
        parent_->mouseControl_ = nullptr;
    if (parent_->captureControl_ == this)
        parent_->SetCaptureControl(nullptr);
}

void TControl::Click()
{
    CallHandler(OnClick, *this);
}

void TControl::DblClick()
{
    CallHandler(OnDblClick, *this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    CallHandler(OnMouseDown, *this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    CallHandler(OnMouseMove, *this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    CallHandler(OnMouseUp, *this, button, shift, x, y);
}

void TControl::KeyDown(WORD& key, TShiftState shift)
{
    CallHandler(OnKeyDown, *this, key, shift);
}

void TControl::KeyUp(WORD& key, TShiftState shift)
{
    CallHandler(OnKeyUp, *this, key, shift);
}

void TControl::KeyPress(char& key)
{
    CallHandler(OnKeyPress, *this, key);
}

void TControl::DoEnter()
{
    CallHandler(OnEnter, *this);
}

void TControl::DoExit()
{
    CallHandler(OnExit, *this);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos)
{
    bool handled = false;
    CallHandler(OnMouseWheel, *this, shift, wheelDelta, mousePos, handled);
    return handled;
}

void TControl::DoContextPopup(POINT mousePos, bool& handled)
{
    const TLiveness alive = Liveness();
    CallHandler(OnContextPopup, *this, mousePos, handled);
    if (!alive || handled || !popupMenu_ || !popupMenu_->AutoPopup)
        return;
    // From the keyboard the menu opens at the control's corner.
    if (mousePos.x == -1 && mousePos.y == -1)
        mousePos = ClientOrigin();
    popupMenu_->PopupComponent = this;
    popupMenu_->Popup(mousePos.x, mousePos.y);
    handled = true;
}

void TControl::MouseEnter()
{
    CallHandler(OnMouseEnter, *this);
}

void TControl::MouseLeave()
{
    CallHandler(OnMouseLeave, *this);
}

void TControl::Resize()
{
    CallHandler(OnResize, *this);
}

bool TControl::CanResize(int&, int&)
{
    return true;
}

void TControl::ResolveSize(int& width, int& height)
{
    if ((width != width_ || height != height_) && !CanResize(width, height))
        width = width_, height = height_;
    constraints_.Constrain(width, height);
}

void TControl::EnabledChanged()
{
    if (handle_)
        EnableWindow(handle_, enabled_);
    if (!windowless_)
        return;
    // A disabled window loses the capture as well.
    if (!enabled_)
        LeaveParentMouseState();
    Invalidate();
}

void TControl::VisibleChanged()
{
    if (handle_)
        ShowWindow(handle_, visible_ ? SW_SHOW : SW_HIDE);
    if (!windowless_)
        return;
    auto* container = dynamic_cast<TWinControl*>(this);
    if (!visible_) {
        LeaveParentMouseState();
        // Nothing inside stays hot or holds the mouse while unseen.
        if (container) {
            const TLiveness alive = Liveness();
            container->TrackMouseControl(nullptr);
            if (!alive)
                return;
            container->SetCaptureControl(nullptr);
            if (!alive)
                return;
        }
    }
    InvalidateInParent(BoundsRect());
    RegisterHint();
    // The tools of what is drawn inside come and go with it.
    if (container)
        container->RegisterHints();
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::TextChanged()
{
    // A window draws its new text itself; a control without one is drawn
    // by its window's next paint, not inside the key that changed it.
    if (windowless_)
        Invalidate();
}

TShiftState KeyboardShiftState()
{
    // One read of the whole keyboard: Wine asks its server for each GetKeyState.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    auto down = [&](int key) { return (keys[key] & 0x80) != 0; };
    TShiftState s = 0;
    if (down(VK_SHIFT))
        s |= ssShift;
    if (down(VK_CONTROL))
        s |= ssCtrl;
    if (down(VK_MENU))
        s |= ssAlt;
    if (down(VK_LBUTTON))
        s |= ssLeft;
    if (down(VK_RBUTTON))
        s |= ssRight;
    if (down(VK_MBUTTON))
        s |= ssMiddle;
    return s;
}

// Keys go to the form first when it previews them, then to the control's
// own handler, and only then, possibly changed, to the window itself.
void TControl::WMKey(TMessage& m)
{
    auto key = static_cast<WORD>(m.WParam);
    TShiftState shift = KeyShift();
    const TLiveness alive = Liveness();
    if (IFormHost* host = FormHost())
        host->PreviewKey(m.Msg, key, shift);
    bool down = m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN;
    if (key != 0 && alive)
        down ? KeyDown(key, shift) : KeyUp(key, shift);
    if (key == 0 || !alive)
        return;
    m.WParam = key;
    DefaultHandler(m);
}

void TControl::WMChar(TMessage& m)
{
    auto key = static_cast<char>(m.WParam);
    const TLiveness alive = Liveness();
    if (IFormHost* host = FormHost())
        host->PreviewChar(key);
    if (key != 0 && alive)
        KeyPress(key);
    if (key == 0 || !alive)
        return;
    m.WParam = static_cast<unsigned char>(key);
    DefaultHandler(m);
}

// Alt+letter: the control whose caption carries that accelerator answers.
void TControl::WMSysChar(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (TopParent()->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0 || !alive)
        return;
    DefaultHandler(m);
}

// A double click arrives instead of the second button-down, so it is a
// mouse-down as well, marked ssDouble.
void TControl::WMMouseDown(TMessage& m)
{
    if ((controlStyle_ & csCaptureMouse) && m.Msg != WM_RBUTTONDOWN && m.Msg != WM_RBUTTONDBLCLK)
        SetMouseCapture(true);
    // The window's own handling may move the focus, and OnExit or OnEnter free this.
    const TLiveness alive = Liveness();
    DefaultHandler(m);
    if (!alive)
        return;
    TShiftState shift = KeyShift();
    bool dbl = m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK;
    if (dbl)
        shift |= ssDouble;
    POINT p = PointOf(m.LParam);
    MouseDown(ButtonOf(m.Msg), shift, p.x, p.y);
    if (m.Msg == WM_LBUTTONDBLCLK && alive)
        DblClick();
}

// The capture is let go after MouseUp, which still sees the press.
void TControl::WMMouseUp(TMessage& m)
{
    const TLiveness alive = Liveness();
    DefaultHandler(m);
    if (!alive)
        return;
    POINT p = PointOf(m.LParam);
    MouseUp(ButtonOf(m.Msg), KeyShift(), p.x, p.y);
    // A control freed meanwhile took its capture away with its window.
    if (alive && (controlStyle_ & csCaptureMouse) && m.Msg != WM_RBUTTONUP)
        SetMouseCapture(false);
}

bool TControl::NoteMouseInside()
{
    if (mouseInside_ || !handle_)
        return true;
    // Windows tells of the leaving only once asked, once per entering.
    mouseInside_ = true;
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
    TrackMouseEvent(&tme);
    const TLiveness alive = Liveness();
    Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
    return static_cast<bool>(alive);
}

void TControl::WMMouseMove(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (!NoteMouseInside())
        return;
    DefaultHandler(m);
    if (!alive)
        return;
    POINT p = PointOf(m.LParam);
    MouseMove(KeyShift(), p.x, p.y);
}

void TControl::WMMouseLeave(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (mouseInside_) {
        mouseInside_ = false;
        Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
    }
    if (alive)
        DefaultHandler(m);
}

void TControl::WMMouseWheel(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (DoMouseWheel(KeyShift(), static_cast<short>(HIWORD(m.WParam)), PointOf(m.LParam)))
        m.Result = 1;
    else if (alive)
        DefaultHandler(m);
}

void TControl::WMContextMenu(TMessage& m)
{
    bool handled = false;
    const TLiveness alive = Liveness();
    DoContextPopup(PointOf(m.LParam), handled);
    if (handled)
        m.Result = 1;
    else if (alive)
        DefaultHandler(m);
}

void TControl::WMCaptureChanged(TMessage& m)
{
    DefaultHandler(m);
}

void TControl::WMSetCursor(TMessage& m)
{
    TCursor cursor = Screen.Cursor() != crDefault ? Screen.Cursor() : cursor_;
    if (cursor != crDefault && LOWORD(m.LParam) == HTCLIENT) {
        ::SetCursor(Screen.Cursors(cursor));
        m.Result = TRUE;
        return;
    }
    DefaultHandler(m);
}

void TControl::WMSetFocus(TMessage& m)
{
    const TLiveness alive = Liveness();
    DefaultHandler(m);
    if (!alive)
        return;
    // Followed here, not only when the form goes inactive: minimising
    // takes the focus away before the form hears of it.
    if (IFormHost* host = FormHost())
        host->ControlFocused(*this);
}

void TControl::WMSize(TMessage& m)
{
    const TLiveness alive = Liveness();
    DefaultHandler(m);
    if (alive)
        Resize();
}

// Also a size that comes from outside (the user, another program) passes
// CanResize and the constraints. A minimised window keeps its icon's size.
void TControl::WMWindowPosChanging(TMessage& m)
{
    auto& pos = *reinterpret_cast<WINDOWPOS*>(m.LParam);
    if (!(pos.flags & SWP_NOSIZE) && !IsIconic(handle_))
        ResolveSize(pos.cx, pos.cy);
    DefaultHandler(m);
}

// The bounds follow the window wherever its place and size came from.
void TControl::WMWindowPosChanged(TMessage& m)
{
    const auto& pos = *reinterpret_cast<const WINDOWPOS*>(m.LParam);
    if (!IsIconic(handle_)) {
        if (!(pos.flags & SWP_NOMOVE))
            left_ = pos.x, top_ = pos.y;
        if (!(pos.flags & SWP_NOSIZE))
            width_ = pos.cx, height_ = pos.cy;
    }
    DefaultHandler(m);
}

// Dialog keys (Tab, Enter, Esc, arrows) that the focused window does not
// ask for go to its form, which moves the focus on Tab.
void TControl::CNKeyDown(TMessage& m)
{
    m.Result = 0;
    UINT want = 0;
    switch (LOWORD(m.WParam)) {
    case VK_TAB:
        want = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        want = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        want = DLGC_WANTALLKEYS;
        break;
    default:
        return;
    }
    // Only the bit of that key counts: a multi-line EDIT asks for all keys,
    // and a memo that does not want tabs takes the Tab bit away.
    if (Perform(WM_GETDLGCODE, 0, 0) & want)
        return;
    // Also from a form that has the focus itself (none of its controls can
    // take it): Tab then finds one, and Esc reaches the form.
    m.Result = TopParent()->Perform(CM_DIALOGKEY, m.WParam, m.LParam);
}

void TControl::CMEnter(TMessage&)
{
    DoEnter();
}

void TControl::CMExit(TMessage&)
{
    DoExit();
}

void TControl::CMMouseEnter(TMessage&)
{
    MouseEnter();
}

void TControl::CMMouseLeave(TMessage&)
{
    MouseLeave();
}

// Whether the control takes the mouse at a point of its own: a windowless
// one may let it through to what lies beneath.
void TControl::CMHitTest(TMessage& m)
{
    m.Result = HTCLIENT;
}

void TControl::CMEnabledChanged(TMessage&)
{
    EnabledChanged();
}

void TControl::CMVisibleChanged(TMessage&)
{
    VisibleChanged();
}

void TControl::CMFontChanged(TMessage&)
{
    const TLiveness alive = Liveness();
    if (handle_)
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
    if (handle_ || windowless_)
        Invalidate();
    TMessage parentFont{CM_PARENTFONTCHANGED, 0, 0, 0};
    if (alive)
        Broadcast(parentFont);
}

void TControl::CMColorChanged(TMessage&)
{
    const TLiveness alive = Liveness();
    ColorChanged();
    TMessage parentColor{CM_PARENTCOLORCHANGED, 0, 0, 0};
    if (alive)
        Broadcast(parentColor);
}

void TControl::CMTextChanged(TMessage&)
{
    TextChanged();
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (parentColor_)
        Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage&)
{
    if (parentFont_ && parent_) {
        // The font tells the control it changed, which would end the following.
        font_.Assign(parent_->Font());
        parentFont_ = true;
    }
}

void TControl::CMSysColorChange(TMessage& m)
{
    // System colours may have new values: repaint with them.
    brushColor_ = clNone;
    Invalidate();
    Broadcast(m);
}

const TPropertyTable& TControl::Properties() const
{
    static const TEnumName<TAlign> aligns[] = {{"alNone", TAlign::alNone}, {"alTop", TAlign::alTop},
                                               {"alBottom", TAlign::alBottom}, {"alLeft", TAlign::alLeft},
                                               {"alRight", TAlign::alRight}, {"alClient", TAlign::alClient}};
    static const TPropertyTable table = TPropertyTable::Of<TControl>(TComponent::Properties(), {
        {"Left", [](TControl& c, const TPropertyValue& v) { c.SetBounds(v.Int(), c.top_, c.width_, c.height_); }},
        {"Top", [](TControl& c, const TPropertyValue& v) { c.SetBounds(c.left_, v.Int(), c.width_, c.height_); }},
        {"Width", [](TControl& c, const TPropertyValue& v) { c.SetBounds(c.left_, c.top_, v.Int(), c.height_); }},
        {"Height", [](TControl& c, const TPropertyValue& v) { c.SetBounds(c.left_, c.top_, c.width_, v.Int()); }},
        {"Align", [](TControl& c, const TPropertyValue& v) { c.SetAlign(v.Enum(aligns)); }},
        {"Visible", [](TControl& c, const TPropertyValue& v) { c.SetVisible(v.Bool()); }},
        {"LateWindow", [](TControl& c, const TPropertyValue& v) { c.SetLateWindow(v.Bool()); }},
        {"Enabled", [](TControl& c, const TPropertyValue& v) { c.SetEnabled(v.Bool()); }},
        {"Color", [](TControl& c, const TPropertyValue& v) { c.SetColor(v.Color()); }},
        {"ParentColor", [](TControl& c, const TPropertyValue& v) { c.SetParentColor(v.Bool()); }},
        {"ParentFont", [](TControl& c, const TPropertyValue& v) { c.SetParentFont(v.Bool()); }},
        {"Caption", [](TControl& c, const TPropertyValue& v) { c.SetText(v.Text()); }},
        {"Text", [](TControl& c, const TPropertyValue& v) { c.SetText(v.Text()); }},
        {"Hint", [](TControl& c, const TPropertyValue& v) { c.SetHint(v.Text()); }},
        {"OnClick", [](TControl& c, const TPropertyValue& v) { c.OnClick = v.Handler<TNotifyEvent>(); }},
        {"OnChange", [](TControl& c, const TPropertyValue& v) { c.OnChange = v.Handler<TNotifyEvent>(); }},
        {"TabStop", [](TControl& c, const TPropertyValue& v) { c.SetTabStop(v.Bool()); }},
        {"TabOrder",
         [](TControl& c, const TPropertyValue& v) {
             // Siblings read later would push it from its place.
             if (c.ComponentState() & csLoading)
                 c.loadedTabOrder_ = std::max(v.Int(), 0);
             else
                 c.SetTabOrder(v.Int());
         }},
        {"OnEnter", [](TControl& c, const TPropertyValue& v) { c.OnEnter = v.Handler<TNotifyEvent>(); }},
        {"OnExit", [](TControl& c, const TPropertyValue& v) { c.OnExit = v.Handler<TNotifyEvent>(); }},
        {"OnDblClick", [](TControl& c, const TPropertyValue& v) { c.OnDblClick = v.Handler<TNotifyEvent>(); }},
        {"OnKeyDown", [](TControl& c, const TPropertyValue& v) { c.OnKeyDown = v.Handler<TKeyEvent>(); }},
        {"OnKeyUp", [](TControl& c, const TPropertyValue& v) { c.OnKeyUp = v.Handler<TKeyEvent>(); }},
        {"OnKeyPress", [](TControl& c, const TPropertyValue& v) { c.OnKeyPress = v.Handler<TKeyPressEvent>(); }},
        {"OnMouseDown", [](TControl& c, const TPropertyValue& v) { c.OnMouseDown = v.Handler<TMouseEvent>(); }},
        {"OnMouseMove", [](TControl& c, const TPropertyValue& v) { c.OnMouseMove = v.Handler<TMouseMoveEvent>(); }},
    });
    return table;
}

TPersistent* TControl::NestedObject(std::string_view name)
{
    if (name == "Font")
        return &font_;
    return name == "Constraints" ? &constraints_ : nullptr;
}

TWinControl::~TWinControl()
{
    for (TControl* c : controls_)
        c->parent_ = nullptr;
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    tabList_.push_back(control);
    if (windowless_ && !NeedsNoWindow(*control))
        MakeWindowed();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (control->windowless_) {
        // Nothing of this window may point at it, or at what is drawn inside it.
        control->RemoveHintTool();
        if (auto* inner = dynamic_cast<TWinControl*>(control); inner && inner->windowless_)
            inner->RemoveInnerHintTools();
        if (mouseControl_ == control)
            mouseControl_ = nullptr;
        if (captureControl_ == control) {
            captureControl_ = nullptr;
            if (handle_ && GetCapture() == handle_)
                ReleaseCapture();
        }
        if (control->visible_)
            control->InvalidateInParent(control->BoundsRect());
    }
    std::erase(controls_, control);
    std::erase(tabList_, control);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    // Lowest first: each then lands on its own place among those set before it.
    std::vector<TControl*> ordered;
    for (TControl* c : controls_)
        if (c->loadedTabOrder_ >= 0)
            ordered.push_back(c);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](TControl* a, TControl* b) { return a->loadedTabOrder_ < b->loadedTabOrder_; });
    for (TControl* c : ordered) {
        c->SetTabOrder(c->loadedTabOrder_);
        c->loadedTabOrder_ = -1;
    }
}

void TWinControl::CreateHandle()
{
    // A container with nothing windowed inside is drawn in its parent: a
    // window fewer to make, show and paint.
    if (!handle_ && !windowless_ && CanDrawInParent() && parent_ && parent_->DrawingWindow() && HoldsNoWindow())
        windowless_ = true;
    TControl::CreateHandle();
    if (!HandleAllocated() && !(windowless_ && DrawingWindow()))
        return;
    CreateChildHandles();
}

void TWinControl::RemoveInnerHintTools()
{
    for (TControl* c : controls_) {
        c->RemoveHintTool();
        if (auto* inner = dynamic_cast<TWinControl*>(c); inner && inner->windowless_)
            inner->RemoveInnerHintTools();
    }
}

bool TWinControl::NeedsNoWindow(const TControl& control)
{
    if (control.windowless_)
        return true;
    auto* w = dynamic_cast<const TWinControl*>(&control);
    return w && !w->handle_ && w->CanDrawInParent() && w->HoldsNoWindow();
}

bool TWinControl::HoldsNoWindow() const
{
    return !lateWindow_ &&
           std::all_of(controls_.begin(), controls_.end(), [](const TControl* c) { return NeedsNoWindow(*c); });
}

void TWinControl::MakeWindowed()
{
    if (!windowless_)
        return;
    if (parent_ && parent_->windowless_)
        parent_->MakeWindowed();
    // What the window it was drawn in held for it and for what is inside it
    // goes; the leaving and release handlers may free it.
    const TLiveness alive = Liveness();
    LeaveParentMouseState();
    SetCaptureControl(nullptr);
    if (!alive)
        return;
    TrackMouseControl(nullptr);
    if (!alive)
        return;
    RemoveHintTool();
    RemoveInnerHintTools();
    windowless_ = false;
    TControl::CreateHandle();
    if (HandleAllocated())
        CreateChildHandles();
}

void TWinControl::CreateChildHandles()
{
    const TLiveness alive = Liveness();
    ForEachChild([](TControl& c) {
        c.CreateHandle();
        return false;
    });
    if (alive)
        Realign();
}

void TWinControl::Realign(TControl* control)
{
    if ((!HandleAllocated() && !windowless_) || aligning_)
        return;
    TFlagScope aligning(Liveness(), aligning_);
    RECT r{0, 0, width_, height_};
    if (handle_)
        GetClientRect(handle_, &r);
    AdjustClientRect(r);
    AlignControls(control, r);
}

void TWinControl::AdjustClientRect(RECT&) {}

void TWinControl::AlignControls(TControl*, RECT& r)
{
    // Edges first in creation order, the client-filling control last.
    for (TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        // A child's OnResize may free children or this.
        ForEachChild([&](TControl& c) {
            if (c.Align() != pass || !c.Visible())
                return false;
            int w = c.Width(), h = c.Height();
            switch (pass) {
            case TAlign::alTop:
                c.SetBounds(r.left, r.top, r.right - r.left, h), r.top += h;
                break;
            case TAlign::alBottom:
                c.SetBounds(r.left, r.bottom - h, r.right - r.left, h), r.bottom -= h;
                break;
            case TAlign::alLeft:
                c.SetBounds(r.left, r.top, w, r.bottom - r.top), r.left += w;
                break;
            case TAlign::alRight:
                c.SetBounds(r.right - w, r.top, w, r.bottom - r.top), r.right -= w;
                break;
            default:
                c.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
                break;
            }
            return false;
        });
    }
}

void TWinControl::RegisterHints()
{
    for (TControl* c : controls_) {
        c->RegisterHint();
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->RegisterHints();
    }
}

void TWinControl::DestroyWnd()
{
    text_ = Text();
    DestroyHandle();
}

void TWinControl::RecreateWnd()
{
    if (!HandleAllocated() || recreating_)
        return;
    TFlagScope recreating(Liveness(), recreating_);
    HWND old = Handle();
    HWND focus = GetFocus();
    bool focused = focus && (focus == old || IsChild(old, focus));
    HWND above = GetWindow(old, GW_HWNDPREV);
    // The child windows move over instead of being made again, so each
    // keeps everything it holds; bottom first, so their order stays.
    std::vector<HWND> children;
    for (HWND c = GetWindow(old, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        children.insert(children.begin(), c);
    for (HWND c : children)
        ::SetParent(c, Application.Handle());
    DestroyWnd();
    CreateHandle();
    for (HWND c : children)
        ::SetParent(c, Handle());
    SetWindowPos(Handle(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!focused)
        return;
    // The form still names the control that had the focus: it gets it back
    // as the same control, so no exit and enter follow.
    auto* host = dynamic_cast<IFormHost*>(TopParent());
    TControl* active = host ? host->ActiveControl() : nullptr;
    if (active && active->CanFocus())
        active->SetFocus();
    else if (focus != old && IsWindow(focus))
        ::SetFocus(focus);
    else
        SetFocus();
}


void TWinControl::Broadcast(TMessage& message)
{
    ForEachChild([&](TControl& c) {
        c.Deliver(message);
        return message.Result != 0;
    });
}

const TMessageMap& TWinControl::Messages() const
{
    static const TMessageMap map(TControl::Messages(), {
                                                           {WM_SIZE, &TWinControl::WMSize},
                                                           {WM_ERASEBKGND, &TWinControl::WMEraseBkgnd},
                                                           {WM_COMMAND, &TWinControl::WMReflected},
                                                           {WM_NOTIFY, &TWinControl::WMReflected},
                                                           {WM_DRAWITEM, &TWinControl::WMReflected},
                                                           {WM_CTLCOLOREDIT, &TWinControl::WMReflected},
                                                           {WM_CTLCOLORSTATIC, &TWinControl::WMReflected},
                                                           {WM_CTLCOLORBTN, &TWinControl::WMReflected},
                                                           {WM_CTLCOLORLISTBOX, &TWinControl::WMReflected},
                                                           {WM_CTLCOLORSCROLLBAR, &TWinControl::WMReflected},
                                                           {WM_HSCROLL, &TWinControl::WMReflected},
                                                           {WM_VSCROLL, &TWinControl::WMReflected},
                                                           {WM_SYSCOLORCHANGE, &TWinControl::WMSysColorChange},
                                                           {CM_DIALOGCHAR, &TWinControl::CMDialogChar},
                                                           {CM_DIALOGKEY, &TWinControl::CMBroadcastToChildren},
                                                       });
    return map;
}

void TWinControl::WMSize(TMessage& m)
{
    const TLiveness alive = Liveness();
    TControl::WMSize(m);
    // A minimised window keeps its layout for its return: laid out in no
    // room, its children would all lie nowhere meanwhile.
    if (alive && m.WParam != SIZE_MINIMIZED)
        Realign();
}

void TWinControl::WMEraseBkgnd(TMessage& m)
{
    RECT rc;
    GetClientRect(Handle(), &rc);
    FillRect(reinterpret_cast<HDC>(m.WParam), &rc, BackgroundBrush());
    m.Result = 1;
}

void TWinControl::WMReflected(TMessage& m)
{
    TControl* child = FromHandle(ReflectTarget(m));
    if (child && child != this) {
        const TLiveness alive = Liveness();
        m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        // The child's default for a reflected notification is "not handled":
        // Windows' own answer (and the parent's events) follow.
        if (m.Result != 0 || !alive)
            return;
    }
    DefaultHandler(m);
}

void TWinControl::WMSysColorChange(TMessage& m)
{
    DefaultHandler(m);
    Perform(CM_SYSCOLORCHANGE, m.WParam, m.LParam);
}

void TWinControl::CMDialogChar(TMessage& m)
{
    ForEachChild([&](TControl& c) {
        if (!c.Visible() || !c.Enabled())
            return false;
        c.Deliver(m);
        return m.Result != 0;
    });
}

void TWinControl::CMBroadcastToChildren(TMessage& m)
{
    Broadcast(m);
}

void TWinControl::GetTabOrderList(std::vector<TControl*>& list) const
{
    for (TControl* c : tabList_) {
        list.push_back(c);
        if (auto* container = dynamic_cast<TWinControl*>(c))
            container->GetTabOrderList(list);
    }
}

TControl* TWinControl::FindNextControl(TControl* current, bool forward, bool checkTabStop) const
{
    return FindNext(current, forward, checkTabStop, false);
}

TControl* TWinControl::FindNextOutside(const TControl& control) const
{
    return FindNext(&control, true, true, true);
}

TControl* TWinControl::FindNext(const TControl* current, bool forward, bool checkTabStop, bool skipInside) const
{
    auto inside = [current](const TControl* c) {
        for (; c; c = c->parent_)
            if (c == current)
                return true;
        return false;
    };
    std::vector<TControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    if (!forward)
        std::reverse(list.begin(), list.end());
    auto start = std::find(list.begin(), list.end(), current);
    // From after the current control around to it, or from the first.
    auto n = static_cast<std::ptrdiff_t>(list.size());
    std::ptrdiff_t first = start == list.end() ? 0 : (start - list.begin() + 1) % n;
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        TControl* c = list[static_cast<size_t>((first + i) % n)];
        if (c != current && c->CanFocus() && (!checkTabStop || c->TabStop()) && !(skipInside && inside(c)))
            return c;
    }
    return nullptr;
}

bool TWinControl::SelectNext(TControl* current, bool forward, bool checkTabStop)
{
    TControl* next = FindNextControl(current, forward, checkTabStop);
    if (!next)
        return false;
    next->SetFocus();
    return true;
}
