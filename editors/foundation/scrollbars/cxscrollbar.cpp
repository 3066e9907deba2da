#include "editors/foundation/scrollbars/cxscrollbar.h"

#include <algorithm>

#include "classlib/exceptions.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"
#include "editors/foundation/painters/cxpainterresources.h"
#include "editors/foundation/core/cxresourcetext.h"

namespace {

constexpr int kScrollBarThemeClass = 12;
constexpr unsigned kFirstDelay = 400, kRepeatDelay = 60;

TScrollCode CodeOfPart(TcxScrollBarPart part)
{
    switch (part) {
    case sbpLineUp: return scLineUp;
    case sbpLineDown: return scLineDown;
    case sbpPageUp: return scPageUp;
    default: return scPageDown;
    }
}

bool Repeats(TcxScrollBarPart part)
{
    return part == sbpLineUp || part == sbpLineDown || part == sbpPageUp || part == sbpPageDown;
}

} // namespace

void TcxScrollBarViewInfo::LayoutParts()
{
    const bool horizontal = scrollBar_.Horizontal();
    TcxScrollBarMetrics metrics;
    metrics.ArrowSize = GetSystemMetrics(horizontal ? SM_CYHSCROLL : SM_CXVSCROLL);
    metrics.ThumbSize = GetSystemMetrics(horizontal ? SM_CXHTHUMB : SM_CYVTHUMB);
    metrics.MinThumbSize = minThumbSize_;
    const TRect bounds{0, 0, scrollBar_.Width(), scrollBar_.Height()};
    parts_ = cxScrollBarLayout(bounds, horizontal, scrollBar_.Enabled(), scrollBar_.Range(), metrics);
}

void TcxScrollBarViewInfo::MoveThumb(int offset)
{
    if (!parts_.HasThumb())
        return;
    const bool horizontal = scrollBar_.Horizontal();
    const int trackStart = horizontal ? parts_.FirstArrow.right : parts_.FirstArrow.bottom;
    const int trackEnd = horizontal ? parts_.SecondArrow.left : parts_.SecondArrow.top;
    auto& start = horizontal ? parts_.Thumb.left : parts_.Thumb.top;
    auto& end = horizontal ? parts_.Thumb.right : parts_.Thumb.bottom;
    const int length = end - start;
    start = std::clamp(trackStart + offset, trackStart, std::max(trackStart, trackEnd - length));
    end = start + length;
    (horizontal ? parts_.PageUp.right : parts_.PageUp.bottom) = start;
    (horizontal ? parts_.PageDown.left : parts_.PageDown.top) = end;
}

TcxScrollBar::TcxScrollBar(TComponent* owner) : TcxLinkTarget(owner)
{
    bitmap_.SetPixelFormat(TPixelFormat::pf32bit);
    lookAndFeel_ = std::make_unique<TcxLookAndFeel>(this);
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { LookAndFeelChanged(); };
    viewInfo_ = CreateViewInfo();
    SetControlStyle(ControlStyle() | csCaptureMouse);
    SetOpaque(true);
    timer_ = std::make_unique<TcxTimer>();
    timer_->SetEnabled(false);
    timer_->SetInterval(kFirstDelay);
    timer_->SetOnTimer([this](TComponent&) { TimerTick(); });
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    themeNotificator_.OnThemeChanged = [this] { ThemeChanged(); };
    LookAndFeelChanged();
}

TcxScrollBar::~TcxScrollBar()
{
    cxFreeTimer(std::move(timer_));
}

std::unique_ptr<TcxScrollBarViewInfo> TcxScrollBar::CreateViewInfo()
{
    return std::make_unique<TcxScrollBarViewInfo>(*this);
}

TcxCustomLookAndFeelPainterClass TcxScrollBar::Painter() const
{
    return lookAndFeel_->ChoosePainterForClass(kScrollBarThemeClass);
}

bool TcxScrollBar::HotTracks() const
{
    auto painter = Painter();
    return painter && painter->ButtonHotTracks();
}

void TcxScrollBar::Recalculate()
{
    viewInfo_->Recalculate();
}

