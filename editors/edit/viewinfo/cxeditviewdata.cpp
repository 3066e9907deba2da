#include "editors/edit/viewinfo/cxeditviewdata.h"

#include <algorithm>
#include <climits>

#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/container/cxcontainerstate.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/cxeditutils.h"
#include "editors/foundation/system/cxdwmapi.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

// Theme class indexes of the theme manager.
constexpr int kButtonThemeClass = 0, kComboBoxThemeClass = 2, kEditThemeClass = 3;
// Theme parts: the push button, the combo box's drop-down button and its
// right- and left-aligned forms on a composited desktop, the edit text.
constexpr int kThemePushButton = 1, kThemeDropDownButton = 1, kThemeDropDownButtonRight = 6,
              kThemeDropDownButtonLeft = 7;
// The same theme state of both parts for each button state.
constexpr int kThemeStateOf[] = {/*ebsDisabled*/ 4, /*ebsNormal*/ 1, /*ebsPressed*/ 3, /*ebsHot*/ 2};
// What a button view information's bounds look like when it gets none.
constexpr TRect kUnbounded{0, 0, INT_MAX, INT_MAX};

bool Contains(const TRect& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

TRect Intersection(const TRect& a, const TRect& b)
{
    TRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (r.right < r.left || r.bottom < r.top)
        return TRect{r.left, r.top, r.left, r.top};
    return r;
}

// The popup border of an editor without one of its own: minimal tables,
// as no popup exists yet.
TcxEditPopupBorderStyle PopupBorderForKind(TcxLookAndFeelKind kind)
{
    switch (kind) {
    case lfStandard:
        return epbsFrame3D;
    case lfFlat:
        return epbsFlat;
    default:
        return epbsSingle;
    }
}

TcxEditPopupBorderStyle PopupBorderForBorder(TcxContainerBorderStyle style)
{
    switch (style) {
    case cbs3D:
        return epbsFrame3D;
    case cbsFlat:
        return epbsFlat;
    default:
        return epbsSingle;
    }
}

std::vector<TcxButtonSlot> SlotsOf(const TcxCustomEditViewInfo& vi, bool stretched)
{
    std::vector<TcxButtonSlot> slots;
    for (const auto& b : vi.ButtonsInfo)
        slots.push_back({b->Bounds, b->LeftAlignment && !stretched, b->Stretchable});
    return slots;
}

} // namespace

TcxCustomEditViewData::TcxCustomEditViewData(TcxCustomEditProperties& properties, TcxCustomEditStyle* style,
                                             bool inplace)
    : properties_(&properties), style_(style), inplace_(inplace)
{
}

std::unique_ptr<TcxCustomEditViewData> TcxCustomEditViewData::Create(TcxCustomEditProperties& properties,
                                                                     TcxCustomEditStyle* style, bool inplace)
{
    auto data = std::make_unique<TcxCustomEditViewData>(properties, style, inplace);
    data->LoadProperties();
    return data;
}

bool TcxCustomEditViewData::IsNativeStyle() const
{
    return EditStyle().LookAndFeel().GetNativeStyle() && OpenTheme(kEditThemeClass) != 0;
}

void TcxCustomEditViewData::ResolveButtonThemePart(TcxEditButtonViewInfo& button)
{
    button.ThemeClass = 0;
    button.Data.NativePart = 0;
    button.Data.NativeState = 0;
    button.BackgroundPartiallyTransparent = false;
    if (!button.NativeStyle)
        return;
    const bool dropDown = button.OnlyDropDownButton;
    button.ThemeClass = dropDown ? kComboBoxThemeClass : kButtonThemeClass;
    if (dropDown && !inplace_ && cxDesktopCompositionActive())
        button.Data.NativePart = button.LeftAlignment ? kThemeDropDownButtonLeft : kThemeDropDownButtonRight;
    else
        button.Data.NativePart = dropDown ? kThemeDropDownButton : kThemePushButton;
    button.Data.NativeState = kThemeStateOf[button.Data.State];
    if (const TdxTheme theme = OpenTheme(button.ThemeClass))
        button.BackgroundPartiallyTransparent = dxUxTheme::IsThemeBackgroundPartiallyTransparent(
            reinterpret_cast<dxUxTheme::HTHEME>(theme), button.Data.NativePart, button.Data.NativeState);
}

void TcxCustomEditViewData::LoadProperties()
{
    ButtonsCount = EditProperties().Buttons().VisibleCount();
}

TSize TcxCustomEditViewData::GetExtraContentSize() const
{
    return cxMakeSize(0, 0);
}

