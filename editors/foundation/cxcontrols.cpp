#include "editors/foundation/cxcontrols.h"

#include "classlib/form.h"
#include "classlib/menus.h"
#include "classlib/screen.h"
#include "editors/foundation/cxcontrolsunit.h"
#include "editors/foundation/cxdragdetect.h"
#include "editors/foundation/cxlookandfeelpainters.h"
#include "editors/foundation/cxobjectlinks.h"
#include "editors/foundation/cxsettingscontroller.h"

namespace {

POINT LParamPoint(LPARAM lp)
{
    return POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
}

// The anchor of middle-button scrolling: a round topmost window on the
// point where the scrolling began; its side is the neutral zone's.
constexpr int kAnchorSide = 28;
constexpr UINT_PTR kScrollTimerId = 0xCC11;

class TAnchorWindow {
public:
    TAnchorWindow(HWND owner, POINT at)
    {
        handle_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, at.x - kAnchorSide / 2,
                                  at.y - kAnchorSide / 2, kAnchorSide, kAnchorSide, owner, nullptr, nullptr, nullptr);
        if (!handle_)
            return;
        SetWindowRgn(handle_, CreateEllipticRgn(0, 0, kAnchorSide + 1, kAnchorSide + 1), FALSE);
        ShowWindow(handle_, SW_SHOWNOACTIVATE);
        HDC dc = GetDC(handle_);
        HGDIOBJ pen = SelectObject(dc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
        HGDIOBJ brush = SelectObject(dc, GetSysColorBrush(COLOR_WINDOW));
        Ellipse(dc, 0, 0, kAnchorSide, kAnchorSide);
        SelectObject(dc, brush);
        DeleteObject(SelectObject(dc, pen));
        ReleaseDC(handle_, dc);
        ValidateRect(handle_, nullptr);
    }
    ~TAnchorWindow()
    {
        if (handle_)
            DestroyWindow(handle_);
    }
    HWND Handle() const { return handle_; }

private:
    HWND handle_ = nullptr;
};

TCursor ScrollCursor(TcxScrollDirection direction, bool h, bool v)
{
    switch (direction) {
    case sdLeft: return crcxLeftScroll;
    case sdRight: return crcxRightScroll;
    case sdUp: return crcxUpScroll;
    case sdDown: return crcxDownScroll;
    default: return h && v ? crcxFullScroll : h ? crcxHorScroll : crcxVerScroll;
    }
}

} // namespace

TcxControlScrollBar::TcxControlScrollBar(TcxControl& control, TScrollBarKind kind) : control_(control)
{
    SetColor(clBtnFace);
    SetTabStop(false);
    SetVisible(false);
    SetKind(kind);
    if (kind == TScrollBarKind::sbVertical)
        SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 121);
    LookAndFeel().SetMaster(&control.LookAndFeel());
}

void TcxControlScrollBar::FocusParentOnClick()
{
    if (control_.CanFocusOnScrollBarClick(*this))
        control_.SetFocus();
}

const TMessageMap& TcxControlScrollBar::Messages() const
{
    static const TMessageMap map(TcxScrollBar::Messages(), {{WM_LBUTTONDOWN, &TcxControlScrollBar::WMLButtonDown}});
    return map;
}

// Focusing the control may free the bar with it.
void TcxControlScrollBar::WMLButtonDown(TMessage& m)
{
    auto link = cxObjectLinkAdd(this);
    FocusParentOnClick();
    if (link->Target)
        TcxScrollBar::Messages().Dispatch(*this, m);
}

TcxSizeGrip::TcxSizeGrip(TcxControl& control)
{
    SetColor(clBtnFace);
    SetOpaque(true);
    SetVisible(false);
    lookAndFeel_ = std::make_unique<TcxLookAndFeel>(this);
    lookAndFeel_->SetMaster(&control.LookAndFeel());
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { Invalidate(); };
}

void TcxSizeGrip::Paint()
{
    auto painter = lookAndFeel_->GetPainter();
    canvas_.FillRectColor(ClientRect(), painter ? painter->PaletteColor20() : clBtnFace);
}

TcxControl::TcxControl(TComponent* owner) : TCustomControl(owner)
{
    lookAndFeel_ = std::make_unique<TcxLookAndFeel>(this);
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) {
        LookAndFeelUpdated();
        Invalidate();
    };
    SetOpaque(true);
    SetControlStyle(ControlStyle() | csCaptureMouse);
    hScrollBar_ = std::make_unique<TcxControlScrollBar>(*this, TScrollBarKind::sbHorizontal);
    vScrollBar_ = std::make_unique<TcxControlScrollBar>(*this, TScrollBarKind::sbVertical);
    for (TcxControlScrollBar* bar : {hScrollBar_.get(), vScrollBar_.get()}) {
        const TScrollBarKind kind = bar->Kind();
        bar->OnScroll = [this, kind](TComponent&, TScrollCode code, int& position) { Scroll(kind, code, position); };
    }
    sizeGrip_ = std::make_unique<TcxSizeGrip>(*this);
    cxSettingsController().AddControl(this);
    SetTabStop(WantsFocus());
}

