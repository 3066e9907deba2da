#include "editors/edit/container/cxcontainer.h"

#include <algorithm>

#include "classlib/form.h"
#include "editors/edit/container/cxcontainerutils.h"
#include "classlib/messages.h"
#include "editors/edit/container/cxcontainertheme.h"
#include "editors/foundation/core/cxgeometry.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"

namespace {

constexpr int kEditThemeClass = 3;
// The Office11 palette's selection and hot frame entry.
constexpr int kOffice11HotFrame = 21;

bool PointIn(const TRect& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

} // namespace

TcxContainer::TcxContainer(TComponent* owner) : TcxControl(owner)
{
    styles_ = TcxContainerStyles::Create(this, &TcxContainerStyle::Create);
    activeStyle_ = &styles_->StyleNormal();
    viewInfo_ = std::make_unique<TcxContainerViewInfo>();
    LookAndFeel().SetMaster(&styles_->StyleNormal().LookAndFeel());
    SetControlStyle(ControlStyle() | csCaptureMouse);
    SetTabStop(true);
    TControl::SetParentColor(false);
    {
        TFlagScope internal(Liveness(), internalSetting_);
        SetColor(clWindow);
    }
    styles_->SetOnChanged([this](TcxContainerStyle& style) { ApplyStyle(style); });
    creating_ = false;
}

void TcxContainer::SetStyleClass(TcxContainerStyleClass styleClass)
{
    LookAndFeel().SetMaster(nullptr);
    styles_->SetOnChanged(nullptr);
    styles_ = TcxContainerStyles::Create(this, styleClass);
    activeStyle_ = &styles_->StyleNormal();
    activeStyleState_ = csfNormal;
    LookAndFeel().SetMaster(&styles_->StyleNormal().LookAndFeel());
    styles_->SetOnChanged([this](TcxContainerStyle& style) { ApplyStyle(style); });
}

std::unique_ptr<TcxContainerViewInfo> TcxContainer::SetViewInfo(std::unique_ptr<TcxContainerViewInfo> viewInfo)
{
    std::swap(viewInfo_, viewInfo);
    viewInfoCalculated_ = false;
    return viewInfo;
}

TcxContainer::~TcxContainer()
{
    StopMouseLeaveTracking(&leaveTracker_);
    LookAndFeel().SetMaster(nullptr);
    styles_->SetOnChanged(nullptr);
    SetInnerControl(nullptr);
}

void TcxContainer::SetInnerControl(TWinControl* control)
{
    if (innerControl_ == control)
        return;
    if (innerControl_)
        innerControl_->RemoveFreeNotification(this);
    innerControl_ = control;
    if (innerControl_)
        innerControl_->FreeNotification(this);
    innerRegionWhole_ = true;
}

void TcxContainer::Notification(TComponent* component, TOperation operation)
{
    TcxControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == innerControl_)
        innerControl_ = nullptr;
}

TcxContainerStyle& TcxContainer::GetStyleForState(std::uint8_t state) const
{
    const int index = cxContainerStyleIndexForState(state, styles_->StyleNormal().HotTrack());
    return styles_->Style(static_cast<TcxContainerStyleState>(index));
}

TcxContainerStyle& TcxContainer::GetActiveStyle()
{
    if (activeStyleState_ != viewInfo_->ContainerState) {
        activeStyleState_ = viewInfo_->ContainerState;
        activeStyle_ = &GetStyleForState(activeStyleState_);
    }
    return *activeStyle_;
}

bool TcxContainer::IsFocusedNow() const
{
    HWND focus = GetFocus();
    return focus && ((HandleAllocated() && focus == Handle()) ||
                     (innerControl_ && innerControl_->HandleAllocated() && focus == innerControl_->Handle()));
}

bool TcxContainer::IsNativeStyle() const
{
    return styles_->StyleNormal().LookAndFeel().GetNativeStyle() && OpenTheme(kEditThemeClass) != 0;
}

bool TcxContainer::HasShadow()
{
    return GetActiveStyle().Shadow() && !IsNativeStyle();
}

std::optional<TColor> TcxContainer::ParentControlColor() const
{
    if (!Parent())
        return std::nullopt;
    return Parent()->Color();
}