std::uint8_t TcxCustomEditViewData::MouseStateOf(const TRect& bounds, POINT p) const
{
    TcxContainerStateInput input;
    input.Enabled = ViewState.Enabled;
    input.Designing = ViewState.Designing;
    input.Focused = ViewState.Focused;
    // The capture is asked only for a point inside: under Wine the call
    // costs more than the rest of Compute.
    if (Contains(bounds, p)) {
        const HWND capture = GetCapture();
        input.Hot = !capture || capture == WindowHandle;
    }
    return cxContainerStateOf(input);
}

bool TcxCustomEditViewData::ShowsButtons(std::uint8_t state) const
{
    if (state & csfFocused)
        return true;
    const TcxEditButtonTransparency t = EditStyle().ButtonTransparency();
    return t != ebtHideInactive && (t != ebtHideUnselected || (state & csfHot));
}

bool TcxCustomEditViewData::ButtonsStretched(const TRect& bounds) const
{
    const std::uint8_t kind = EditProperties().ButtonsStyleKind();
    if (!inplace_)
        return kind == 1;
    return kind != 0 && bounds.right != INT_MAX;
}

void TcxCustomEditViewData::Compute(TcxCanvas& canvas, const TRect& bounds, POINT p, int pressedButton,
                                    TShiftState shift, TcxCustomEditViewInfo& vi)
{
    TcxCustomEditStyle& style = EditStyle();
    ComputeState = MouseStateOf(bounds, p);
    vi.ContainerState = ComputeState;
    vi.HotState = cxContainerHotState(style.HotTrack() && !ViewState.Designing && !inplace_, ComputeState);
    vi.ThemedLook = IsNativeStyle();
    vi.BorderStyle = inplace_ || !vi.ThemedLook ? BorderStyleOf() : style.BaseStyle().BorderStyle();
    vi.SkinPainter = style.LookAndFeel().SkinPainter();
    vi.FrameStyle = cxContainerDrawnFrameStyle(vi.ThemedLook, style.BaseStyle().BorderStyle(), vi.BorderStyle);
    vi.FrameWidth = vi.SkinPainter ? 1 : GetContainerBorderWidth(vi.FrameStyle);
    vi.FrameSides = style.Edges();

    vi.OuterBounds = bounds;
    vi.Edit = Edit;
    vi.Inplace = inplace_;
    vi.IsDesigning = ViewState.Designing;
    vi.InnerEditVisible = ViewState.InnerEdit;
    vi.Font = style.DirectAccessMode() ? style.Font() : &style.VisibleFont();
    vi.ShowShadow = HasShadow();
    vi.WindowHandle = WindowHandle;
    vi.Transparent = EditProperties().TransparentBackground();

    // The themed edit frame's part and state, meaningful only when themed.
    vi.ThemeClass = vi.ThemedLook ? kEditThemeClass : 0;
    vi.ThemePart = vi.ThemedLook ? 1 : 0;
    vi.ThemeState = vi.ThemedLook ? cxContainerNativeState(ComputeState, false) : 0;
    vi.BorderColor = BorderColorOf();
    vi.FrameColor = vi.BorderColor;
    vi.BackgroundColor = BackgroundColor != clDefault ? BackgroundColor : style.Color();

    vi.InnerRect = cxRectDeflatedByInsets(bounds, GetBorderExtent());
    // The shadow falls from the frame: the bounds less the shadow itself.
    vi.ShadowRect = vi.ShowShadow ? cxRectDeflatedByInsets(bounds, {0, 0, cxContainerShadowSize, cxContainerShadowSize})
                                  : TRect{};

    ComputeButtonsLayout(canvas, vi, pressedButton, shift, p);
    vi.ContentRect = ComputeClientBounds(bounds, vi);
    vi.InnerEditRect = vi.ContentRect;

    vi.PopupBorderStyle = style.PopupBorderStyle();
    if (vi.PopupBorderStyle == epbsDefault) {
        const TcxLookAndFeelKind kind = style.LookAndFeel().GetKind();
        if (Edit || (vi.ButtonCount() > 0 && vi.BorderStyle == cbsNone))
            vi.PopupBorderStyle = PopupBorderForKind(kind);
        else
            vi.PopupBorderStyle = PopupBorderForBorder(vi.BorderStyle);
    }
}

