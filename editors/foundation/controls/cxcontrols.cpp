#include "editors/foundation/controls/cxcontrols.h"

#include <algorithm>

#include "classlib/dragdrop.h"
#include "classlib/form.h"
#include "classlib/menus.h"
#include "classlib/screen.h"
#include "editors/foundation/controls/cxcontrolchildcomponent.h"
#include "editors/foundation/controls/cxcontrolsunit.h"
#include "editors/foundation/system/cxdragdetect.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"
#include "editors/foundation/core/cxobjectlinks.h"
#include "editors/foundation/system/cxsettingscontroller.h"

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
    static const TMessageMap map(TcxScrollBar::Messages(), {{WM_LBUTTONDOWN, &TcxControlScrollBar::WMLButtonDown},
                                                            {CM_DESIGNHITTEST, &TcxControlScrollBar::CMDesignHitTest}});
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

TcxControl::TcxControl(TComponent* owner) : TcxLinkTarget(owner)
{
    lookAndFeel_ = std::make_unique<TcxLookAndFeel>(this);
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) {
        LookAndFeelUpdated();
        Invalidate();
    };
    SetOpaque(true);
    SetControlStyle(ControlStyle() | csCaptureMouse);
    cxSettingsController().AddControl(this);
    defaultCursor_ = Cursor();
    if (HasDragImages())
        SetControlStyle(ControlStyle() | csDisplayDragImage);
    SetTabStop(WantsFocus());
}

TcxControl::~TcxControl()
{
    // An operation in process gives the screen cursor and the capture back.
    if (dragAndDropState_ != TcxDragAndDropState::ddsNone) {
        Screen.SetCursor(dragAndDropPrevCursor_);
        SetMouseCapture(false);
    }
    SetPopupMenu(nullptr);
    cxSettingsController().RemoveControl(this);
    sizeGrip_.reset();
    vScrollBar_.reset();
    hScrollBar_.reset();
}

TcxControlScrollBar* TcxControl::Bar(TScrollBarKind kind) const
{
    return kind == TScrollBarKind::sbHorizontal ? hScrollBar_.get() : vScrollBar_.get();
}

bool TcxControl::IsInternalControl(const TControl* control) const
{
    return control && (control == hScrollBar_.get() || control == vScrollBar_.get() || control == sizeGrip_.get());
}

// The bars and the grip come with the first bar to show: a control whose
// content always fits carries no hidden windows for them.
TcxControlScrollBar& TcxControl::MakeBar(TScrollBarKind kind)
{
    if (!hScrollBar_) {
        hScrollBar_ = std::make_unique<TcxControlScrollBar>(*this, TScrollBarKind::sbHorizontal);
        vScrollBar_ = std::make_unique<TcxControlScrollBar>(*this, TScrollBarKind::sbVertical);
        for (TcxControlScrollBar* bar : {hScrollBar_.get(), vScrollBar_.get()}) {
            const TScrollBarKind barKind = bar->Kind();
            bar->OnScroll = [this, barKind](TComponent&, TScrollCode code, int& position) {
                Scroll(barKind, code, position);
            };
        }
        sizeGrip_ = std::make_unique<TcxSizeGrip>(*this);
        if (HandleAllocated())
            ParentScrollBars();
    }
    return *Bar(kind);
}

