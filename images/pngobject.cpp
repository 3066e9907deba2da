#include "images/pngobject.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "classlib/bitmap.h"
#include "classlib/colors.h"
#include "classlib/handles.h"
#include "classlib/pictureformats.h"
#include "images/pngancillary.h"
#include "images/pngblend.h"
#include "images/pngexceptions.h"
#include "images/pngheader.h"
#include "images/pngrows.h"

namespace {

using UniquePalette = UniqueHandle<HPALETTE, GdiDeleter>;

// BITMAPINFO with room for a full colour table.
struct TDibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

TDibInfo InfoOf(const TPngPixelStore& store)
{
    TDibInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = store.width;
    info.header.biHeight = store.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(store.dibBits);
    info.header.biCompression = BI_RGB;
    if (store.hasPalette) {
        info.header.biClrUsed = 1u << store.dibBits;
        std::memcpy(info.colors, store.palette.data(), sizeof(RGBQUAD) << store.dibBits);
    }
    return info;
}

UniquePalette PaletteOf(const TPngPixelStore& store)
{
    struct {
        WORD version, count;
        PALETTEENTRY entries[256];
    } logical{0x300, static_cast<WORD>(1u << store.dibBits), {}};
    for (int i = 0; i < logical.count; ++i) {
        std::uint32_t e = store.palette[static_cast<std::size_t>(i)];
        logical.entries[i] = {static_cast<BYTE>(e >> 16), static_cast<BYTE>(e >> 8), static_cast<BYTE>(e), 0};
    }
    return UniquePalette(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&logical)));
}

class TStretchMode {
public:
    explicit TStretchMode(HDC dc) : dc_(dc), old_(SetStretchBltMode(dc, COLORONCOLOR)) {}
    ~TStretchMode() { SetStretchBltMode(dc_, old_); }

private:
    HDC dc_;
    int old_;
};

} // namespace