void TcxScrollBar::LookAndFeelChanged()
{
    ApplyCtl3D();
    auto painter = Painter();
    viewInfo_->SetMinThumbSize(painter ? painter->ScrollBarMinThumbLength() : 0);
    Recalculate();
    Invalidate();
}

void TcxScrollBar::SetCtl3D(bool value)
{
    requestedCtl3D_ = value;
    ApplyCtl3D();
}

void TcxScrollBar::ApplyCtl3D()
{
    const bool value = requestedCtl3D_ && !lookAndFeel_->SkinPainter();
    if (value == ctl3D_)
        return;
    ctl3D_ = value;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

// Set from outside (a parent's change): that value is the one asked for.
void TcxScrollBar::CMCtl3DChanged(TMessage& m)
{
    DefaultHandler(m);
    if (!lookAndFeel_->SkinPainter())
        requestedCtl3D_ = ctl3D_;
    LookAndFeelChanged();
}

// The classic bars tile their page with patterns in system colours.
void TcxScrollBar::CMSysColorChange(TMessage& m)
{
    TCustomControl::Messages().Dispatch(*this, m);
    cxRedrawScrollBarPatterns();
    Invalidate();
}

void TcxScrollBar::CNCtlColorScrollBar(TMessage& m)
{
    cxRedrawScrollBarPatterns();
    DefaultHandler(m);
}

void TcxScrollBar::ThemeChanged()
{
    LookAndFeelChanged();
    cxRedrawScrollBarPatterns();
    if (TWinControl* parent = Parent())
        parent->Realign();
}

void TcxScrollBar::SetKind(TScrollBarKind value)
{
    if (kind_ == value)
        return;
    kind_ = value;
    LookAndFeelChanged();
}

void TcxScrollBar::SetBounds(int left, int top, int width, int height)
{
    const bool changed = width != Width() || height != Height();
    TCustomControl::SetBounds(left, top, width, height);
    if (changed && width > 0 && height > 0) {
        bitmap_.SetSize(width, height);
        Recalculate();
    }
}

void TcxScrollBar::SetRangeAndPosition(int min, int max, int position, int pageSize, bool redraw)
{
    if (!cxScrollBarRangeValid(min, max, pageSize))
        throw EInvalidOperation(cxGetResourceText(cxSScrollBarOutOfRange));
    const TcxScrollBarRange next{min, max, pageSize, cxScrollBarClampPosition({min, max, pageSize, 0}, position)};
    const bool repaint = redraw && HandleAllocated();
    if (next.Min == range_.Min && next.Max == range_.Max && next.PageSize == range_.PageSize &&
        next.Position == range_.Position)
        return;
    const bool moved = next.Position != range_.Position;
    range_ = next;
    if (moved && !Enabled())
        SetEnabled(true);
    Recalculate();
    if (repaint)
        Invalidate();
    if (moved)
        NotifyChange();
}

void TcxScrollBar::NotifyChange()
{
    if (OnChange)
        OnChange(*this);
}

void TcxScrollBar::Scroll(TScrollCode code, int& position)
{
    if (OnScroll)
        OnScroll(*this, code, position);
}

bool TcxScrollBar::ScrollByCode(TScrollCode code)
{
    int position = cxScrollBarPositionForCode(range_, code, smallChange_, largeChange_);
    auto link = cxObjectLinkAdd(this);
    Scroll(code, position);
    if (!link->Target)
        return false;
    position = cxScrollBarClampPosition(range_, position);
    if (position == range_.Position)
        return true;
    if (code == scTrack) {
        range_.Position = position;
        Recalculate();
        Invalidate();
    } else {
        SetPosition(position);
    }
    return link->Target != nullptr;
}

TcxScrollBarPart TcxScrollBar::PartAt(int x, int y) const
{
    return cxScrollBarPartAt(viewInfo_->Parts(), TRect{0, 0, Width(), Height()}, x, y);
}

int TcxScrollBar::TrackLength() const
{
    const auto& p = viewInfo_->Parts();
    return Horizontal() ? p.SecondArrow.left - p.FirstArrow.right : p.SecondArrow.top - p.FirstArrow.bottom;
}

int TcxScrollBar::ThumbOffset() const
{
    const auto& p = viewInfo_->Parts();
    return Horizontal() ? p.Thumb.left - p.FirstArrow.right : p.Thumb.top - p.FirstArrow.bottom;
}

void TcxScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    auto link = cxObjectLinkAdd(this);
    TCustomControl::MouseDown(button, shift, x, y);
    if (!link->Target || button != TMouseButton::mbLeft)
        return;
    const TcxScrollBarPart part = PartAt(x, y);
    if (part == sbpNone)
        return;
    pressedPart_ = hotPart_ = part;
    if (part == sbpThumbnail) {
        mouseDown_ = POINT{x, y};
        savedPosition_ = range_.Position;
        const auto& thumb = viewInfo_->Parts().Thumb;
        savedThumbTopLeft_ = POINT{thumb.left, thumb.top};
        if (!ScrollByCode(scTrack))
            return;
    } else {
        if (!ScrollByCode(CodeOfPart(part)))
            return;
        timer_->SetInterval(kFirstDelay);
        timer_->SetEnabled(true);
    }
    Invalidate();
}