TcxContainerFrame TcxContainer::Frame()
{
    TcxContainerStyle& active = GetActiveStyle();
    const TcxContainerStyle& normal = styles_->StyleNormal();
    TcxContainerFrame f;
    f.FrameStyle = viewInfo_->FrameStyle;
    f.NormalBorderStyle = normal.BorderStyle();
    f.FrameWidth = viewInfo_->FrameWidth;
    f.Edges = active.Edges();
    f.ActiveBorderShown = active.BorderShown();
    f.NormalBorderShown = normal.BorderShown();
    f.TransparentBorder = active.TransparentBorder();
    f.Themed = viewInfo_->ThemedLook;
    f.Skinned = viewInfo_->SkinPainter != nullptr;
    f.Shadow = viewInfo_->ShowShadow;
    f.Inplace = RunsInplace();
    return f;
}

TcxContainerInsets TcxContainer::GetContentInsets()
{
    TcxContainerFrame f = Frame();
    f.Shadow = HasShadow();
    return cxContainerContentInsets(f);
}

TRect TcxContainer::GetDrawBounds()
{
    TcxContainerFrame f = Frame();
    f.Edges = viewInfo_->FrameSides;
    return cxContainerDrawBounds(Width(), Height(), f);
}

void TcxContainer::ComputeStatePart(POINT p, bool hotTrackAllowed)
{
    TcxContainerViewInfo& vi = *viewInfo_;
    const bool hot = hotTrackAllowed && PointIn(GetDrawBounds(), p);
    vi.ContainerState = cxContainerStateOf({Enabled(), false, IsFocusedNow(), hot});
    TcxContainerStyle& active = GetActiveStyle();
    vi.HotState = cxContainerHotState(active.HotTrack(), vi.ContainerState);
    vi.FrameStyle = cxContainerDrawnFrameStyle(vi.ThemedLook, styles_->StyleNormal().BorderStyle(), active.BorderStyle());
}

void TcxContainer::ComputeViewInfo(POINT p, bool hotTrackAllowed)
{
    TcxContainerViewInfo& vi = *viewInfo_;
    vi.ThemedLook = IsNativeStyle();
    vi.SkinPainter = styles_->StyleNormal().LookAndFeel().SkinPainter();
    // A narrower border moves the draw bounds in: hover is judged again with them.
    const int oldWidth = GetContainerBorderWidth(vi.FrameStyle);
    ComputeStatePart(p, hotTrackAllowed);
    if (!vi.ThemedLook && GetContainerBorderWidth(vi.FrameStyle) < oldWidth)
        ComputeStatePart(p, hotTrackAllowed);

    if (vi.ThemedLook) {
        vi.ThemeClass = static_cast<std::uint8_t>(GetNativeThemeClass());
        vi.ThemePart = GetNativePart();
        vi.ThemeState = GetNativeState();
    }
    vi.OuterBounds = TRect{0, 0, Width(), Height()};
    vi.InnerRect = cxRectDeflatedByInsets(vi.OuterBounds, GetContentInsets());
    vi.ContentRect = vi.InnerRect;
    vi.FrameWidth = vi.SkinPainter ? 1 : GetContainerBorderWidth(vi.FrameStyle);
    vi.FrameSides = GetActiveStyle().Edges();
    vi.ShowShadow = HasShadow();
    vi.FrameColor = ComputeFrameColor();
    vi.BackgroundColor = ComputeBackgroundColor();
}

TColor TcxContainer::ComputeFrameColor()
{
    const TcxContainerViewInfo& vi = *viewInfo_;
    TcxContainerStyle& active = GetActiveStyle();
    const bool lit = cxContainerFrameHighlighted(vi.ContainerState, active.HotTrack(), false, Enabled());
    if (vi.SkinPainter)
        return vi.SkinPainter->EditBorderColor(lit);
    const TcxContainerBorderStyle styleBorder = active.BorderStyle();
    if (styleBorder != cbsUltraFlat && styleBorder != cbsOffice11)
        return active.BorderColor();
    if (!lit)
        return clBtnShadow;
    return styleBorder == cbsUltraFlat ? clHighlight : static_cast<TColor>(Office11Palette().Entries[kOffice11HotFrame]);
}

