// The PNG picture of the class library: the codec's image with its pixels in
// a DIB section, drawn opaque, with one colour see-through or blended by alpha.
#pragma once

#include <windows.h>

#include <memory>

#include "classlib/canvas.h"
#include "classlib/graphic.h"
#include "images/pngimage.h"

class TBitmap;

class TPNGObject : public TGraphic {
public:
    TPNGObject();
    ~TPNGObject() override;

    int Width() const override { return image_->Width(); }
    int Height() const override { return image_->Height(); }
    bool Empty() const override { return image_->Empty(); }
    // Resizing keeps the top-left part; below 1 raises EPNGInvalidNewSize.
    void SetWidth(int width) { image_->Resize(width, Height()); }
    void SetHeight(int height) { image_->Resize(Width(), height); }

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;

    // None clears; another PNG is copied whole; a bitmap is converted.
    void Assign(const TPNGObject* source);
    void Assign(const TBitmap& source);
    void AssignTo(TPNGObject& dest) const { dest.Assign(this); }
    // The bitmap gets the image's size and a pixel format for its kind, and the image drawn on it.
    void AssignTo(TBitmap& dest) const;
    // The same, reached through any persistent object; others as the class library does.
    void Assign(const TPersistent& source) override;
    void AssignTo(TPersistent& dest) const override;

    // CF_BITMAP: a bitmap of the picture, or a picture from one (no transparency).
    void SaveToClipboardFormat(UINT& format, HANDLE& data) const;
    void LoadFromClipboardFormat(UINT format, HANDLE data);

    HPALETTE Palette() const;
    // The palette's entries become the image's.
    void SetPalette(HPALETTE palette);
    TPNGTransparencyMode TransparencyMode() const { return image_->TransparencyMode(); }
    bool Transparent() const { return TransparencyMode() != TPNGTransparencyMode::ptmNone; }

    virtual TColor Pixels(int x, int y) const { return static_cast<TColor>(image_->Pixel(x, y)); }
    virtual void SetPixels(int x, int y, TColor color) { image_->SetPixel(x, y, static_cast<std::uint32_t>(color)); }

    // Draws into the pixels; EPNGHeaderNotPresent without an image.
    TCanvas& Canvas();
    TPNGImage& Image() { return *image_; }
    const TPNGImage& Image() const { return *image_; }

protected:
    void Draw(TCanvas& canvas, const RECT& r) const override;

private:
    class TSection;
    // A new image from the bitmap's pixels (step of Assign and the clipboard).
    void AssignHandle(HBITMAP bitmap, bool transparent, COLORREF transparentColor);
    void DrawOpaque(HDC dest, const RECT& r) const;
    void DrawMasked(HDC dest, const RECT& r) const;
    void DrawBlended(HDC dest, RECT r) const;

    std::unique_ptr<TPNGImage> image_;
    TCanvas canvas_;
    TSection* section_ = nullptr;  // the header's, while it lives
};

// Picture formats at start-up and shut-down: "PNG" unless the extension is known.
void RegisterPNGObject();
void UnregisterPNGObject();
