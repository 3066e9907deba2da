// Editor views for the drawing tests: a view information filled by hand
// (one row of buttons at the right inside a single border), bitmaps
// pre-filled with a sentinel colour, and what a painted button shows.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/bitmap.h"
#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/styles/cxeditstyletypes.h"
#include "editors/edit/viewinfo/cxeditviewinfo.h"

constexpr TColor kSentinel = 0x123456;

// The colour as the screen shows it.
TColor Sys(TColor color);
bool ThemeLibraryExpected();

// A sentinel-filled 32-bit bitmap and a canvas over it.
struct TShot {
    TShot(int w, int h);
    TColor At(int x, int y) const { return bitmap.Canvas().Pixels(x, y); }
    // The box of the pixels inside r whose colour is not other; empty when none.
    TRect BoxOfOthers(const TRect& r, TColor other) const;
    // The box of the pixels inside r of that colour.
    TRect BoxOf(const TRect& r, TColor color) const;
    int Count(const TRect& r, TColor color) const;
    // The box of the pixels inside r whose colour matches.
    TRect BoxWhere(const TRect& r, const std::function<bool(TColor)>& matches) const;
    TBitmap bitmap;
    TcxCanvas canvas{bitmap.Canvas()};
};

// One button of a hand-made view.
struct TButtonLook {
    TButtonLook(TcxEditButtonStyle style, TcxEditButtonKind kind, TcxEditButtonState state, int width = 17,
                bool transparent = false, std::string caption = "", TBitmap* glyph = nullptr)
        : Style(style), Kind(kind), State(state), Width(width), Transparent(transparent), Caption(std::move(caption)),
          Glyph(glyph)
    {
    }
    TcxEditButtonStyle Style = bts3D;
    TcxEditButtonKind Kind = bkDown;
    TcxEditButtonState State = ebsNormal;
    int Width = 17;
    bool Transparent = false;
    std::string Caption;
    TBitmap* Glyph = nullptr;
};

// A view of the size with a one-pixel border and the buttons at the right,
// the last one outermost, each as high as the space inside the border.
std::unique_ptr<TcxCustomEditViewInfo> MakeView(int width, int height, const std::vector<TButtonLook>& buttons);
// The area a button's content lies in: its bounds less two pixels each side.
TRect ContentArea(const TcxEditButtonViewInfo& button);
