#include "editors/foundation/graphics/cxbitmap.h"

#include "classlib/streams.h"
#include "editors/foundation/graphics/cxxdbm.h"

namespace {

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

} // namespace

TRGBColors cxGetBitmapBits(const TBitmap& bitmap)
{
    TRGBColors pixels(static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()));
    if (pixels.empty())
        return pixels;
    BITMAPINFO info = TopDown32(bitmap.Width(), bitmap.Height());
    HDC screen = GetDC(nullptr);
    GdiFlush();
    GetDIBits(screen, bitmap.Handle(), 0, static_cast<UINT>(bitmap.Height()), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

void cxSetBitmapBits(TBitmap& bitmap, const TRGBColors& pixels)
{
    if (bitmap.Empty() || pixels.size() < static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()))
        return;
    BITMAPINFO info = TopDown32(bitmap.Width(), bitmap.Height());
    HDC screen = GetDC(nullptr);
    bitmap.Canvas().FreeHandle();
    SetDIBits(screen, bitmap.Handle(), 0, static_cast<UINT>(bitmap.Height()), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
}

TcxCustomBitmap::TcxCustomBitmap(int width, int height, TPixelFormat format)
{
    Initialize(width, height, format);
}

TcxCustomBitmap::~TcxCustomBitmap() = default;

void TcxCustomBitmap::Initialize(int width, int height, TPixelFormat format)
{
    cxCanvas_ = std::make_unique<TcxCanvas>(Canvas());
    BeginUpdate();
    SetPixelFormat(format);
    SetSize(width, height);
    EndUpdate(true);
}

void TcxCustomBitmap::EndUpdate(bool force)
{
    if (lockCount_ == 0)
        return;
    --lockCount_;
    if (force || changePending_)
        Changed();
}

void TcxCustomBitmap::Changed()
{
    if (lockCount_ > 0) {
        changePending_ = true;
        return;
    }
    if (OnChange)
        OnChange();
    Update();
    changePending_ = false;
}

void TcxCustomBitmap::Clear()
{
    if (Empty())
        return;
    TRGBColors black(static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()), 0);
    cxSetBitmapBits(*this, black);
    Changed();
}

void TcxCustomBitmap::Resize(int width, int height)
{
    BeginUpdate();
    SetSize(width, height);
    EndUpdate(false);
}

void TcxCustomBitmap::Rotate(int mode, bool flip)
{
    TRGBColors pixels = cxGetBitmapBits(*this);
    int w = Width(), h = Height();
    cxRotatePixels(pixels, w, h, mode, flip);
    BeginUpdate();
    SetSize(w, h);
    cxSetBitmapBits(*this, pixels);
    changePending_ = true;
    EndUpdate(false);
}

void TcxCustomBitmap::LoadFromStream(TStream& stream)
{
    std::vector<std::uint8_t> plain;
    if (cxReadXdbmStream(stream, plain)) {
        TMemoryStream file;
        file.WriteBuffer(plain.data(), plain.size());
        file.SetPosition(0);
        TBitmap::LoadFromStream(file);
    } else
        TBitmap::LoadFromStream(stream);
    Changed();
}

TcxBitmap::TcxBitmap(int width, int height, TPixelFormat) : TcxCustomBitmap(width, height, TPixelFormat::pf32bit)
{
    Clear();
}

void TcxBitmap::Update()
{
    header_.biWidth = Width();
    header_.biHeight = Height();
}

void TcxBitmap::Clear()
{
    if (!clearToTransparent_) {
        TcxCustomBitmap::Clear();
        return;
    }
    Filter(cxfkFill);
}

void TcxBitmap::Resize(int width, int height)
{
    TcxCustomBitmap::Resize(width, height);
    Clear();
}

void TcxBitmap::Filter(TcxFilterKind kind)
{
    TRGBColors pixels = GetBits();
    colors_.Shadow = cxRGBToQuad(ColorToRGB(clBtnShadow), 0xFF);
    cxFilterPixels(pixels, Width(), Height(), kind, colors_);
    SetBits(pixels);
}

void TcxBitmap::SetBits(const TRGBColors& pixels)
{
    cxSetBitmapBits(*this, pixels);
    Changed();
}

void TcxBitmap::AddTransparentColor(TColor color)
{
    colors_.TransparentRGBs.push_back(cxRGBToQuad(ColorToRGB(color), 0) & 0xFFFFFF);
}

void TcxBitmap::SetCheckerColors(TColor first, std::uint8_t firstOpacity, TColor second, std::uint8_t secondOpacity)
{
    colors_.Checker[0] = cxRGBToQuad(ColorToRGB(first), 0xFF);
    colors_.Checker[1] = cxRGBToQuad(ColorToRGB(second), 0xFF);
    colors_.CheckerOpacity[0] = firstOpacity, colors_.CheckerOpacity[1] = secondOpacity;
}

void TcxBitmap::SaveToStream(TStream& stream) const
{
    if (!compressData_) {
        TcxCustomBitmap::SaveToStream(stream);
        return;
    }
    TMemoryStream plain;
    TcxCustomBitmap::SaveToStream(plain);
    cxWriteXdbmStream(stream, plain.Memory(), static_cast<std::size_t>(plain.Size()));
}