TcxControl::~TcxControl()
{
    cxSettingsController().RemoveControl(this);
    sizeGrip_.reset();
    vScrollBar_.reset();
    hScrollBar_.reset();
    cxObjectLinksClearFor(this);
}

TcxControlScrollBar* TcxControl::Bar(TScrollBarKind kind) const
{
    return kind == TScrollBarKind::sbHorizontal ? hScrollBar_.get() : vScrollBar_.get();
}

void TcxControl::SetBorderStyle(TcxControlBorderStyle value)
{
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    UpdateScrollBars();
    Invalidate();
}

void TcxControl::SetScrollBars(TScrollStyle value)
{
    if (scrollBars_ == value)
        return;
    scrollBars_ = value;
    UpdateScrollBars();
}

int TcxControl::BorderSize() const
{
    auto painter = Painter();
    return borderStyle_ == TcxControlBorderStyle::cxcbsNone || !painter ? 0 : painter->BorderWidth();
}

TRect TcxControl::GetBounds() const
{
    if (HandleAllocated())
        return ClientRect();
    return TRect{0, 0, Width(), Height()};
}

TRect TcxControl::GetClientBounds() const
{
    TRect r = GetBounds();
    const int border = BorderSize();
    r = TRect{r.left + border, r.top + border, r.right - border, r.bottom - border};
    if (ScrollBarVisible(TScrollBarKind::sbHorizontal))
        r.bottom -= hScrollBar_->Height();
    if (ScrollBarVisible(TScrollBarKind::sbVertical))
        r.right -= vScrollBar_->Width();
    return r;
}

bool TcxControl::CanFocusOnClick() const
{
    return focusOnClick_ && WantsFocus() && CanFocus();
}

int TcxControl::WheelScrollKind() const
{
    return ScrollBarVisible(TScrollBarKind::sbVertical) ? 2 : 0;
}

bool TcxControl::ScrollBarAdmitted(TScrollBarKind kind) const
{
    if (scrollBars_ == TScrollStyle::ssBoth)
        return true;
    return scrollBars_ == (kind == TScrollBarKind::sbHorizontal ? TScrollStyle::ssHorizontal : TScrollStyle::ssVertical);
}

int TcxControl::Thickness(TScrollBarKind kind) const
{
    return kind == TScrollBarKind::sbHorizontal ? hScrollBar_->Height() : vScrollBar_->Width();
}

bool TcxControl::Shown(TScrollBarKind kind) const
{
    return Bar(kind)->Visible();
}

void TcxControl::ApplyData(TScrollBarKind kind, const TcxScrollBarData& data)
{
    TcxControlScrollBar& bar = *Bar(kind);
    if (data.Visible) {
        bar.SetRangeAndPosition(data.Min, data.Max, data.Position, data.PageSize, true);
        bar.SetSmallChange(data.SmallChange);
        bar.SetLargeChange(data.LargeChange);
    }
    bar.SetEnabled(data.Enabled);
    if (bar.Visible() != data.Visible)
        bar.SetVisible(data.Visible);
}

void TcxControl::ShowDisabled(TScrollBarKind kind)
{
    Bar(kind)->SetEnabled(false);
    Bar(kind)->SetVisible(true);
}