void TcxControl::ParentScrollBars()
{
    if (sizeGrip_)
        for (TControl* c : std::initializer_list<TControl*>{hScrollBar_.get(), vScrollBar_.get(), sizeGrip_.get()})
            c->SetParent(this);
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
        r.bottom -= Thickness(TScrollBarKind::sbHorizontal);
    if (ScrollBarVisible(TScrollBarKind::sbVertical))
        r.right -= Thickness(TScrollBarKind::sbVertical);
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

// Bars not made yet will have the system's sizes.
int TcxControl::Thickness(TScrollBarKind kind) const
{
    if (kind == TScrollBarKind::sbHorizontal)
        return hScrollBar_ ? hScrollBar_->Height() : GetSystemMetrics(SM_CYHSCROLL);
    return vScrollBar_ ? vScrollBar_->Width() : GetSystemMetrics(SM_CXVSCROLL);
}

bool TcxControl::Shown(TScrollBarKind kind) const
{
    return Bar(kind) && Bar(kind)->Visible();
}

void TcxControl::ApplyData(TScrollBarKind kind, const TcxScrollBarData& data)
{
    if (!data.Visible && !Bar(kind))
        return;
    TcxControlScrollBar& bar = MakeBar(kind);
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
    TcxControlScrollBar& bar = MakeBar(kind);
    bar.SetEnabled(false);
    bar.SetVisible(true);
}

void TcxControl::PlaceScrollBars()
{
    if (!sizeGrip_)
        return;
    const TRect client = GetClientBounds();
    const bool h = hScrollBar_->Visible(), v = vScrollBar_->Visible();
    sizeGrip_->SetVisible(h && v);
    if (h)
        hScrollBar_->SetBounds(client.left, client.bottom, client.right - client.left, hScrollBar_->Height());
    if (v)
        vScrollBar_->SetBounds(client.right, client.top, vScrollBar_->Width(), client.bottom - client.top);
    if (h && v)
        sizeGrip_->SetBounds(client.right, client.bottom, vScrollBar_->Width(), hScrollBar_->Height());
    if (KeepScrollBarsOnTop())
        BringScrollBarsToFront();
}

void TcxControl::BringScrollBarsToFront()
{
    if (!sizeGrip_)
        return;
    hScrollBar_->BringToFront();
    vScrollBar_->BringToFront();
    sizeGrip_->BringToFront();
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
    ParentScrollBars();
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
    int position = HasScrollBars() && Bar(kind) ? Bar(kind)->Position() : 0;
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

bool TcxControl::DoShowPopupMenu(TComponent* menu, int x, int y)
{
    if (auto* handler = dynamic_cast<IPopupMenuHandler*>(menu)) {
        handler->Popup(x, y);
        return true;
    }
    auto* popup = dynamic_cast<TPopupMenu*>(menu);
    if (!popup || !popup->AutoPopup)
        return false;
    popup->PopupComponent = this;
    popup->Popup(x, y);
    return true;
}

void TcxControl::SetPopupMenu(TComponent* value)
{
    if (!dynamic_cast<IPopupMenuHandler*>(value) && !dynamic_cast<TPopupMenu*>(value))
        value = nullptr;
    if (value == popupMenu_)
        return;
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (popupMenu_)
        popupMenu_->FreeNotification(this);
    TCustomControl::SetPopupMenu(dynamic_cast<TPopupMenu*>(value));
}

void TcxControl::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) {
        popupMenu_ = nullptr;
        TCustomControl::SetPopupMenu(nullptr);
    }
}

bool TcxControl::HandlePopupShortCut(const TMessage& m)
{
    if (ComponentState() & csDesigning)
        return false;
    for (TControl* c = this; c; c = c->Parent()) {
        auto* control = dynamic_cast<TcxControl*>(c);
        TComponent* menu = control ? control->PopupMenu() : nullptr;
        if (auto* handler = dynamic_cast<IPopupMenuHandler*>(menu)) {
            if (handler->IsShortCutKey(m))
                return true;
        } else if (auto* popup = dynamic_cast<TPopupMenu*>(menu); popup && popup->IsShortCut(m.WParam)) {
            return true;
        }
    }
    return false;
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
    handled = DoShowPopupMenu(popupMenu_, mousePos.x, mousePos.y);
}

