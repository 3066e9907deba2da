// A drawing surface over a device context. The font, brush and pen are
// selected into the DC only when a drawing call needs them, and the DC's own
// objects are put back when the canvas lets the DC go.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "classlib/brush.h"
#include "classlib/colors.h"
#include "classlib/font.h"
#include "classlib/pen.h"

class TGraphic;

class TCanvas {
public:
    TCanvas() = default;
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC with font, brush and pen selected, for direct GDI calls;
    // EInvalidOperation when the canvas has none and cannot make one.
    HDC Handle();
    // Draws on dc from now on (nullptr: none); a DC the canvas made itself is freed.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }
    void FreeHandle() { SetHandle(nullptr); }

    // Handed out for change: each is first taken out of the DC.
    TFont& Font();
    TBrush& Brush();
    TPen& Pen();
    void SetFont(const TFont& font);

    void FillRect(const RECT& r);
    void FrameRect(const RECT& r);
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    POINT PenPos() const { return penPos_; }
    void Polyline(const std::vector<POINT>& points);
    // Outlined with the pen and filled with the brush.
    void Polygon(const std::vector<POINT>& points);
    void Ellipse(int left, int top, int right, int bottom);
    // The part of the ellipse in the box from the ray to (x1, y1) anticlockwise to the ray to (x2, y2).
    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y) clipped to r; an opaque brush fills r first.
    void TextRect(const RECT& r, int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // The graphic at its own size with its top-left at (x, y), or stretched to r.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const RECT& r, const TGraphic& graphic);
    // Copies (stretching) sourceRect of source into dest with CopyMode.
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD mode) { copyMode_ = mode; }

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // Keeps other threads off the canvas; nests.
    void Lock();
    void Unlock();
    int LockCount() const { return lockCount_; }

protected:
    // A DC made on demand by a descendant (nullptr when it has none), and its release.
    virtual HDC CreateHandle() { return nullptr; }
    virtual void DeleteHandle(HDC) {}

private:
    enum : unsigned { kFont = 1, kBrush = 2, kPen = 4, kAll = kFont | kBrush | kPen };
    HDC Require(unsigned objects);
    void Deselect(unsigned objects);

    HDC dc_ = nullptr;
    bool ownHandle_ = false;
    unsigned selected_ = 0;
    HGDIOBJ oldFont_ = nullptr, oldBrush_ = nullptr, oldPen_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
    POINT penPos_{0, 0};
    DWORD copyMode_ = SRCCOPY;
    std::recursive_mutex lock_;
    int lockCount_ = 0;
};