// A themed disabled container shows the theme's disabled fill unless its
// disabled style says otherwise.
TColor TcxContainer::ComputeBackgroundColor()
{
    const TcxContainerViewInfo& vi = *viewInfo_;
    if (vi.ThemedLook && (vi.ContainerState & csfDisabled) && !styles_->StyleDisabled().IsValueProvided(svColor))
        if (const auto fill = cxContainerThemeFillColor(vi.ThemeClass, vi.ThemePart, vi.ThemeState))
            return *fill;
    return GetActiveStyle().Color();
}

int TcxContainer::GetNativeThemeClass() const
{
    return kEditThemeClass;
}

int TcxContainer::GetNativeState() const
{
    return cxContainerNativeState(viewInfo_->ContainerState, IsReadOnlyLook());
}

void TcxContainer::PlaceInnerControl()
{
    if (!innerControl_)
        return;
    const TRect& r = viewInfo_->ContentRect;
    if (innerControl_->Left() == r.left && innerControl_->Top() == r.top &&
        innerControl_->Width() == r.right - r.left && innerControl_->Height() == r.bottom - r.top)
        return;
    const TLiveness alive = Liveness();
    {
        TFlagScope lock(alive, refreshLocked_);
        innerControl_->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    // Unaligned children do not realign their parent themselves.
    if (alive && innerControl_)
        Realign(innerControl_);
}

bool TcxContainer::UsesOwnBorder()
{
    return !(viewInfo_->ThemedLook && viewInfo_->FrameStyle != cbsNone);
}

bool TcxContainer::UpdateViewInfo(POINT p, TShiftState shift, bool isMouseEvent)
{
    if (refreshLocked_ || (ComponentState() & csDestroying))
        return true;
    const bool wasCalculated = viewInfoCalculated_;
    const TcxContainerViewInfo before = *viewInfo_;
    viewInfoCalculated_ = true;
    ComputeViewInfo(p, shift == 0 && GetActiveStyle().HotTrack());
    PlaceInnerControl();
    SyncInnerControlAppearance();
    // The mouse moving over the control mostly changes nothing drawn: then
    // no new region and no repaint.
    if (!(isMouseEvent && wasCalculated && viewInfo_->SameAs(before))) {
        UpdateWindowRegion();
        if (HandleAllocated() && !innerControl_)
            Invalidate();
        else if (HandleAllocated())
            InvalidateRectExcept(Handle(), viewInfo_->OuterBounds, viewInfo_->InnerRect);
    }
    if (viewInfo_->ContainerState & csfHot)
        StartHoverTracking();
    return true;
}

TcxContainerRegion TcxContainer::NewWindowRegion()
{
    if (!UsesOwnBorder())
        return {};
    const TRect r =
        cxContainerControlRect(viewInfo_->OuterBounds, GetContentInsets(), viewInfo_->FrameStyle, viewInfo_->FrameSides);
    TcxContainerRegion region(r);
    if (viewInfo_->ShowShadow)
        region.Unite(cxRectOffsetBy(r, cxContainerShadowSize, cxContainerShadowSize));
    return region;
}

void TcxContainer::UpdateWindowRegion()
{
    if (!HandleAllocated())
        return;
    TcxContainerRegion region = NewWindowRegion();
    TcxContainerRegion current(TRect{});
    const bool hasCurrent = GetWindowRgn(Handle(), current.Handle()) != ERROR;
    const bool differs = region ? !hasCurrent || !EqualRgn(region.Handle(), current.Handle()) : hasCurrent;
    // The window owns a region once it is set.
    if ((region || hasCurrent) && differs)
        region.GiveToWindow(Handle(), true);
}

void TcxContainer::RefreshAtCursor(bool isMouseEvent)
{
    if (!HandleAllocated() || (ComponentState() & csDestroying) || refreshing_)
        return;
    const TLiveness alive = Liveness();
    TFlagScope guard(alive, refreshing_);
    POINT p = ReadCursorPos();
    if (IsControlWindow(this, WindowFromPoint(p), true))
        ScreenToClient(Handle(), &p);
    else
        p = POINT{-1, -1};
    UpdateViewInfo(p, GetMouseShiftState(), isMouseEvent);
}

void TcxContainer::Loaded()
{
    TcxControl::Loaded();
    ApplyStyle(styles_->StyleNormal());
}

void TcxContainer::Resize()
{
    TcxControl::Resize();
    if (!creating_) {
        refreshing_ = false;
        RefreshAtCursor();
    }
}

void TcxContainer::FocusChanged()
{
    TcxControl::FocusChanged();
    RefreshAtCursor();
}

void cxPopupOwnerFocusChanged(TcxContainer& container)
{
    container.FocusChanged();
}

void TcxContainer::SetFocus()
{
    if (IsFocusedNow())
        return;
    const TLiveness alive = Liveness();
    TcxControl::SetFocus();
    if (!alive || GetFocus() != Handle() || !innerControl_ || !innerControl_->HandleAllocated())
        return;
    FocusInnerControl();
    if (TForm* form = alive && innerControl_ ? ParentForm() : nullptr)
        form->FocusControl(innerControl_);
}

void TcxContainer::FocusInnerControl()
{
    if (innerControl_)
        innerControl_->SetFocus();
}

void TcxContainer::KeyDown(WORD& key, TShiftState shift)
{
    const TLiveness alive = Liveness();
    TcxControl::KeyDown(key, shift);
    if (!alive || key != VK_TAB || (shift & (ssAlt | ssCtrl)) || !Focused() || !MovesFocusOnTab())
        return;
    key = 0;
    TForm* form = ParentForm();
    if (!form)
        return;
    form->SelectNext(form->ActiveControl(), !(shift & ssShift), true);
    // Tab came round to the container itself: its inner control takes the focus.
    if (alive && innerControl_ && HandleAllocated() && GetFocus() == Handle())
        FocusInnerControl();
}

void TcxContainer::GetTabOrderList(std::vector<TControl*>& list) const
{
    if (!innerControl_)
        return;
    TForm* form = ParentForm();
    if (form && form->ActiveControl() == innerControl_)
        std::replace(list.begin(), list.end(), static_cast<TControl*>(const_cast<TcxContainer*>(this)),
                     static_cast<TControl*>(innerControl_));
}

void TcxContainer::WndProc(TMessage& m)
{
    HWND inner = innerControl_ && innerControl_->HandleAllocated() ? innerControl_->Handle() : nullptr;
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
        if (inner) {
            m.Result = SendMessageA(inner, m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    case WM_SETFOCUS:
        if (!Visible())
            return;
        // Back from the inner window: the container does not take it.
        if (inner && reinterpret_cast<HWND>(m.WParam) == inner) {
            m.Result = 0;
            return;
        }
        if (inner) {
            const TLiveness alive = Liveness();
            TcxControl::WndProc(m);
            if (alive && innerControl_ && innerControl_->CanFocus())
                FocusInnerControl();
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (DragMode() == TDragMode::dmAutomatic) {
            BeginDrag(false);
            return;
        }
        break;
    case WM_KILLFOCUS:
        if (inner && reinterpret_cast<HWND>(m.WParam) == inner) {
            m.Result = 0;
            return;
        }
        break;
    }
    TcxControl::WndProc(m);
}

void TcxContainer::AdjustClientRect(RECT& rect)
{
    if (!(ComponentState() & csDestroying))
        rect = viewInfo_->ContentRect;
}

void TcxContainer::AlignControls(TControl* control, RECT& rect)
{
    if (IsInternalControl(control))
        return;
    const TLiveness alive = Liveness(), controlAlive = control ? control->Liveness() : TLiveness();
    TcxControl::AlignControls(control, rect);
    auto* window = dynamic_cast<TWinControl*>(control);
    if (!alive || !controlAlive || creating_ || !window || !window->HandleAllocated())
        return;
    const TRect bounds{window->Left(), window->Top(), window->Left() + window->Width(),
                       window->Top() + window->Height()};
    const TcxVisiblePart part = cxInnerControlVisiblePart(bounds, rect);
    const bool inner = window == innerControl_;
    const bool changed = !inner || innerRegionWhole_ != part.Whole ||
                         (!part.Whole && !cxRectSame(innerRegionRect_, part.Rect));
    if (!changed)
        return;
    TcxContainerRegion clip = part.Whole ? TcxContainerRegion() : TcxContainerRegion(part.Rect);
    clip.GiveToWindow(window->Handle(), true);
    if (inner) {
        innerRegionWhole_ = part.Whole;
        innerRegionRect_ = part.Rect;
    }
}
