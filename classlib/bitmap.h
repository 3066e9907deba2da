// Bitmaps as DIB sections: pixels reachable row by row, a canvas that draws
// into them, and the bitmap file format for streams and files.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/canvas.h"
#include "classlib/graphic.h"
#include "classlib/handles.h"

// pf15bit is 5-5-5 and pf16bit 5-6-5 bits of red, green and blue.
enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Empty() const override { return width_ == 0 || height_ == 0; }
    // Keeps the picture in the part that stays.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    TPixelFormat PixelFormat() const;
    // Converts the picture; palette formats take the nearest colours of a standard palette.
    void SetPixelFormat(TPixelFormat format);
    // One bit per pixel, whatever its two colours are.
    bool Monochrome() const { return format_.bitCount == 1; }
    // On: one bit in black and white; off: a one-bit picture becomes 24-bit.
    void SetMonochrome(bool value);
    // The colours of a palette format, index by index; empty for the others.
    std::vector<TColor> ColorTable() const;
    // Replaces the colours and keeps each pixel's index; at most 2^bits colours.
    void SetColorTable(const std::vector<TColor>& colors);

    // The bytes of row y (0 the top row) in the pixel format's layout.
    std::uint8_t* ScanLine(int y);
    TCanvas& Canvas() const;
    HBITMAP Handle() const { return handle_.get(); }

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;

    // The colour a transparent bitmap leaves out: the one set, or with
    // clDefault (the start) the colour of its bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);

    // Copies another bitmap whole; other pictures draw themselves into it if they can.
    void Assign(const TPersistent& source) override;

protected:
    void Draw(TCanvas& canvas, const RECT& r) const override;

private:
    class TBitmapCanvas;
    struct Format {
        int bitCount = 24;
        std::vector<std::uint32_t> palette;
        std::array<std::uint32_t, 3> masks{};
    };
    // A new DIB section of that size and format in place of the old one,
    // which goes only once the new one exists; with keepPicture it holds
    // what the old one showed.
    void Recreate(int width, int height, Format format, bool keepPicture = true);
    // A new DIB section of that size and format holding pixels, rows bottom-up in its layout.
    void Replace(int width, int height, Format format, const std::uint8_t* pixels);
    std::size_t RowSize() const;

    int width_ = 0, height_ = 0;
    Format format_;
    UniqueBitmap handle_;
    std::uint8_t* bits_ = nullptr;
    TColor transparentColor_ = clDefault;
    std::unique_ptr<TBitmapCanvas> canvas_;
};