const TMessageMap& TcxControl::Messages() const
{
    static const TMessageMap map(TCustomControl::Messages(), {
                                                                 {WM_GETDLGCODE, &TcxControl::WMGetDlgCode},
                                                                 {WM_CONTEXTMENU, &TcxControl::WMContextMenu},
                                                                 {WM_CANCELMODE, &TcxControl::WMCancelMode},
                                                                 {WM_CAPTURECHANGED, &TcxControl::WMCaptureChanged},
                                                                 {CN_KEYDOWN, &TcxControl::CNKeyDown},
                                                                 {CN_SYSKEYDOWN, &TcxControl::CNSysKeyDown},
                                                                 {CM_MOUSEENTER, &TcxControl::CMMouseEnterLeave},
                                                                 {CM_MOUSELEAVE, &TcxControl::CMMouseEnterLeave},
                                                                 {CM_CURSORCHANGED, &TcxControl::CMCursorChanged},
                                                                 {CM_FONTCHANGED, &TcxControl::CMFontChanged},
                                                                 {CM_DESIGNHITTEST, &TcxControl::CMDesignHitTest},
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

// Every message runs under a link: what follows a handler touches the
// control only while it lives.
void TcxControl::WndProc(TMessage& m)
{
    auto link = cxObjectLinkAdd(this);
    if (m.Msg == WM_RBUTTONUP)
        rightButtonBeingReleased_ = true;
    // The drag image is drawn over the screen: painting under it first
    // takes it away, else the old picture would be painted in.
    TDragObject* drag = m.Msg == WM_PAINT ? CurrentDragObject() : nullptr;
    if (drag)
        drag->HideDragImage();
    TCustomControl::WndProc(m);
    if (drag && CurrentDragObject() == drag)
        drag->ShowDragImage();
    if (!link->Target)
        return;
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FocusChanged();
        break;
    case WM_RBUTTONUP:
        rightButtonBeingReleased_ = false;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        POINT p = LParamPoint(m.LParam);
        if (HandleAllocated() && (Width() > 0x8000 || Height() > 0x8000)) {
            GetCursorPos(&p);
            ScreenToClient(Handle(), &p);
        }
        const TMouseButton button = m.Msg == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                                    : m.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                              : TMouseButton::mbMiddle;
        MouseDownDragCheck(button, p.x, p.y);
        break;
    }
    default:
        break;
    }
}

void TcxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    auto link = cxObjectLinkAdd(this);
    mouseDownPos_ = POINT{x, y};
    if (CanFocusAt(x, y) && !(shift & ssDouble)) {
        const int oldLeft = Left(), oldTop = Top();
        SetFocus();
        if (!link->Target)
            return;
        if (TForm* form = ParentForm(); form && form->ActiveControl() == this && !Focused()) {
            ::SetFocus(Handle());
            if (!link->Target)
                return;
        }
        if (!Focused() && !MayProceedWithoutFocus()) {
            SetMouseCapture(false);
            return;
        }
        // Focusing may have scrolled the control into view.
        x += oldLeft - Left();
        y += oldTop - Top();
    }
    if (button == TMouseButton::mbLeft && !(shift & ssDouble) && StartDragAndDrop(POINT{x, y})) {
        if (DragAndDropObject().GetImmediateStart())
            BeginDragAndDrop();
        else
            SetDragAndDropState(TcxDragAndDropState::ddsStarting);
    } else {
        EndDragAndDropOperation(false);
    }
    if (link->Target)
        MouseDownHook(button, shift, x, y);
    if (link->Target)
        TCustomControl::MouseDown(button, shift, x, y);
    if (link->Target && MouseCapture())
        mouseButtonPressed_ = true;
}

// The cursor follows the point; the default one stays as set.
void TcxControl::MouseMove(TShiftState shift, int x, int y)
{
    auto link = cxObjectLinkAdd(this);
    const TCursor kept = defaultCursor_;
    SetCursor(GetCursor(x, y));
    defaultCursor_ = kept;
    TCustomControl::MouseMove(shift, x, y);
    if (!link->Target)
        return;
    if (dragAndDropState_ == TcxDragAndDropState::ddsStarting && !IsMouseInDragDetectArea(x, y))
        BeginDragAndDrop();
    if (dragAndDropState_ == TcxDragAndDropState::ddsInProcess) {
        bool accepted = false;
        DragAndDrop(POINT{x, y}, accepted);
    }
}

void TcxControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto link = cxObjectLinkAdd(this);
    mouseButtonPressed_ = false;
    FinishDragAndDrop();
    if (link->Target)
        TCustomControl::MouseUp(button, shift, x, y);
}

void TcxControl::KeyDown(WORD& key, TShiftState shift)
{
    auto link = cxObjectLinkAdd(this);
    if (key == VK_ESCAPE)
        EndDragAndDropOperation(false);
    if (link->Target)
        TCustomControl::KeyDown(key, shift);
}

// A menu's shortcut comes first; during drag and drop the keys belong to
// the operation, and Esc reaches KeyDown, which cancels it.
void TcxControl::CNKeyDown(TMessage& m)
{
    if (HandlePopupShortCut(m)) {
        m.Result = 1;
        return;
    }
    if (dragAndDropState_ == TcxDragAndDropState::ddsNone) {
        TCustomControl::Messages().Dispatch(*this, m);
        return;
    }
    if (m.WParam == VK_ESCAPE && HandleAllocated())
        SendMessageA(Handle(), WM_KEYDOWN, m.WParam, m.LParam);
    m.Result = 1;
}

void TcxControl::CNSysKeyDown(TMessage& m)
{
    if (HandlePopupShortCut(m))
        m.Result = 1;
    else
        TCustomControl::Messages().Dispatch(*this, m);
}

void TcxControl::WMCancelMode(TMessage& m)
{
    auto link = cxObjectLinkAdd(this);
    DefaultHandler(m);
    EndDragAndDropOperation(false);
    if (link->Target)
        CancelMouseOperations();
}

// Another window took the mouse: an operation in process cannot go on.
void TcxControl::WMCaptureChanged(TMessage& m)
{
    TCustomControl::Messages().Dispatch(*this, m);
    if (dragAndDropState_ == TcxDragAndDropState::ddsInProcess && reinterpret_cast<HWND>(m.LParam) != Handle())
        EndDragAndDropOperation(false);
}

void TcxControl::CMMouseEnterLeave(TMessage& m)
{
    TCustomControl::Messages().Dispatch(*this, m);
    auto* control = reinterpret_cast<TControl*>(m.LParam);
    if (m.Msg == CM_MOUSEENTER)
        MouseEnter(control);
    else
        MouseLeave(control);
}

void TcxControl::MouseEnter(TControl* control)
{
    if (OnMouseEnter)
        OnMouseEnter(*this, control);
}

void TcxControl::MouseLeave(TControl* control)
{
    if (OnMouseLeave)
        OnMouseLeave(*this, control);
}

void TcxControl::CMCursorChanged(TMessage& m)
{
    TCustomControl::Messages().Dispatch(*this, m);
    CursorChanged();
}

void TcxControl::CMFontChanged(TMessage& m)
{
    TCustomControl::Messages().Dispatch(*this, m);
    FontChanged();
}

void TcxControl::CMDesignHitTest(TMessage& m)
{
    const POINT p = LParamPoint(m.LParam);
    m.Result = GetDesignHitTest(p.x, p.y, KeyShift());
}

void TcxControl::FontChanged()
{
    // A listener may free the control.
    if (fontListeners_.ForEach([this](IcxFontListener& listener) { listener.Changed(*this, Font()); }))
        Invalidate();
}

void TcxControl::AddFontListener(IcxFontListener* listener)
{
    fontListeners_.Add(listener);
}

void TcxControl::RemoveFontListener(IcxFontListener* listener)
{
    fontListeners_.Remove(listener);
}

void TcxControl::FocusChanged()
{
    if (OnFocusChanged)
        OnFocusChanged(*this);
}