void TcxCustomEditViewData::ComputeButtonsLayout(TcxCanvas& canvas, TcxCustomEditViewInfo& vi, int pressedButton,
                                                 TShiftState shift, POINT p)
{
    OuterButtons = {};
    vi.OuterButtons = {};
    vi.PressedButton = vi.HotButton = -1;
    const TcxEditButtons& buttons = EditProperties().Buttons();
    const int count = buttons.VisibleCount();
    if (count == 0 || !ShowsButtons(ComputeState)) {
        vi.SetButtonCount(0);
        return;
    }
    vi.SetButtonCount(count);

    // The visible buttons in collection order, filled from the last to the first.
    TRect space = vi.InnerRect;
    bool fontSet = false;
    for (int i = buttons.Count() - 1, v = count - 1; i >= 0; --i) {
        const TcxEditButton& button = *buttons.Items(i);
        if (!button.Visible())
            continue;
        TcxEditButtonViewInfo& info = vi.Button(v);
        if (button.Kind() == bkText && !fontSet && vi.Font) {
            canvas.SetFont(*vi.Font);
            fontSet = true;
        }
        info.Index = i;
        info.Data.State = ebsNormal;
        FillButtonViewInfo(vi, button, info);
        SetButtonBounds(canvas, vi, space, v);
        --v;
    }
    ButtonsStretchable = ButtonsStretched(vi.OuterBounds);
    if (ButtonsStretchable && space.right > space.left && space.bottom > space.top)
        StretchButtons(vi, cxSpanWidth(space));

    const bool leftDown = shift & ssLeft;
    for (int i = 0; i < count; ++i) {
        TcxEditButtonViewInfo& info = vi.Button(i);
        info.VisibleBounds = Intersection(info.Bounds, vi.InnerRect);
        const bool over = !ViewState.Designing && Contains(info.VisibleBounds, p);
        if (!ViewState.Enabled || !buttons.Items(info.Index)->Enabled())
            info.Data.State = ebsDisabled;
        else if (leftDown && (pressedButton == i || (pressedButton < 0 && over))) {
            info.Data.State = ebsPressed;
            vi.PressedButton = i;
        } else if (over) {
            info.Data.State = ebsHot;
            vi.HotButton = i;
        } else
            info.Data.State = ebsNormal;
        ResolveButtonThemePart(info);
    }

    for (int i = 0; i < count; ++i) {
        const TcxEditButtonViewInfo& info = vi.Button(i);
        const bool left = info.LeftAlignment && !ButtonsStretchable;
        int& first = left ? OuterButtons.LeftFirst : OuterButtons.RightFirst;
        int& last = left ? OuterButtons.LeftLast : OuterButtons.RightLast;
        if (first < 0 || info.Bounds.left < vi.Button(first).Bounds.left)
            first = i;
        if (last < 0 || info.Bounds.right >= vi.Button(last).Bounds.right)
            last = i;
    }
    vi.OuterButtons = OuterButtons;
}

void TcxCustomEditViewData::SetButtonBounds(TcxCanvas& canvas, TcxCustomEditViewInfo& vi, TRect& space, int index)
{
    TcxEditButtonViewInfo& info = vi.Button(index);
    const int width = cxCalcEditButtonWidth(canvas, info);
    info.Bounds = cxPlaceButton(space, width, info.LeftAlignment && !ButtonsStretched(vi.OuterBounds));
}

void TcxCustomEditViewData::FillButtonViewInfo(TcxCustomEditViewInfo& vi, const TcxEditButton& button,
                                               TcxEditButtonViewInfo& info)
{
    const TcxCustomEditStyle& style = EditStyle();
    info.Kind = button.Kind();
    if (info.Kind == bkText) {
        info.Caption = button.Caption();
        info.VisibleCaption = button.VisibleCaption();
        info.TextColor = TextColor != clDefault ? TextColor : button.TextColor();
    }
    info.ContentAlignment = button.ContentAlignment();
    info.Default = button.Default();
    info.Glyph = button.HasGlyph() ? &button.Glyph() : nullptr;
    info.Style = style.ButtonStyle();
    info.NativeStyle = vi.ThemedLook;
    info.SkinPainter = vi.SkinPainter;
    info.Gradient = style.GradientButtons();
    info.Inplace = inplace_;
    info.LeftAlignment = button.LeftAlignment();
    info.Stretchable = button.Stretchable();
    info.Width = button.Width();
    if (info.Width == 0 && DefaultButtonWidthHandler)
        info.Width = DefaultButtonWidthHandler(*this, info.Index);
    const TcxEditButtonTransparency transparency = style.ButtonTransparency();
    info.Data.Transparent = transparency == ebtAlways ||
                            (transparency == ebtInactive && !(ComputeState & (csfFocused | csfHot)));
    info.TransparentColor = vi.BackgroundColor;
    info.OnlyDropDownButton = vi.ButtonCount() == 1 && info.Kind == bkDown;
}

void TcxCustomEditViewData::StretchButtons(TcxCustomEditViewInfo& vi, std::int64_t extraWidth)
{
    if (!ButtonsStretched(vi.OuterBounds) || extraWidth <= 0)
        return;
    std::vector<TcxButtonSlot> slots = SlotsOf(vi, true);
    cxStretchButtons(slots, extraWidth);
    for (int i = 0; i < vi.ButtonCount(); ++i)
        vi.Button(i).Bounds = slots[i].Bounds;
}

