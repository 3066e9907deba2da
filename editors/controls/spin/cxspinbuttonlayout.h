// Where a spin editor's buttons go inside the area its border leaves, and
// which way their arrows point.
#pragma once

#include <array>

#include "editors/controls/spin/cxspinvalue.h"
#include "editors/foundation/core/cxgeometry.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

enum TcxSpinEditButtonsPosition { sbpHorzLeftRight, sbpHorzRight, sbpVert };

struct TcxSpinButtonsRequest {
    TRect Space{};
    int ButtonWidth = 0;
    TcxSpinEditButtonsPosition Position = sbpVert;
    bool ShowFastButtons = false;
    bool Visible = true;
    // The native look parts the two vertical halves by one pixel.
    bool NativeStyle = false;
};

struct TcxSpinButtonsLayout {
    // By TcxSpinButtonKind; an empty rectangle for a button not shown.
    std::array<TRect, 4> Buttons{};
    TRect Content{};
};

// Columns from the right edge inwards, the fast-forward one outermost.
// sbpVert: forward over backward in one column (forward takes the smaller
// half when the height is odd), fast backward the next column inwards.
// sbpHorzRight: forward, backward, fast backward. sbpHorzLeftRight: the
// backward buttons from the left edge, fast backward outermost. A button
// gets what width is left when the space is too narrow.
TcxSpinButtonsLayout cxLayoutSpinButtons(const TcxSpinButtonsRequest& request);

// How many buttons the editor shows: 0, 2 or 4.
int cxSpinButtonCount(bool visible, bool showFastButtons);

// Up and down for sbpVert, right and left for the horizontal positions.
TcxArrowDirection cxSpinArrowDirection(TcxSpinEditButtonsPosition position, TcxSpinButtonKind kind);
// The fast buttons show their arrow twice.
bool cxSpinArrowDoubled(TcxSpinButtonKind kind);