void TcxScrollBar::TimerTick()
{
    if (GetCapture() != Handle() || !Repeats(pressedPart_)) {
        StopTracking();
        return;
    }
    if (timer_->Interval() == kFirstDelay)
        timer_->SetInterval(kRepeatDelay);
    if (!ScrollByCode(CodeOfPart(pressedPart_)))
        return;
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(Handle(), &p);
    timer_->SetEnabled(PartAt(p.x, p.y) == pressedPart_);
}

void TcxScrollBar::DragThumb(int x, int y)
{
    const TRect area = cxScrollBarTrackingArea(TRect{0, 0, Width(), Height()}, Horizontal());
    const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
    if (!inside && !unlimitedTracking_) {
        auto link = cxObjectLinkAdd(this);
        SetPosition(savedPosition_);
        if (link->Target && ScrollByCode(scTrack))
            Invalidate();
        return;
    }
    const auto& p = viewInfo_->Parts();
    const int trackStart = Horizontal() ? p.FirstArrow.right : p.FirstArrow.bottom;
    const int saved = Horizontal() ? savedThumbTopLeft_.x : savedThumbTopLeft_.y;
    const int moved = Horizontal() ? x - mouseDown_.x : y - mouseDown_.y;
    viewInfo_->MoveThumb(saved - trackStart + moved);
    const int length = Horizontal() ? p.Thumb.right - p.Thumb.left : p.Thumb.bottom - p.Thumb.top;
    const int position = cxScrollBarPositionFromThumb(range_, ThumbOffset(), TrackLength(), length);
    if (position != range_.Position) {
        range_.Position = position;
        if (!ScrollByCode(scTrack))
            return;
    }
    Invalidate();
}

void TcxScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    if (pressedPart_ == sbpThumbnail) {
        DragThumb(x, y);
        return;
    }
    TCustomControl::MouseMove(shift, x, y);
    const TcxScrollBarPart part = PartAt(x, y);
    if (pressedPart_ != sbpNone)
        timer_->SetEnabled(part == pressedPart_);
    if (part != hotPart_) {
        hotPart_ = part;
        if (HotTracks() || pressedPart_ != sbpNone)
            Invalidate();
    }
}

void TcxScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto link = cxObjectLinkAdd(this);
    TCustomControl::MouseUp(button, shift, x, y);
    if (link->Target && StopTracking())
        hotPart_ = PartAt(x, y);
}

bool TcxScrollBar::StopTracking()
{
    if (pressedPart_ == sbpNone)
        return true;
    if (pressedPart_ == sbpThumbnail && !ScrollByCode(scPosition))
        return false;
    timer_->SetEnabled(false);
    pressedPart_ = hotPart_ = sbpNone;
    if (!ScrollByCode(scEndScroll))
        return false;
    Recalculate();
    Invalidate();
    return true;
}

