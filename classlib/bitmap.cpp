#include "classlib/bitmap.h"

#include <cstring>

#include "classlib/bitmapfile.h"
#include "classlib/exceptions.h"

// The bitmap's own memory DC with the DIB section selected.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(const TBitmap& bitmap) : bitmap_(bitmap) {}
    ~TBitmapCanvas() override { FreeHandle(); }

protected:
    HDC CreateHandle() override
    {
        HDC dc = CreateCompatibleDC(nullptr);
        if (dc && bitmap_.handle_)
            old_ = SelectObject(dc, bitmap_.handle_.get());
        return dc;
    }
    void DeleteHandle(HDC dc) override
    {
        if (old_)
            SelectObject(dc, old_);
        old_ = nullptr;
        DeleteDC(dc);
    }

private:
    const TBitmap& bitmap_;
    HGDIOBJ old_ = nullptr;
};

namespace {
// Black and white; the sixteen VGA colours; a 6x6x6 colour cube and 40 greys.
std::vector<std::uint32_t> StandardPalette(int bitCount)
{
    if (bitCount == 1)
        return {0x000000, 0xFFFFFF};
    if (bitCount == 4)
        return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    std::vector<std::uint32_t> palette;
    for (std::uint32_t r = 0; r < 6; ++r)
        for (std::uint32_t g = 0; g < 6; ++g)
            for (std::uint32_t b = 0; b < 6; ++b)
                palette.push_back(r * 51 << 16 | g * 51 << 8 | b * 51);
    for (std::uint32_t i = 0; i < 40; ++i) {
        std::uint32_t v = (i + 1) * 255 / 41;
        palette.push_back(v << 16 | v << 8 | v);
    }
    return palette;
}

// BITMAPINFO with room for the colour table or the three masks.
struct DibInfo {
    BITMAPINFOHEADER header;
    std::uint32_t table[256];
};

DibInfo MakeDibInfo(int width, int height, int bitCount, const std::vector<std::uint32_t>& palette,
                    const std::array<std::uint32_t, 3>& masks)
{
    DibInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitCount);
    if (bitCount == 16 || bitCount == 32) {
        info.header.biCompression = BI_BITFIELDS;
        std::copy(masks.begin(), masks.end(), info.table);
    } else {
        info.header.biClrUsed = static_cast<DWORD>(palette.size());
        std::copy(palette.begin(), palette.end(), info.table);
    }
    return info;
}

// Colour table entries are 0x00RRGGBB, colours 0x00BBGGRR: the same swap both ways.
std::uint32_t SwapRedBlue(std::uint32_t c)
{
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}
} // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TBitmapCanvas>(*this)) {}

TBitmap::~TBitmap() = default;

TCanvas& TBitmap::Canvas() const
{
    return *canvas_;
}

std::size_t TBitmap::RowSize() const
{
    return static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(width_), format_.bitCount));
}

TPixelFormat TBitmap::PixelFormat() const
{
    switch (format_.bitCount) {
    case 1:
        return TPixelFormat::pf1bit;
    case 4:
        return TPixelFormat::pf4bit;
    case 8:
        return TPixelFormat::pf8bit;
    case 16:
        return format_.masks == DefaultBitmapMasks(16) ? TPixelFormat::pf15bit : TPixelFormat::pf16bit;
    case 24:
        return TPixelFormat::pf24bit;
    default:
        return TPixelFormat::pf32bit;
    }
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == PixelFormat())
        return;
    static const int bits[] = {1, 4, 8, 16, 16, 24, 32};
    Format f;
    f.bitCount = bits[static_cast<int>(format)];
    if (f.bitCount <= 8)
        f.palette = StandardPalette(f.bitCount);
    else
        f.masks = format == TPixelFormat::pf16bit ? std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F}
                                                  : DefaultBitmapMasks(f.bitCount);
    Recreate(width_, height_, std::move(f));
    Changed();
}

void TBitmap::SetMonochrome(bool value)
{
    if (value != Monochrome())
        SetPixelFormat(value ? TPixelFormat::pf1bit : TPixelFormat::pf24bit);
}

std::vector<TColor> TBitmap::ColorTable() const
{
    std::vector<TColor> colors;
    for (std::uint32_t entry : format_.palette)
        colors.push_back(static_cast<TColor>(SwapRedBlue(entry)));
    return colors;
}