bool TcxControl::CanFocusEx() const
{
    if (!CanFocus())
        return false;
    const TForm* form = ParentForm();
    return !form || (form->CanFocus() && form->Enabled() && form->Visible());
}

void TcxControl::CancelMouseOperations()
{
    mouseButtonPressed_ = false;
    SetMouseCaptureObject(nullptr);
}

void TcxControl::SetMouseCaptureObject(IMouseCaptureObject* value)
{
    if (value == mouseCaptureObject_)
        return;
    const bool hadCapture = MouseCapture();
    if (IMouseCaptureObject* old = mouseCaptureObject_) {
        mouseCaptureObject_ = nullptr;
        old->DoCancelMode();
    }
    mouseCaptureObject_ = value;
    SetMouseCapture(value != nullptr);
    if (hadCapture && !MouseCapture() && dragAndDropState_ == TcxDragAndDropState::ddsStarting && HandleAllocated())
        SendMessageA(Handle(), WM_CANCELMODE, 0, 0);
}

bool TcxControl::IsMouseInDragDetectArea(int x, int y) const
{
    return IsInsideDragSquare(mouseDownPos_, x, y);
}

TcxDragAndDropObject& TcxControl::DragAndDropObject()
{
    if (!dragAndDropObject_)
        dragAndDropObject_ = dragAndDropObjectClass_ ? dragAndDropObjectClass_(*this)
                                                     : std::make_unique<TcxDragAndDropObject>(*this);
    return *dragAndDropObject_;
}

void TcxControl::SetDragAndDropState(TcxDragAndDropState value)
{
    if (value == dragAndDropState_)
        return;
    dragAndDropState_ = value;
    if (value == TcxDragAndDropState::ddsNone && !finishingDragAndDrop_)
        CancelMouseOperations();
}

void TcxControl::BeginDragAndDrop()
{
    DragAndDropObject().Init();
    SetMouseCapture(true);
    dragAndDropPrevCursor_ = Screen.Cursor();
    SetDragAndDropState(TcxDragAndDropState::ddsInProcess);
}

void TcxControl::DragAndDrop(POINT p, bool& accepted)
{
    DragAndDropObject().DoDragAndDrop(p, accepted);
}

void TcxControl::EndDragAndDrop(bool accepted)
{
    SetDragAndDropState(TcxDragAndDropState::ddsNone);
    Screen.SetCursor(dragAndDropPrevCursor_);
    SetMouseCapture(false);
    SetMouseCaptureObject(nullptr);
    DragAndDropObject().DoEndDragAndDrop(accepted);
}

void TcxControl::FinishDragAndDrop()
{
    EndDragAndDropOperation(true);
    SetMouseCaptureObject(nullptr);
}

void TcxControl::EndDragAndDropOperation(bool accepted)
{
    if (finishingDragAndDrop_)
        return;
    finishingDragAndDrop_ = true;
    // The mark goes also when a handler throws.
    struct TClear {
        bool& flag;
        ~TClear() { flag = false; }
    } clear{finishingDragAndDrop_};
    if (dragAndDropState_ == TcxDragAndDropState::ddsInProcess)
        EndDragAndDrop(accepted);
    else
        SetDragAndDropState(TcxDragAndDropState::ddsNone);
    dragAndDropObject_.reset();
}

TCursor TcxDragControlObject::GetDragCursor(bool accepted, int x, int y)
{
    auto* control = dynamic_cast<TcxControl*>(&Control());
    if (accepted && control && control->IsCopyDragDrop())
        return crcxDragCopy;
    return TDragControlObject::GetDragCursor(accepted, x, y);
}

bool TcxControl::IsCopyDragDrop() const
{
    return cxIsCtrlDown();
}