void TcxScrollBar::MouseEnter()
{
    TCustomControl::MouseEnter();
    if (HotTracks() || Repeats(pressedPart_))
        Invalidate();
}

void TcxScrollBar::MouseLeave()
{
    TCustomControl::MouseLeave();
    if (pressedPart_ != sbpThumbnail) {
        hotPart_ = sbpNone;
        Invalidate();
    }
}

void TcxScrollBar::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Recalculate();
    if (!Enabled() && !StopTracking())
        return;
    Invalidate();
}

void TcxScrollBar::VisibleChanged()
{
    TCustomControl::VisibleChanged();
    if (!Visible())
        StopTracking();
}

const TMessageMap& TcxScrollBar::Messages() const
{
    static const TMessageMap map(TCustomControl::Messages(), {
                                                                 {WM_CANCELMODE, &TcxScrollBar::WMCancelMode},
                                                                 {WM_CAPTURECHANGED, &TcxScrollBar::WMCaptureChanged},
                                                                 {CN_HSCROLL, &TcxScrollBar::CNScroll},
                                                                 {CN_VSCROLL, &TcxScrollBar::CNScroll},
                                                                 {CM_CTL3DCHANGED, &TcxScrollBar::CMCtl3DChanged},
                                                                 {CM_SYSCOLORCHANGE, &TcxScrollBar::CMSysColorChange},
                                                                 {CN_CTLCOLORSCROLLBAR, &TcxScrollBar::CNCtlColorScrollBar},
                                                             });
    return map;
}

void TcxScrollBar::WMCancelMode(TMessage& m)
{
    DefaultHandler(m);
    StopTracking();
}

// Another window took the mouse: the press is over.
void TcxScrollBar::WMCaptureChanged(TMessage& m)
{
    DefaultHandler(m);
    if (reinterpret_cast<HWND>(m.LParam) != Handle())
        StopTracking();
}

void TcxScrollBar::CNScroll(TMessage& m)
{
    ScrollByCode(static_cast<TScrollCode>(LOBYTE(LOWORD(m.WParam))));
}

TcxButtonState TcxScrollBar::PartState(TcxScrollBarPart part) const
{
    if (!Enabled())
        return cxbsDisabled;
    if (part == sbpThumbnail && !HotTracks())
        return cxbsNormal;
    if (pressedPart_ != sbpNone)
        return part == pressedPart_ && part == hotPart_ ? cxbsPressed : cxbsNormal;
    return part == hotPart_ ? cxbsHot : cxbsNormal;
}

void TcxScrollBar::DrawPart(TcxCanvas& canvas, const TRect& r, TcxButtonState state, TcxScrollBarPart part)
{
    if (auto painter = Painter())
        painter->PaintScrollBarPart(canvas, Horizontal(), state, part, r);
}

void TcxScrollBar::DrawScrollBar(TcxCanvas& canvas)
{
    const auto& p = viewInfo_->Parts();
    if (!p.HasThumb())
        DrawPart(canvas, TRect{0, 0, Width(), Height()}, cxbsNormal, sbpPageUp);
    else
        DrawPart(canvas, p.Thumb, PartState(sbpThumbnail), sbpThumbnail);
    DrawPart(canvas, p.FirstArrow, PartState(sbpLineUp), sbpLineUp);
    DrawPart(canvas, p.SecondArrow, PartState(sbpLineDown), sbpLineDown);
    if (!cxRectIsEmpty(p.PageUp))
        DrawPart(canvas, p.PageUp, PartState(sbpPageUp), sbpPageUp);
    if (!cxRectIsEmpty(p.PageDown))
        DrawPart(canvas, p.PageDown, PartState(sbpPageDown), sbpPageDown);
}

void TcxScrollBar::Paint()
{
    if (bitmap_.Empty())
        return;
    DrawScrollBar(bitmapCanvas_);
    BitBlt(Canvas().Handle(), 0, 0, Width(), Height(), bitmap_.Canvas().Handle(), 0, 0, SRCCOPY);
}
