// The editor library's drawing surface over a class-library canvas: saved
// DC, state and clip stacks, tiled and framed fills, 3-D edges and text with
// the library's own text flags.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/bitmap.h"
#include "classlib/canvas.h"
#include "editors/foundation/graphics/cxcanvasgeometry.h"
#include "editors/foundation/graphics/cxregion.h"

// Text flags of the library.
enum : unsigned {
    cxAlignLeft = 0x1, cxAlignRight = 0x2, cxAlignHCenter = 0x4, cxAlignTop = 0x8, cxAlignBottom = 0x10,
    cxAlignVCenter = 0x20, cxSingleLine = 0x40, cxDontClip = 0x80, cxExpandTabs = 0x100, cxShowPrefix = 0x200,
    cxWordBreak = 0x400, cxShowEndEllipsis = 0x800, cxDontPrint = 0x1000, cxShowPathEllipsis = 0x2000,
    cxDontBreakChars = 0x4000,
};
// The DrawText flags for library text flags.
UINT cxFlagsToDTFlags(unsigned flags);

// What a framed fill puts inside its frame.
struct TcxFill {
    TColor Color = clDefault;
    const TBitmap* Bitmap = nullptr;
};


class TcxCanvas {
public:
    explicit TcxCanvas(TCanvas& canvas) : canvas_(canvas) {}
    virtual ~TcxCanvas();
    TcxCanvas(const TcxCanvas&) = delete;
    TcxCanvas& operator=(const TcxCanvas&) = delete;

    TCanvas& Canvas() const { return canvas_; }
    TBrush& Brush() { return canvas_.Brush(); }
    TFont& Font() { return canvas_.Font(); }
    TPen& Pen() { return canvas_.Pen(); }
    HDC Handle() { return canvas_.Handle(); }

    void SetFont(const TFont& font) { canvas_.SetFont(font); }
    void SetPixel(int x, int y, TColor color) { canvas_.SetPixels(x, y, color); }
    void MoveTo(int x, int y) { canvas_.MoveTo(x, y); }
    void LineTo(int x, int y) { canvas_.LineTo(x, y); }
    void Polygon(const std::vector<POINT>& points) { canvas_.Polygon(points); }
    void Polyline(const std::vector<POINT>& points) { canvas_.Polyline(points); }
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) { canvas_.CopyRect(dest, source, sourceRect); }
    void Draw(int x, int y, const TGraphic& graphic) { canvas_.Draw(x, y, graphic); }
    // Only a different colour is set: the brush keeps its GDI object.
    void SetBrushColor(TColor color);

    POINT WindowOrg();
    void SetWindowOrg(POINT p);
    POINT ViewportOrg();
    // Viewport origin minus window origin.
    POINT DCOrigin();

    // Each pop undoes its push; popping an empty stack does nothing.
    void PushDC();
    void PopDC();
    void PushState();
    void PopState();
    void PushClipRegion();
    void PopClipRegion();

    void ExcludeClipRect(const RECT& r);
    void IntersectClipRect(const RECT& r);
    // The DC's clip region, nullptr without one; with considerOrigin in the
    // canvas's own coordinates.
    std::unique_ptr<TcxRegion> ClipRegionOf(bool considerOrigin = true);
    void SetClipRegion(TcxRegion& region, TcxRegionOperation operation, bool considerOrigin = true);

    // Tiles the bitmap on its grid, or fills with the brush; exclude takes r out of the clip.
    void FillRect(const RECT& r, const TBitmap* bitmap = nullptr, bool exclude = false);
    // clNone draws nothing; clDefault keeps the brush colour.
    void FillRectColor(const RECT& r, TColor color);
    void FrameRect(const RECT& r, TColor color, bool exclude = false, unsigned borders = cxBordersAll, int width = 1);
    void FramedFill(const RECT& r, const TcxFill& fill, bool exclude, int width, TColor frameColor,
                    unsigned borders = cxBordersAll);
    void DrawSideBorders(const RECT& r, TColor leftTop, TColor rightBottom, unsigned borders = cxBordersAll,
                         int width = 1);
    void DrawEdge3D(const RECT& r, bool sunken, bool outer, unsigned borders = cxBordersAll);
    void InvertRect(const RECT& r);

    void DrawStateText(const std::string& text, RECT r, unsigned flags, bool enabled);
    // The rectangle the text takes when drawn in r, placed inside r's size by the alignment.
    RECT TextExtent(const std::string& text, const RECT& r, unsigned flags);
    SIZE TextSize(const std::string& text);
    int TextWidth(const std::string& text) { return TextSize(text).cx; }
    int TextHeight(const std::string& text) { return TextSize(text).cy; }
    int FontHeight(const TFont& font);
    // Moves the top of r so multi-line text sits at its bottom or vertical centre.
    void AlignMultiLineText(const std::string& text, RECT& r, unsigned flags, bool enabled);

private:
    struct TState {
        TFont Font;
        TBrush Brush;
        TPen Pen;
    };

    TCanvas& canvas_;
    std::vector<int> savedDCs_;
    // nullptr where the DC had no clip region.
    std::vector<std::unique_ptr<TcxRegion>> savedClips_;
    std::vector<std::unique_ptr<TState>> savedStates_;
};
