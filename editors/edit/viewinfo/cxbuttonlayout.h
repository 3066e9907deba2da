// The arithmetic of an editor's buttons: where each button goes inside the
// rectangle left by the border, how stretched buttons share the width left
// over, how big a drop-down arrow is and what the buttons add to the
// editor's size. Platform-free, so the fuzzer and the view data run the
// same code. Every sum is done in 64 bits: the edit size lays buttons out
// on the unbounded rectangle (0, 0, 2147483647, 2147483647).
#pragma once

#include <cstdint>
#include <span>

#include "editors/edit/container/cxcontainergeometry.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

// One button as the layout sees it.
struct TcxButtonSlot {
    TRect Bounds{};
    bool LeftAligned = false;
    bool Stretchable = true;
};

// The button of the given width (limited to the space left) at the left or
// right edge of space, full height; space loses that width on that side.
// An empty space (none left, or none from the start) gives empty bounds at
// that edge and stays as it is.
TRect cxPlaceButton(TRect& space, int width, bool leftAligned);
// The width between left and right, 0 when they cross.
std::int64_t cxSpanWidth(const TRect& r);

// Shares extra among the stretchable buttons (all of them when none is),
// in proportion to their widths; buttons are walked from the last to the
// first and the last one walked takes what is left, so the widths grow by
// exactly extra. A zero sum of widths shares equally. A widened
// left-aligned button pushes the left-aligned buttons right of it on; a
// right-aligned one grows to the left and pushes those left of it.
// Nothing for extra <= 0 or no buttons.
void cxStretchButtons(std::span<TcxButtonSlot> buttons, std::int64_t extra);

// Each button of widths, in collection order, placed from the last to the
// first inside space; with stretch all of them right-aligned and the width
// left over shared out. Returns the space left for the content.
struct TcxButtonRequest {
    int Width = 0;
    bool LeftAligned = false;
    bool Stretchable = true;
};
TRect cxLayoutButtons(const TRect& space, std::span<const TcxButtonRequest> requests, std::span<TcxButtonSlot> slots,
                      bool stretch);

// The widths the left-aligned and the right-aligned buttons take, each at
// most INT_MAX.
struct TcxButtonsExtent {
    int Left = 0, Right = 0;
};
TcxButtonsExtent cxButtonsExtent(std::span<const TcxButtonSlot> buttons);

// What decides a button's width: its own Width (0: automatic), the width
// of its usable glyph or of its caption (-1: none), the content margins
// (left plus right) and the system's horizontal scroll-bar height.
struct TcxButtonWidthParts {
    int Width = 0;
    int GlyphWidth = -1;
    int TextWidth = -1;
    int Margins = 0;
    int SystemWidth = 0;
};
// A set Width, but at least the margins; else a glyph's width plus the
// margins; a caption's width plus 3 and the margins, at least the system
// width; else the system width. Never below 0, at most INT_MAX.
int cxEditButtonWidth(const TcxButtonWidthParts& parts);

// The drop-down arrow of a button of size: an odd base of (smaller side - 1)
// / 2 and a height of base / 2 + 1, swapped for left and right arrows;
// (0, 0) for a button too small for any.
TSize cxCalcArrowSize(const TSize& size, TcxArrowDirection direction);

// An editor's size from its parts. Limits of 0 do not apply.
struct TcxEditSizeLimits {
    int MinWidth = 0, MaxWidth = 0, MinHeight = 0, MaxHeight = 0;
};
struct TcxEditSizeParts {
    TSize Content{};                // the content's own size
    TcxContainerInsets Border{};    // the border extent
    TcxButtonsExtent Buttons{};     // what the buttons take beside the content
    int ButtonsHeight = 0;          // the tallest button's needs, frame included
    TcxEditSizeLimits Limits{};     // applied when set
    bool ApplyLimits = false;
};
// Content plus border and buttons; the buttons' height beyond the content's
// (never less than 0) added; then the limits. Kept inside 32 bits.
TSize cxEditSize(const TcxEditSizeParts& parts);