bool TcxCustomEditViewData::IsBorderActive() const
{
    return (ComputeState & csfFocused) || ((ComputeState & csfHot) && EditStyle().HotTrack());
}

TColor TcxCustomEditViewData::BorderColorOf() const
{
    const TcxCustomEditStyle& style = EditStyle();
    if (const auto skin = style.LookAndFeel().SkinPainter())
        return skin->EditBorderColor(IsBorderActive());
    const TcxContainerBorderStyle border = style.BorderStyle();
    if (border != cbsUltraFlat && border != cbsOffice11)
        return style.BorderColor();
    return IsBorderActive() ? cxSelectionColor(border == cbsOffice11) : clBtnShadow;
}

TcxContainerInsets TcxCustomEditViewData::GetBorderExtent() const
{
    if (inplace_)
        return {};
    const TcxCustomEditStyle& style = EditStyle();
    TcxContainerFrame frame;
    frame.FrameStyle = BorderStyleOf();
    frame.ActiveBorderShown = frame.FrameStyle != cbsNone;
    frame.Edges = style.Edges();
    frame.TransparentBorder = style.TransparentBorder();
    frame.Skinned = style.LookAndFeel().SkinPainter() != nullptr;
    frame.Shadow = HasShadow();
    return cxContainerContentInsets(frame);
}

TcxContainerBorderStyle TcxCustomEditViewData::BorderStyleOf() const
{
    return inplace_ ? cbsNone : EditStyle().BorderStyle();
}

TcxButtonsExtent TcxCustomEditViewData::GetButtonsExtent(const TcxCustomEditViewInfo& vi) const
{
    return cxButtonsExtent(SlotsOf(vi, ButtonsStretched(vi.OuterBounds)));
}

TRect TcxCustomEditViewData::ComputeClientBounds(const TRect& bounds, const TcxCustomEditViewInfo& vi) const
{
    TcxContainerInsets insets = GetBorderExtent();
    auto grow = [](int& side, int by) { side = static_cast<int>(std::min<std::int64_t>(std::int64_t{side} + by, INT_MAX)); };
    if (vi.ButtonCount() > 0 && !inplace_) {
        const TcxButtonsExtent buttons = GetButtonsExtent(vi);
        grow(insets.Left, buttons.Left);
        grow(insets.Right, buttons.Right);
    }
    if (ViewState.HorzScrollBar)
        grow(insets.Bottom, GetSystemMetrics(SM_CYHSCROLL));
    if (ViewState.VertScrollBar)
        grow(insets.Right, GetSystemMetrics(SM_CXVSCROLL));
    return cxRectDeflatedByInsets(bounds, insets);
}

bool TcxCustomEditViewData::HasShadow() const
{
    return !inplace_ && cxEditShadowVisible(EditStyle());
}

TSize TcxCustomEditViewData::GetEditSize(TcxCanvas& canvas, const TcxEditSizeLimits& limits)
{
    std::unique_ptr<TcxCustomEditViewInfo> vi = EditProperties().ViewInfoClassOf()();
    Compute(canvas, kUnbounded, POINT{-1, -1}, -1, 0, *vi);

    TcxEditSizeParts parts;
    if (EditProperties().ButtonsStyleKind() != 0) {
        const TcxContainerInsets& m = ContentParams.Margins;
        if (vi->Font)
            canvas.SetFont(*vi->Font);
        parts.Content = cxMakeSize(m.Left + m.Right, m.Top + m.Bottom + canvas.TextHeight("Zg"));
    } else
        parts.Content = GetExtraContentSize();
    parts.Border = GetBorderExtent();
    parts.Buttons = GetButtonsExtent(*vi);

    int tallest = 0;
    for (const auto& b : vi->ButtonsInfo) {
        if (cxIsBitmapUsable(b->Glyph))
            tallest = std::max(tallest, b->Glyph->Height());
        if (inplace_ && b->Kind == bkText && vi->Font) {
            canvas.SetFont(*vi->Font);
            tallest = std::max(tallest, canvas.TextHeight(b->VisibleCaption));
        }
    }
    if (vi->ButtonCount() > 0) {
        if (!vi->SkinPainter)
            tallest += cxEditButtonContentMargins(vi->ThemedLook);
        tallest += cxEditFrameHeight(vi->BorderStyle, vi->ThemedLook);
    }
    parts.ButtonsHeight = tallest;
    parts.Limits = limits;
    parts.ApplyLimits = !ViewState.Designing;
    return cxEditSize(parts);
}
