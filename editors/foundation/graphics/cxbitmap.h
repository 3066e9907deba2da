// The editor library's bitmaps: change batching, rotation and the "XDBM"
// stream (TcxCustomBitmap), and 32-bit pixels with filters and transparent
// colours (TcxBitmap).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/bitmap.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/graphics/cxpixels.h"

// 32-bit top-down pixels of any bitmap, and back.
TRGBColors cxGetBitmapBits(const TBitmap& bitmap);
void cxSetBitmapBits(TBitmap& bitmap, const TRGBColors& pixels);

class TcxCustomBitmap : public TBitmap {
public:
    TcxCustomBitmap() : TcxCustomBitmap(0, 0, TPixelFormat::pf24bit) {}
    explicit TcxCustomBitmap(const RECT& r) : TcxCustomBitmap(r.right - r.left, r.bottom - r.top, TPixelFormat::pf24bit) {}
    TcxCustomBitmap(int width, int height) : TcxCustomBitmap(width, height, TPixelFormat::pf24bit) {}
    TcxCustomBitmap(int width, int height, TPixelFormat format);
    ~TcxCustomBitmap() override;

    TcxCanvas& cxCanvas() const { return *cxCanvas_; }
    void BeginUpdate() { ++lockCount_; }
    void EndUpdate(bool force = true);
    // While updates are held only marks the change; else tells OnChange and Update.
    void Changed();
    virtual void Clear();
    virtual void Resize(int width, int height);
    // 0 none, 1 a quarter anticlockwise, 2 clockwise, 3 half a turn; flip mirrors top to bottom.
    void Rotate(int mode, bool flip = false);
    RECT GetClientRect() const { return RECT{0, 0, Width(), Height()}; }

    // Reads the "XDBM" form or a plain bitmap; a bad stream leaves the picture as it was.
    void LoadFromStream(TStream& stream) override;

    std::function<void()> OnChange;

protected:
    virtual void Initialize(int width, int height, TPixelFormat format);
    // After every completed change.
    virtual void Update() {}

private:
    std::unique_ptr<TcxCanvas> cxCanvas_;
    int lockCount_ = 0;
    bool changePending_ = false;
};

class TcxBitmap : public TcxCustomBitmap {
public:
    TcxBitmap() : TcxBitmap(0, 0) {}
    // Always 32 bits a pixel, cleared.
    TcxBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf32bit);

    void Clear() override;
    void Resize(int width, int height) override;
    void Filter(TcxFilterKind kind);
    TRGBColors GetBits() const { return cxGetBitmapBits(*this); }
    void SetBits(const TRGBColors& pixels);

    // Writes the "XDBM" form when set.
    bool CompressData() const { return compressData_; }
    void SetCompressData(bool value) { compressData_ = value; }
    void SaveToStream(TStream& stream) const override;

    // A pixel equal to it as a whole (0xAARRGGBB) is transparent.
    std::uint32_t TransparentPixel() const { return colors_.Transparent; }
    void SetTransparentPixel(std::uint32_t pixel) { colors_.Transparent = pixel; }
    // Further colours transparent by their RGB.
    void AddTransparentColor(TColor color);
    bool ClearToTransparent() const { return clearToTransparent_; }
    void SetClearToTransparent(bool value) { clearToTransparent_ = value; }
    void SetCheckerColors(TColor first, std::uint8_t firstOpacity, TColor second, std::uint8_t secondOpacity);
    void SetCheckerSize(std::uint8_t size) { colors_.CheckerSize = size; }

protected:
    void Update() override;

private:
    BITMAPINFOHEADER header_{sizeof(BITMAPINFOHEADER), 0, 0, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    TcxFilterColors colors_;
    bool compressData_ = false;
    bool clearToTransparent_ = false;
};
