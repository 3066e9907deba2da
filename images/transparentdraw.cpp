#include "images/transparentdraw.h"

#include <algorithm>

#include "classlib/bitmap.h"
#include "classlib/handles.h"
#include "images/gifunit.h"

namespace {
constexpr TColor kPaletteRelative = 0x02000000;

// A memory DC like another with a bitmap of its own selected; released in order.
class MemoryBitmap {
public:
    MemoryBitmap(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), bitmap_(bitmap)
    {
        if (dc_ && bitmap_)
            old_ = SelectObject(dc_.get(), bitmap_.get());
    }
    ~MemoryBitmap()
    {
        if (old_)
            SelectObject(dc_.get(), old_);
    }
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    bool Ok() const { return old_ != nullptr; }
    HDC DC() const { return dc_.get(); }

private:
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

// A palette selected and realised into a DC for one scope; no palette does nothing.
class RealizedPalette {
public:
    RealizedPalette(HDC dc, HPALETTE palette, bool background) : dc_(dc), background_(background)
    {
        if (palette) {
            old_ = SelectPalette(dc, palette, background);
            RealizePalette(dc);
        }
    }
    ~RealizedPalette()
    {
        if (old_)
            SelectPalette(dc_, old_, background_);
    }
    RealizedPalette(const RealizedPalette&) = delete;
    RealizedPalette& operator=(const RealizedPalette&) = delete;

private:
    HDC dc_;
    bool background_;
    HPALETTE old_ = nullptr;
};

// A one-bit bitmap whose two colours are black and white.
bool BlackAndWhite(const TBitmap& bitmap)
{
    if (!bitmap.Monochrome())
        return false;
    auto table = bitmap.ColorTable();
    if (table.size() != 2)
        return false;
    auto [low, high] = std::minmax(table[0], table[1]);
    return low == clBlack && high == clWhite;
}
} // namespace

TColor PaletteRGBColor(TColor color)
{
    return static_cast<TColor>(ColorToRGB(color)) | kPaletteRelative;
}

void MaskedStretchBlt(HDC dest, int dstX, int dstY, int dstW, int dstH, HDC source, int srcX, int srcY, int srcW,
                      int srcH, TColor maskColor, HPALETTE palette)
{
    if (dstW <= 0 || dstH <= 0 || srcW <= 0 || srcH <= 0)
        return;
    MemoryBitmap inverse(dest, CreateBitmap(srcW, srcH, 1, 1, nullptr));
    MemoryBitmap mask(dest, CreateBitmap(srcW, srcH, 1, 1, nullptr));
    MemoryBitmap work(dest, CreateCompatibleBitmap(dest, dstW, dstH));
    MemoryBitmap copy(dest, CreateCompatibleBitmap(dest, srcW, srcH));
    if (!inverse.Ok() || !mask.Ok() || !work.Ok() || !copy.Ok())
        return;
    RealizedPalette destPalette(dest, palette, true), copyPalette(copy.DC(), palette, false),
        maskPalette(mask.DC(), palette, false), workPalette(work.DC(), palette, true);
    int mapMode = GetMapMode(dest);
    int sourceMapMode = SetMapMode(source, mapMode);
    SetMapMode(copy.DC(), mapMode);

    BitBlt(copy.DC(), 0, 0, srcW, srcH, source, srcX, srcY, SRCCOPY);
    // Colour to one bit: pixels of the background colour become white, the rest black.
    COLORREF oldBack = SetBkColor(copy.DC(), static_cast<COLORREF>(PaletteRGBColor(maskColor)));
    BitBlt(mask.DC(), 0, 0, srcW, srcH, copy.DC(), 0, 0, SRCCOPY);
    SetBkColor(copy.DC(), oldBack);
    BitBlt(inverse.DC(), 0, 0, srcW, srcH, mask.DC(), 0, 0, NOTSRCCOPY);

    // One bit onto colour: 0 takes the text colour and 1 the background colour.
    for (HDC dc : {work.DC(), copy.DC()}) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
    }
    BitBlt(work.DC(), 0, 0, dstW, dstH, dest, dstX, dstY, SRCCOPY);
    StretchBlt(work.DC(), 0, 0, dstW, dstH, mask.DC(), 0, 0, srcW, srcH, SRCAND);
    BitBlt(copy.DC(), 0, 0, srcW, srcH, inverse.DC(), 0, 0, SRCAND);
    StretchBlt(work.DC(), 0, 0, dstW, dstH, copy.DC(), 0, 0, srcW, srcH, SRCPAINT);
    BitBlt(dest, dstX, dstY, dstW, dstH, work.DC(), 0, 0, SRCCOPY);
    SetMapMode(source, sourceMapMode);
}

void DrawBitmapTransparent(TCanvas& dest, const TBitmap& bitmap, TColor transparentColor, int srcX, int srcY, int srcW,
                           int srcH, int dstX, int dstY, int dstW, int dstH)
{
    if (bitmap.Empty())
        return;
    if (dstW < 1)
        dstW = bitmap.Width();
    if (dstH < 1)
        dstH = bitmap.Height();
    if (srcW < 1 || srcH < 1)
        srcX = srcY = 0, srcW = bitmap.Width(), srcH = bitmap.Height();
    HDC target = dest.Handle();
    HDC source = bitmap.Canvas().Handle();
    if (!bitmap.Monochrome())
        SetStretchBltMode(target, COLORONCOLOR);
    if (transparentColor == clNone) {
        StretchBlt(target, dstX, dstY, dstW, dstH, source, srcX, srcY, srcW, srcH, dest.CopyMode());
        return;
    }
    TColor key = BlackAndWhite(bitmap) ? clWhite : static_cast<TColor>(ColorToRGB(transparentColor));
    MaskedStretchBlt(target, dstX, dstY, dstW, dstH, source, srcX, srcY, srcW, srcH, key, nullptr);
}

void DrawBitmapRectTransparent(TCanvas& dest, int dstX, int dstY, int dstW, int dstH, const RECT& srcRect,
                               const TBitmap& bitmap, TColor transparentColor)
{
    DrawBitmapTransparent(dest, bitmap, transparentColor, srcRect.left, srcRect.top, RectWidth(srcRect),
                          RectHeight(srcRect), dstX, dstY, dstW, dstH);
}