// The header's rows as a DIB section in a memory DC with the image's palette,
// the DC the picture's canvas draws on.
class TPNGObject::TSection : public TPngRowBuffer {
public:
    TSection(TPNGObject& owner, TChunkIHDR& header) : owner_(owner), store_(header.Store())
    {
        if (header.ColorType == kColorPalette) {
            // Palette images start from the halftone palette until their PLTE arrives.
            UniquePalette halftone(CreateHalftonePalette(nullptr));
            PALETTEENTRY entries[256]{};
            const UINT count = halftone ? GetPaletteEntries(halftone.get(), 0, 1u << store_.dibBits, entries) : 0;
            for (UINT i = 0; i < count; ++i)
                store_.palette[i] = std::uint32_t{entries[i].peRed} << 16 | entries[i].peGreen << 8 | entries[i].peBlue;
        }
        dc_.reset(CreateCompatibleDC(nullptr));
        TDibInfo info = InfoOf(store_);
        void* bits = nullptr;
        if (dc_)
            bitmap_.reset(CreateDIBSection(dc_.get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap_ || !bits)
            throw EPNGOutMemory();
        bits_ = static_cast<std::uint8_t*>(bits);
        std::memset(bits_, 0, store_.rowSize * static_cast<std::size_t>(store_.height));
        oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
        if (store_.hasPalette) {
            palette_ = PaletteOf(store_);
            oldPalette_ = SelectPalette(dc_.get(), palette_.get(), FALSE);
            RealizePalette(dc_.get());
        }
        owner_.canvas_.SetHandle(dc_.get());
        owner_.section_ = this;
    }

    ~TSection() override
    {
        if (owner_.section_ == this) {
            owner_.canvas_.SetHandle(nullptr);
            owner_.section_ = nullptr;
        }
        if (oldPalette_)
            SelectPalette(dc_.get(), oldPalette_, FALSE);
        SelectObject(dc_.get(), oldBitmap_);
    }

    std::uint8_t* Bits() override { return bits_; }

    void PaletteChanged() override
    {
        if (!store_.hasPalette)
            return;
        TDibInfo info = InfoOf(store_);
        SetDIBColorTable(dc_.get(), 0, 1u << store_.dibBits, info.colors);
        UniquePalette palette = PaletteOf(store_);
        SelectPalette(dc_.get(), palette.get(), FALSE);
        RealizePalette(dc_.get());
        palette_ = std::move(palette);
    }

    HDC DC() const { return dc_.get(); }
    HPALETTE Palette() const { return palette_.get(); }

private:
    TPNGObject& owner_;
    TPngPixelStore& store_;
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    UniquePalette palette_;
    HGDIOBJ oldBitmap_ = nullptr;
    HPALETTE oldPalette_ = nullptr;
    std::uint8_t* bits_ = nullptr;
};

TPNGObject::TPNGObject() : image_(std::make_unique<TPNGImage>())
{
    image_->RowBufferFactory = [this](TChunkIHDR& header) { return std::make_unique<TSection>(*this, header); };
}

TPNGObject::~TPNGObject()
{
    image_->Clear();
}

void TPNGObject::LoadFromStream(TStream& stream)
{
    image_->LoadFromStream(stream);
}

void TPNGObject::SaveToStream(TStream& stream) const
{
    image_->SaveToStream(stream);
}

void TPNGObject::Assign(const TPNGObject* source)
{
    if (!source)
        image_->Clear();
    else
        image_->Assign(*source->image_);
}

TCanvas& TPNGObject::Canvas()
{
    image_->RequireHeader();
    return canvas_;
}

HPALETTE TPNGObject::Palette() const
{
    return section_ ? section_->Palette() : nullptr;
}

void TPNGObject::SetPalette(HPALETTE palette)
{
    TPngPixelStore& store = image_->RequireHeader().Store();
    if (!store.hasPalette || !palette)
        return;
    PALETTEENTRY entries[256]{};
    const UINT count = GetPaletteEntries(palette, 0, 1u << store.dibBits, entries);
    for (UINT i = 0; i < count; ++i)
        store.palette[i] = std::uint32_t{entries[i].peRed} << 16 | entries[i].peGreen << 8 | entries[i].peBlue;
    store.buffer->PaletteChanged();
}

void TPNGObject::Draw(TCanvas& canvas, const RECT& r) const
{
    if (Empty())
        return;
    GdiFlush();
    HDC dest = canvas.Handle();
    switch (TransparencyMode()) {
    case TPNGTransparencyMode::ptmBit:
        DrawMasked(dest, r);
        break;
    case TPNGTransparencyMode::ptmPartial:
        DrawBlended(dest, r);
        break;
    default:
        DrawOpaque(dest, r);
        break;
    }
}

void TPNGObject::DrawOpaque(HDC dest, const RECT& r) const
{
    const TPngPixelStore& store = image_->RequireHeader().Store();
    TDibInfo info = InfoOf(store);
    TStretchMode mode(dest);
    StretchDIBits(dest, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, store.width, store.height, store.bits,
                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
}

void TPNGObject::DrawMasked(HDC dest, const RECT& r) const
{
    const int w = Width(), h = Height();
    // A monochrome mask from the pixels themselves: 1 where the see-through sample is.
    const std::size_t stride = (static_cast<std::size_t>(w) + 15) / 16 * 2;
    std::vector<std::uint8_t> maskBits(stride * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (image_->IsTransparentPixel(x, y))
                maskBits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> x % 8);
    UniqueBitmap mask(CreateBitmap(w, h, 1, 1, maskBits.data()));
    UniqueBitmap copy(CreateCompatibleBitmap(dest, w, h));
    UniqueDC maskDC(CreateCompatibleDC(dest)), copyDC(CreateCompatibleDC(dest));
    if (!mask || !copy || !maskDC || !copyDC)
        throw EPNGOutMemory();
    SelectObjectScope selectMask(maskDC.get(), mask.get());
    SelectObjectScope selectCopy(copyDC.get(), copy.get());
    // Monochrome sources paint 1 bits in the target's background colour, 0 bits in its text colour.
    SetTextColor(copyDC.get(), 0);
    SetBkColor(copyDC.get(), 0xFFFFFF);
    BitBlt(copyDC.get(), 0, 0, w, h, section_->DC(), 0, 0, SRCCOPY);
    constexpr DWORD kDestAndNotSource = 0x00220326;
    BitBlt(copyDC.get(), 0, 0, w, h, maskDC.get(), 0, 0, kDestAndNotSource);
    const COLORREF oldText = SetTextColor(dest, 0), oldBack = SetBkColor(dest, 0xFFFFFF);
    {
        TStretchMode mode(dest);
        const int dw = r.right - r.left, dh = r.bottom - r.top;
        StretchBlt(dest, r.left, r.top, dw, dh, maskDC.get(), 0, 0, w, h, SRCAND);
        StretchBlt(dest, r.left, r.top, dw, dh, copyDC.get(), 0, 0, w, h, SRCPAINT);
    }
    SetTextColor(dest, oldText);
    SetBkColor(dest, oldBack);
}

void TPNGObject::DrawBlended(HDC dest, RECT r) const
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w == 0 || h == 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueDC work(CreateCompatibleDC(dest));
    UniqueBitmap section(work ? CreateDIBSection(work.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr);
    if (!work || !section || !bits)
        throw EPNGOutMemory();
    SelectObjectScope select(work.get(), section.get());
    BitBlt(work.get(), 0, 0, w, h, dest, r.left, r.top, SRCCOPY);
    GdiFlush();
    PngBlendPartial(*image_, static_cast<std::uint8_t*>(bits), w, h, static_cast<std::size_t>(w) * 4);
    BitBlt(dest, r.left, r.top, w, h, work.get(), 0, 0, SRCCOPY);
}

void TPNGObject::AssignTo(TBitmap& dest) const
{
    const TChunkIHDR& header = image_->RequireHeader();
    const TPNGTransparencyMode mode = TransparencyMode();
    TPixelFormat format;
    if (mode == TPNGTransparencyMode::ptmPartial)
        format = TPixelFormat::pf32bit;
    else if (header.BitDepth == 1)
        format = TPixelFormat::pf1bit;
    else if (header.BitDepth <= 4)
        format = TPixelFormat::pf4bit;
    else
        format = header.ColorType == kColorPalette ? TPixelFormat::pf8bit : TPixelFormat::pf24bit;
    dest.SetPixelFormat(format);
    dest.SetSize(Width(), Height());
    dest.Canvas().Draw(0, 0, *this);
    if (mode == TPNGTransparencyMode::ptmBit) {
        dest.SetTransparentColor(static_cast<TColor>(image_->TransparentColor()));
        dest.SetTransparent(true);
    }
}

void TPNGObject::Assign(const TPersistent& source)
{
    if (auto* png = dynamic_cast<const TPNGObject*>(&source))
        Assign(png);
    else if (auto* bitmap = dynamic_cast<const TBitmap*>(&source))
        Assign(*bitmap);
    else
        TGraphic::Assign(source);
}

void TPNGObject::AssignTo(TPersistent& dest) const
{
    if (auto* png = dynamic_cast<TPNGObject*>(&dest))
        AssignTo(*png);
    else if (auto* bitmap = dynamic_cast<TBitmap*>(&dest))
        AssignTo(*bitmap);
    else
        TGraphic::AssignTo(dest);
}

void TPNGObject::Assign(const TBitmap& source)
{
    AssignHandle(source.Handle(), source.Transparent(), ColorToRGB(source.TransparentColor()));
}

void TPNGObject::AssignHandle(HBITMAP bitmap, bool transparent, COLORREF transparentColor)
{
    BITMAP described{};
    if (!bitmap || !GetObjectA(bitmap, sizeof described, &described))
        throw EPNGHeaderNotPresent();
    const int bits = described.bmBitsPixel * described.bmPlanes;
    const int bitDepth = bits < 16 ? (bits <= 1 ? 1 : bits <= 4 ? 4 : 8) : 8;
    const int colorType = bits < 16 ? kColorPalette : kColorRGB;
    image_->CreateBlank(colorType, bitDepth, described.bmWidth, std::abs(described.bmHeight));
    TPngPixelStore& store = image_->RequireHeader().Store();
    TDibInfo info = InfoOf(store);
    UniqueDC screen(CreateCompatibleDC(nullptr));
    GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(store.height), store.bits, reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    if (store.hasPalette) {
        std::memcpy(store.palette.data(), info.colors, sizeof(RGBQUAD) << store.dibBits);
        store.buffer->PaletteChanged();
    }
    if (!transparent)
        return;
    // The see-through colour: as 16-bit samples for RGB; for a palette, every
    // entry before the first of that colour opaque and that one see-through.
    auto trns = std::make_unique<TChunktRNS>(*image_);
    std::vector<std::uint8_t> data;
    if (colorType == kColorRGB) {
        for (BYTE c : {GetRValue(transparentColor), GetGValue(transparentColor), GetBValue(transparentColor)})
            data.insert(data.end(), {0, c});
    } else {
        const std::uint32_t entry = std::uint32_t{GetRValue(transparentColor)} << 16 | GetGValue(transparentColor) << 8 | GetBValue(transparentColor);
        const int count = 1 << store.dibBits;
        int index = 0;
        while (index < count - 1 && store.palette[static_cast<std::size_t>(index)] != entry)
            ++index;
        data.assign(static_cast<std::size_t>(index), 255);
        data.push_back(0);
    }
    trns->SetData(colorType, data.data(), data.size());
    image_->InsertBeforeImageData(std::move(trns));
}

void TPNGObject::SaveToClipboardFormat(UINT& format, HANDLE& data) const
{
    TBitmap bitmap;
    bitmap.SetSize(Width(), Height());
    bitmap.Canvas().Draw(0, 0, *this);
    format = CF_BITMAP;
    data = CopyImage(bitmap.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}

void TPNGObject::LoadFromClipboardFormat(UINT format, HANDLE data)
{
    if (format != CF_BITMAP)
        throw EInvalidGraphic("Unsupported clipboard format");
    AssignHandle(static_cast<HBITMAP>(data), false, 0);
}

void RegisterPNGObject()
{
    PngRegisterStandardChunks();
    if (!FindFileFormat("png"))
        RegisterFileFormat("png", "Portable Network Graphics", "TPNGObject", [] { return std::make_unique<TPNGObject>(); });
}

void UnregisterPNGObject()
{
    UnregisterGraphicClass("TPNGObject");
    PngUnregisterChunkClasses();
}