// Painted before the drag begins, so the picture the drag shows is current.
void TcxControl::DoStartDrag(std::unique_ptr<TDragObject>& dragObject)
{
    Update();
    TCustomControl::DoStartDrag(dragObject);
    if (!dragObject)
        dragObject = CreateDragObject();
    if (dragObject && !AllowDragObject(*dragObject)) {
        dragObject.reset();
        EndDrag(false);
    }
}

void TcxControl::DoEndDrag(TControl* target, int x, int y)
{
    auto link = cxObjectLinkAdd(this);
    TCustomControl::DoEndDrag(target, x, y);
    if (link->Target)
        dragImages_.reset();
}

TDragImageList* TcxControl::GetDragImages()
{
    if (!HasDragImages())
        return nullptr;
    if (!dragImages_) {
        dragImages_ = CreateDragImages();
        InitDragImages(*dragImages_);
    }
    return dragImages_->Count() > 0 ? dragImages_.get() : nullptr;
}

void TcxControl::InitDragImages(TcxDragImageList& list)
{
    const SIZE size = GetDragImagesSize();
    list.SetSize(size.cx, size.cy);
    if (size.cx == 0 || size.cy == 0)
        return;
    TBitmap bitmap;
    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    bitmap.SetSize(size.cx, size.cy);
    TcxCanvas canvas(bitmap.Canvas());
    DrawDragImage(canvas, TRect{0, 0, size.cx, size.cy});
    list.AddMasked(bitmap.Handle(), bitmap.TransparentColor());
}

void TcxControl::AddChildComponent(TcxControlChildComponent& child)
{
    child.SetControl(this);
}

void TcxControl::RemoveChildComponent(TcxControlChildComponent& child)
{
    child.SetControl(nullptr);
}

void TcxControl::MouseDownDragCheck(TMouseButton button, int x, int y)
{
    if (button == TMouseButton::mbLeft && DragMode() == TDragMode::dmAutomatic && MouseCapture() &&
        (!(ComponentState() & csDesigning) || AllowDragAt(x, y)) && CanDrag(x, y)) {
        auto link = cxObjectLinkAdd(this);
        const HWND window = Handle();
        const TcxDragDetect result = DetectDragStart(window);
        if (link->Target && result == ddDrag)
            BeginDrag(true, -1);
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
    bool done = false;
    // True for the messages the loop takes itself; the rest are handled as
    // the application's loop handles them.
    const auto filter = [&](MSG& msg) {
        if (msg.message == WM_PAINT && msg.hwnd == anchorWindow.Handle()) {
            ValidateRect(msg.hwnd, nullptr);
            return true;
        }
        if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE) {
            done = true;
            return false;
        }
        if (msg.message == WM_TIMER && msg.hwnd == window && msg.wParam == kScrollTimerId) {
            ++tick;
            if (cxMouseScrollTickDue(tick, scroll.Speed))
                ScrollContent(scroll.Direction);
            done = !link->Target;
            return true;
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
            return false;
        }
        if ((msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDOWN) || msg.message == WM_MBUTTONDBLCLK ||
            msg.message == WM_MOUSEWHEEL) {
            done = true;
            return true;
        }
        if (msg.message == WM_MBUTTONUP)
            done = leftZone;
        return false;
    };
    while (!done && GetCapture() == window)
        if (!cxHandleModalLoopMessage(filter))
            break;
    if (link->Target)
        scrollingContent_ = false;
}

void TcxControl::SettingsChanged(TMessage&)
{
    const int height = GetSystemMetrics(SM_CYHSCROLL), width = GetSystemMetrics(SM_CXVSCROLL);
    if (!hScrollBar_ || (height == hScrollBar_->Height() && width == vScrollBar_->Width()))
        return;
    hScrollBar_->SetBounds(hScrollBar_->Left(), hScrollBar_->Top(), hScrollBar_->Width(), height);
    vScrollBar_->SetBounds(vScrollBar_->Left(), vScrollBar_->Top(), width, vScrollBar_->Height());
    BoundsChanged();
}
