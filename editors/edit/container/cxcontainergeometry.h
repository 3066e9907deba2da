// The container's rectangle arithmetic: content insets, draw bounds, the
// control rectangle its window region follows, the part of the inner control
// left visible, the strips around a hole and the shadow. Platform-free, so
// the fuzzer and the window call the same code; every sum is kept inside
// 32 bits, and (but for the draw bounds, whose empty form is given) no
// rectangle comes out inverted.
#pragma once

#include <array>

#include "editors/edit/container/cxcontainertypes.h"
#include "editors/foundation/graphics/cxcanvasgeometry.h"

// How far the shadow falls right and down.
constexpr int cxContainerShadowSize = 3;
// The inset of a transparent or themed border.
constexpr int cxContainerThinInset = 2;

struct TcxContainerInsets {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// What the container's frame arithmetic reads from its styles and view info.
struct TcxContainerFrame {
    TcxContainerBorderStyle FrameStyle = cbsNone;        // the style drawn
    TcxContainerBorderStyle NormalBorderStyle = cbsNone; // the normal style's own
    int FrameWidth = 0;                                  // drawn width (1 with a skin painter)
    unsigned Edges = cxBordersAll;                       // the active style's, drawn as FrameSides
    bool ActiveBorderShown = false;
    bool NormalBorderShown = false;
    bool TransparentBorder = true;
    bool Themed = false;
    bool Skinned = false;
    bool Shadow = false;
    bool Inplace = false;
};

TcxContainerInsets cxContainerContentInsets(const TcxContainerFrame& frame);
// r with left and top moved in and right and bottom moved back by the insets;
// empty at its left and top when they cross.
TRect cxRectDeflatedByInsets(const TRect& r, const TcxContainerInsets& insets);
// Where hovering counts as inside the control; a bottom above the top gives (L, 0, R, 0).
TRect cxContainerDrawBounds(int width, int height, const TcxContainerFrame& frame);
// The frame drawn around the content: the window region of a container with
// its own border.
TRect cxContainerControlRect(const TRect& outer, const TcxContainerInsets& insets, TcxContainerBorderStyle frameStyle,
                             unsigned edges);
// Adds width to Left/Top and takes it from Right/Bottom on each side NOT in the set.
TRect DeflateMissingSides(const TRect& r, int width, unsigned sides);

// The inner control's own rectangle (0, 0, w, h) cut to the align rectangle
// of its parent; Whole when nothing was cut.
struct TcxVisiblePart {
    TRect Rect{};
    bool Whole = true;
};
TcxVisiblePart cxInnerControlVisiblePart(const TRect& controlBounds, const TRect& alignRect);

// The parts of rect outside hole (hole cut to rect first): nothing when rect
// is empty or equals hole, the whole rect when the hole inside it is empty,
// else up to four strips (top, bottom, left, right; empty ones left out).
struct TcxRectStrips {
    std::array<TRect, 4> Items{};
    int Count = 0;
    const TRect* begin() const { return Items.data(); }
    const TRect* end() const { return Items.data() + Count; }
};
TcxRectStrips cxRectStripsExcept(const TRect& rect, const TRect& hole);

// The two shadow strips under and right of r.
std::array<TRect, 2> cxContainerShadowRects(const TRect& r);
// A plain (unthemed) frame around the inner rectangle: where the shadow is
// cast from, and where the border is drawn (missing sides pushed outward).
struct TcxContainerFrameRects {
    TRect ShadowFrom{}, Border{};
};
TcxContainerFrameRects cxContainerFrameRects(const TRect& inner, int frameWidth, unsigned sides);