void TBitmap::SetColorTable(const std::vector<TColor>& colors)
{
    if (format_.bitCount > 8 || colors.empty() || colors.size() > (std::size_t{1} << format_.bitCount))
        throw EInvalidGraphicOperation("Invalid colour table for this pixel format");
    Format format = format_;
    format.palette.clear();
    for (TColor c : colors)
        format.palette.push_back(SwapRedBlue(ColorToRGB(c)));
    GdiFlush();
    // Same layout, new table: the pixel indices are carried over as they are.
    std::vector<std::uint8_t> pixels(bits_, bits_ + RowSize() * static_cast<std::size_t>(height_));
    Replace(width_, height_, std::move(format), pixels.data());
    Changed();
}

void TBitmap::SetSize(int width, int height)
{
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        throw EInvalidGraphicOperation("Invalid bitmap size " + std::to_string(width) + " x " + std::to_string(height));
    if (width != width_ || height != height_) {
        Recreate(width, height, format_);
        Changed();
    }
}

void TBitmap::Recreate(int width, int height, Format format, bool keepPicture)
{
    canvas_->FreeHandle();
    UniqueBitmap handle;
    std::uint8_t* bits = nullptr;
    if (width > 0 && height > 0) {
        DibInfo info = MakeDibInfo(width, height, format.bitCount, format.palette, format.masks);
        void* p = nullptr;
        handle.reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &p, nullptr, 0));
        if (!handle)
            throw EOutOfResources("Out of system resources");
        bits = static_cast<std::uint8_t*>(p);
        if (handle_ && keepPicture) {
            // GDI converts between the formats, through the new colour table.
            HDC from = CreateCompatibleDC(nullptr), to = CreateCompatibleDC(nullptr);
            HGDIOBJ oldFrom = SelectObject(from, handle_.get()), oldTo = SelectObject(to, handle.get());
            BitBlt(to, 0, 0, std::min(width, width_), std::min(height, height_), from, 0, 0, SRCCOPY);
            SelectObject(from, oldFrom), SelectObject(to, oldTo);
            DeleteDC(from), DeleteDC(to);
        }
    }
    handle_ = std::move(handle);
    bits_ = bits;
    width_ = width, height_ = height;
    format_ = std::move(format);
}

void TBitmap::Replace(int width, int height, Format format, const std::uint8_t* pixels)
{
    // The old section stays until the new one exists: a failure keeps the picture whole.
    Recreate(width, height, std::move(format), false);
    if (bits_)
        std::memcpy(bits_, pixels, RowSize() * static_cast<std::size_t>(height_));
}

std::uint8_t* TBitmap::ScanLine(int y)
{
    if (y < 0 || y >= height_)
        throw EInvalidGraphicOperation("Scan line index out of range");
    GdiFlush();
    return bits_ + static_cast<std::size_t>(height_ - 1 - y) * RowSize();
}

void TBitmap::LoadFromStream(TStream& stream)
{
    TBitmapFileImage image = ReadBitmapFile(stream);
    Format format{image.bitCount, std::move(image.palette), image.masks};
    Replace(image.width, image.height, std::move(format), image.pixels.data());
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) const
{
    if (Empty())
        throw EInvalidGraphicOperation("Cannot save an empty bitmap");
    GdiFlush();
    TBitmapFileImage image;
    image.width = width_, image.height = height_, image.bitCount = format_.bitCount;
    image.palette = format_.palette;
    image.masks = format_.masks;
    image.pixels.assign(bits_, bits_ + RowSize() * static_cast<std::size_t>(height_));
    WriteBitmapFile(stream, image);
}

TColor TBitmap::TransparentColor() const
{
    if (transparentColor_ != clDefault)
        return transparentColor_;
    return Empty() ? clDefault : canvas_->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color)
{
    if (color == transparentColor_)
        return;
    transparentColor_ = color;
    Changed();
}

void TBitmap::Assign(const TPersistent& source)
{
    const auto* from = dynamic_cast<const TBitmap*>(&source);
    if (!from) {
        TGraphic::Assign(source);
        return;
    }
    if (from == this)
        return;
    GdiFlush();
    Replace(from->width_, from->height_, from->format_, from->bits_);
    transparent_ = from->transparent_;
    transparentColor_ = from->transparentColor_;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const RECT& r) const
{
    HDC source = canvas_->Handle();
    HDC dest = canvas.Handle();
    int w = r.right - r.left, h = r.bottom - r.top;
    if (Transparent())
        TransparentBlt(dest, r.left, r.top, w, h, source, 0, 0, width_, height_, ColorToRGB(TransparentColor()));
    else {
        int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
        StretchBlt(dest, r.left, r.top, w, h, source, 0, 0, width_, height_, SRCCOPY);
        SetStretchBltMode(dest, oldMode);
    }
}