void TcxControl::PlaceScrollBars()
{
    const TRect client = GetClientBounds();
    const bool h = hScrollBar_->Visible(), v = vScrollBar_->Visible();
    sizeGrip_->SetVisible(h && v);
    if (h)
        hScrollBar_->SetBounds(client.left, client.bottom, client.right - client.left, hScrollBar_->Height());
    if (v)
        vScrollBar_->SetBounds(client.right, client.top, vScrollBar_->Width(), client.bottom - client.top);
    if (h && v)
        sizeGrip_->SetBounds(client.right, client.bottom, vScrollBar_->Width(), hScrollBar_->Height());
    for (TControl* c : std::initializer_list<TControl*>{hScrollBar_.get(), vScrollBar_.get(), sizeGrip_.get()})
        if (c->HandleAllocated())
            SetWindowPos(c->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TcxControl::SetBounds(int left, int top, int width, int height)
{
    const bool resized = width != Width() || height != Height();
    TCustomControl::SetBounds(left, top, width, height);
    if (resized && !HandleAllocated())
        BoundsChanged();
}

void TcxControl::Resize()
{
    TCustomControl::Resize();
    BoundsChanged();
}

void TcxControl::HandleCreated()
{
    TCustomControl::HandleCreated();
    for (TControl* c : std::initializer_list<TControl*>{hScrollBar_.get(), vScrollBar_.get(), sizeGrip_.get()})
        c->SetParent(this);
    UpdateScrollBars();
}

void TcxControl::Paint()
{
    auto painter = Painter();
    if (borderStyle_ != TcxControlBorderStyle::cxcbsNone && painter) {
        painter->PaintBorderFrame(cxCanvas_, GetBounds());
        cxCanvas_.IntersectClipRect(GetClientBounds());
    }
    TCustomControl::Paint();
}

void TcxControl::ScrollContent(TcxScrollDirection direction, bool byPage)
{
    if (direction == sdNone)
        return;
    if (!HasScrollBars() && !CanScrollWithoutBars(direction))
        return;
    const bool vertical = direction == sdUp || direction == sdDown;
    const bool back = direction == sdLeft || direction == sdUp;
    const TScrollCode code = byPage ? (back ? scPageUp : scPageDown) : (back ? scLineUp : scLineDown);
    const TScrollBarKind kind = vertical ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal;
    int position = HasScrollBars() ? Bar(kind)->Position() : 0;
    Scroll(kind, code, position);
    Update();
}

bool TcxControl::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    const int kind = WheelScrollKind();
    if (kind == 0)
        return false;
    const TcxWheelScroll wheel = cxWheelScroll(kind, wheelDelta, Mouse.WheelScrollLines());
    auto link = cxObjectLinkAdd(this);
    for (int i = 0; i < wheel.Times && link->Target; ++i)
        ScrollContent(wheel.Direction, wheel.ByPage);
    return true;
}

bool TcxControl::DoShowPopupMenu(int x, int y)
{
    TPopupMenu* menu = PopupMenu();
    if (!menu)
        return false;
    menu->Popup(x, y);
    return true;
}

void TcxControl::DoContextPopup(POINT mousePos, bool& handled)
{
    if (OnContextPopup)
        OnContextPopup(*this, mousePos, handled);
    if (handled)
        return;
    if (mousePos.x == -1 && mousePos.y == -1)
        mousePos = POINT{0, 0};
    ClientToScreen(Handle(), &mousePos);
    handled = DoShowPopupMenu(mousePos.x, mousePos.y);
}

const TMessageMap& TcxControl::Messages() const
{
    static const TMessageMap map(TCustomControl::Messages(), {
                                                                 {WM_GETDLGCODE, &TcxControl::WMGetDlgCode},
                                                                 {WM_CONTEXTMENU, &TcxControl::WMContextMenu},
                                                                 {WM_LBUTTONDOWN, &TcxControl::WMMouseDown},
                                                                 {WM_RBUTTONDOWN, &TcxControl::WMMouseDown},
                                                                 {WM_MBUTTONDOWN, &TcxControl::WMMouseDown},
                                                                 {DXM_SCROLLBARSETTINGSCHANGED, &TcxControl::SettingsChanged},
                                                                 {WM_PRINTCLIENT, &TcxControl::WMPaintInto},
                                                                 {WM_PAINT, &TcxControl::WMPaintInto},
                                                             });
    return map;
}

// Painting into a lent DC leaves its clip as found: the bars print after
// the control into the same DC.
void TcxControl::WMPaintInto(TMessage& m)
{
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    const int saved = dc ? SaveDC(dc) : 0;
    TCustomControl::Messages().Dispatch(*this, m);
    if (saved)
        RestoreDC(dc, saved);
}

void TcxControl::WMGetDlgCode(TMessage& m)
{
    LRESULT code = 0;
    if (wantedKeys_ & kcAll)
        code |= DLGC_WANTALLKEYS;
    if (wantedKeys_ & kcArrows)
        code |= DLGC_WANTARROWS;
    if (wantedKeys_ & kcChars)
        code |= DLGC_WANTCHARS;
    if ((wantedKeys_ & kcTab) && !cxIsCtrlDown())
        code |= DLGC_WANTTAB;
    m.Result = code;
}

void TcxControl::WMContextMenu(TMessage& m)
{
    if (m.Result)
        return;
    POINT p = LParamPoint(m.LParam);
    if (p.x != -1 || p.y != -1) {
        ScreenToClient(Handle(), &p);
        const RECT client = ClientRect();
        if (!PtInRect(&client, p)) {
            DefaultHandler(m);
            return;
        }
    }
    bool handled = false;
    DoContextPopup(p, handled);
    m.Result = handled;
}

// The press runs first; what follows it touches the control only while it lives.
void TcxControl::WMMouseDown(TMessage& m)
{
    auto link = cxObjectLinkAdd(this);
    TCustomControl::Messages().Dispatch(*this, m);
    if (!link->Target)
        return;
    POINT p = LParamPoint(m.LParam);
    if (HandleAllocated() && (Width() > 0x8000 || Height() > 0x8000)) {
        GetCursorPos(&p);
        ScreenToClient(Handle(), &p);
    }
    const TMouseButton button = m.Msg == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                                : m.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                          : TMouseButton::mbMiddle;
    MouseDownDragCheck(button, p.x, p.y);
}

void TcxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    auto link = cxObjectLinkAdd(this);
    if (CanFocusOnClick() && !(shift & ssDouble)) {
        SetFocus();
        if (!link->Target)
            return;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TcxControl::MouseDownDragCheck(TMouseButton button, int x, int y)
{
    (void)x, (void)y;
    if (button == TMouseButton::mbLeft && dragMode_ == TDragMode::dmAutomatic && MouseCapture()) {
        auto link = cxObjectLinkAdd(this);
        const HWND window = Handle();
        const TcxDragDetect result = DetectDragStart(window);
        if (link->Target && result == ddDrag)
            BeginDrag();
    }
    if (button == TMouseButton::mbMiddle)
        StartMouseScrolling();
}

void TcxControl::StartMouseScrolling()
{
    const bool h = ScrollBarVisible(TScrollBarKind::sbHorizontal), v = ScrollBarVisible(TScrollBarKind::sbVertical);
    if (!h && !v)
        return;
    auto link = cxObjectLinkAdd(this);
    const HWND window = Handle();
    scrollingContent_ = true;
    POINT anchor{};
    GetCursorPos(&anchor);
    // Cleaned up however the loop ends, also when the control went inside it.
    struct TCleanup {
        HWND window;
        ~TCleanup()
        {
            if (GetCapture() == window)
                ReleaseCapture();
            KillTimer(window, kScrollTimerId);
        }
    } cleanup{window};
    TAnchorWindow anchorWindow(window, anchor);
    TcxMouseScroll scroll{sdNone, 1};
    int tick = 0;
    bool leftZone = false;
    POINT last = anchor;
    ::SetCursor(Screen.Cursors(ScrollCursor(sdNone, h, v)));
    SetTimer(window, kScrollTimerId, 20, nullptr);
    SetCapture(window);
    MSG msg;
    while (GetCapture() == window) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_PAINT && msg.hwnd == anchorWindow.Handle()) {
            ValidateRect(msg.hwnd, nullptr);
            continue;
        }
        if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE) {
            DispatchMessageA(&msg);
            break;
        }
        if (msg.message == WM_TIMER && msg.hwnd == window && msg.wParam == kScrollTimerId) {
            ++tick;
            if (cxMouseScrollTickDue(tick, scroll.Speed))
                ScrollContent(scroll.Direction);
            if (!link->Target)
                break;
            continue;
        }
        if (msg.message == WM_MOUSEMOVE) {
            POINT p{};
            GetCursorPos(&p);
            if (p.x != last.x || p.y != last.y) {
                scroll = cxMouseScrollAt(anchor.x, anchor.y, p.x, p.y, kAnchorSide, h, v);
                leftZone = leftZone || scroll.Direction != sdNone;
                ::SetCursor(Screen.Cursors(ScrollCursor(scroll.Direction, h, v)));
                last = p;
            }
            DispatchMessageA(&msg);
            continue;
        }
        if ((msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDOWN) || msg.message == WM_MBUTTONDBLCLK ||
            msg.message == WM_MOUSEWHEEL)
            break;
        if (msg.message == WM_MBUTTONUP) {
            DispatchMessageA(&msg);
            if (leftZone)
                break;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (link->Target)
        scrollingContent_ = false;
}

void TcxControl::SettingsChanged(TMessage&)
{
    const int height = GetSystemMetrics(SM_CYHSCROLL), width = GetSystemMetrics(SM_CXVSCROLL);
    if (height == hScrollBar_->Height() && width == vScrollBar_->Width())
        return;
    hScrollBar_->SetBounds(hScrollBar_->Left(), hScrollBar_->Top(), hScrollBar_->Width(), height);
    vScrollBar_->SetBounds(vScrollBar_->Left(), vScrollBar_->Top(), width, vScrollBar_->Height());
    BoundsChanged();
}
