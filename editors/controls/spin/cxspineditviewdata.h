// A spin editor's view: its buttons placed by the spin layout (a column of
// two halves, or side by side), the held one shown pressed, and arrows
// drawn by the painter or, natively, as the theme's spin parts.
#pragma once

#include <memory>

#include "editors/controls/spin/cxspinbuttonlayout.h"
#include "editors/controls/text/cxtexteditviewdata.h"
#include "editors/controls/text/cxtexteditviewinfo.h"

class TcxSpinEditViewData : public TcxCustomTextEditViewData {
public:
    using TcxCustomTextEditViewData::TcxCustomTextEditViewData;
    static std::unique_ptr<TcxCustomEditViewData> Create(TcxCustomEditProperties& properties,
                                                         TcxCustomEditStyle* style, bool inplace);

    // The held button (by the mouse or its key) shows pressed.
    void ComputeButtonsLayout(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo, int pressedButton,
                              TShiftState shift, POINT p) override;
    // The first call lays every spin button out at once; later calls find them placed.
    void SetButtonBounds(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo, TRect& space, int index) override;
    // The forward and backward buttons as the theme's spin parts.
    void ResolveButtonThemePart(TcxEditButtonViewInfo& button) override;
    // What the spin layout left of the space, on each side.
    TcxButtonsExtent GetButtonsExtent(const TcxCustomEditViewInfo& viewInfo) const override;

private:
    TcxSpinEditButtonsPosition Position() const;

    bool laidOut_ = false;
    TcxButtonsExtent extent_{};
};

class TcxSpinEditViewInfo : public TcxCustomTextEditViewInfo {
public:
    // The position and the native flag as well.
    void Assign(const TcxContainerViewInfo& source) override;
    // Arrows by the position, two for the fast buttons; none over a spin part.
    void DrawButtonContent(TcxCanvas& canvas, int index, const TcxEditButtonFace& face) override;

    TcxSpinEditButtonsPosition Position = sbpVert;
};

// The "Spin" theme class and its parts by arrow direction.
constexpr int kSpinThemeClass = 13;
int cxSpinThemePart(TcxArrowDirection direction);
// A button's drawn state, and its theme state when the theme draws it.
void cxSpinSetButtonState(TcxEditButtonViewInfo& button, TcxEditButtonState state);
