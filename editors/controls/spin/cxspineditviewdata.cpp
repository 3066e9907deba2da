#include "editors/controls/spin/cxspineditviewdata.h"

#include "editors/controls/spin/cxspinedit.h"
#include "editors/edit/viewinfo/cxeditutils.h"
#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxthememanager.h"

namespace {

// The spin parts' and push buttons' states follow the button states:
// disabled, normal, pressed, hot.
constexpr int kThemeStateOf[] = {4, 1, 3, 2};

} // namespace

int cxSpinThemePart(TcxArrowDirection direction)
{
    switch (direction) {
    case adUp:
        return 1;
    case adDown:
        return 2;
    case adRight:
        return 3;
    default:
        return 4;
    }
}

void cxSpinSetButtonState(TcxEditButtonViewInfo& button, TcxEditButtonState state)
{
    button.Data.State = state;
    if (button.Data.NativePart != 0)
        button.Data.NativeState = kThemeStateOf[state];
}

std::unique_ptr<TcxCustomEditViewData> TcxSpinEditViewData::Create(TcxCustomEditProperties& properties,
                                                                   TcxCustomEditStyle* style, bool inplace)
{
    auto data = std::make_unique<TcxSpinEditViewData>(properties, style, inplace);
    data->LoadProperties();
    return data;
}

TcxSpinEditButtonsPosition TcxSpinEditViewData::Position() const
{
    const auto* spin = dynamic_cast<const TcxCustomSpinEditProperties*>(&EditProperties());
    return spin ? spin->SpinButtons().Position() : sbpVert;
}

void TcxSpinEditViewData::ComputeButtonsLayout(TcxCanvas& canvas, TcxCustomEditViewInfo& vi, int pressedButton,
                                               TShiftState shift, POINT p)
{
    laidOut_ = false;
    extent_ = {};
    if (auto* spinInfo = dynamic_cast<TcxSpinEditViewInfo*>(&vi))
        spinInfo->Position = Position();
    TcxCustomTextEditViewData::ComputeButtonsLayout(canvas, vi, pressedButton, shift, p);
    const auto* spin = dynamic_cast<const TcxCustomSpinEdit*>(Edit);
    const int held = spin ? spin->PressedSpinButton() : -1;
    for (int i = 0; held >= 0 && i < vi.ButtonCount(); ++i) {
        TcxEditButtonViewInfo& info = vi.Button(i);
        if (info.Index == held && info.Data.State != ebsDisabled && info.Data.State != ebsPressed) {
            info.Data.State = ebsPressed;
            ResolveButtonThemePart(info);
        }
    }
}

void TcxSpinEditViewData::SetButtonBounds(TcxCanvas& canvas, TcxCustomEditViewInfo& vi, TRect& space, int index)
{
    if (laidOut_)
        return;
    laidOut_ = true;
    const auto* spin = dynamic_cast<const TcxCustomSpinEditProperties*>(&EditProperties());
    if (!spin) {
        TcxCustomTextEditViewData::SetButtonBounds(canvas, vi, space, index);
        return;
    }
    TcxSpinButtonsRequest request;
    request.Space = space;
    request.ButtonWidth = cxCalcEditButtonWidth(canvas, vi.Button(index));
    request.Position = spin->SpinButtons().Position();
    request.ShowFastButtons = vi.ButtonCount() == 4;
    request.Visible = vi.ButtonCount() > 0;
    request.NativeStyle = vi.ThemedLook;
    const TcxSpinButtonsLayout layout = cxLayoutSpinButtons(request);
    for (int i = 0; i < vi.ButtonCount(); ++i) {
        TcxEditButtonViewInfo& info = vi.Button(i);
        // Visible buttons keep collection order, so the view index is the kind.
        info.Bounds = layout.Buttons[i];
        info.LeftAlignment = info.Bounds.right <= layout.Content.left;
    }
    extent_ = {layout.Content.left - space.left, space.right - layout.Content.right};
    space = layout.Content;
}

TcxButtonsExtent TcxSpinEditViewData::GetButtonsExtent(const TcxCustomEditViewInfo& vi) const
{
    if (!laidOut_)
        return TcxCustomTextEditViewData::GetButtonsExtent(vi);
    return extent_;
}

void TcxSpinEditViewData::ResolveButtonThemePart(TcxEditButtonViewInfo& button)
{
    TcxCustomTextEditViewData::ResolveButtonThemePart(button);
    const auto kind = static_cast<TcxSpinButtonKind>(button.Index);
    if (!button.NativeStyle || cxSpinArrowDoubled(kind) || !OpenTheme(kSpinThemeClass))
        return;
    button.ThemeClass = kSpinThemeClass;
    button.Data.NativePart = cxSpinThemePart(cxSpinArrowDirection(Position(), kind));
    button.Data.NativeState = kThemeStateOf[button.Data.State];
    button.BackgroundPartiallyTransparent = false;
}

void TcxSpinEditViewInfo::Assign(const TcxContainerViewInfo& source)
{
    TcxCustomTextEditViewInfo::Assign(source);
    if (const auto* spin = dynamic_cast<const TcxSpinEditViewInfo*>(&source))
        Position = spin->Position;
}

void TcxSpinEditViewInfo::DrawButtonContent(TcxCanvas& canvas, int index, const TcxEditButtonFace& face)
{
    const TcxEditButtonViewInfo& button = Button(index);
    if (button.ThemeClass == kSpinThemeClass && button.Data.NativePart != 0)
        return;
    TRect r = face.ContentRect;
    if (cxRectIsEmpty(r))
        return;
    if (button.Data.State == ebsPressed)
        r = cxRectOffsetBy(r, 1, 1);
    const auto kind = static_cast<TcxSpinButtonKind>(button.Index);
    const TcxArrowDirection direction = cxSpinArrowDirection(Position, kind);
    auto draw = [&](const TRect& where, TColor color) {
        const TcxCustomLookAndFeelPainter& painter = TcxStandardLookAndFeelPainter::Instance;
        if (!cxSpinArrowDoubled(kind)) {
            painter.PaintArrow(canvas, where, color, direction);
            return;
        }
        // Two arrows one behind the other along their direction.
        const bool vertical = direction == adUp || direction == adDown;
        TRect first = where, second = where;
        if (vertical)
            first.bottom = second.top = (where.top + where.bottom) / 2;
        else
            first.right = second.left = (where.left + where.right) / 2;
        painter.PaintArrow(canvas, first, color, direction);
        painter.PaintArrow(canvas, second, color, direction);
    };
    if (button.Data.State == ebsDisabled) {
        draw(cxRectOffsetBy(r, 1, 1), clBtnHighlight);
        draw(r, clBtnShadow);
    } else {
        draw(r, face.ContentColor);
    }
}
