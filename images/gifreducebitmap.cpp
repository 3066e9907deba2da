// Colour reduction of a bitmap of any depth: its pixels at 24 bits through
// GetDIBits, then the histogram.
#include "classlib/bitmapfile.h"
#include "classlib/exceptions.h"
#include "images/gifimage.h"
#include "images/gifreduce.h"

TMemoryStream ReduceBitmapColors(const TBitmap& bitmap)
{
    if (!bitmap.Handle())
        throw EInvalidGraphic("Bitmap image is not valid");
    TMemoryStream out;
    if (bitmap.PixelFormat() == TPixelFormat::pf8bit) {
        bitmap.SaveToStream(out);
        out.SetPosition(0);
        return out;
    }
    TBitmapFileImage rgb;
    rgb.width = bitmap.Width(), rgb.height = bitmap.Height(), rgb.bitCount = 24;
    rgb.pixels.resize(BitmapRowSize(static_cast<std::uint64_t>(rgb.width), 24) * static_cast<std::uint64_t>(rgb.height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = rgb.width;
    info.bmiHeader.biHeight = rgb.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    // GetDIBits wants the bitmap out of every device context.
    bitmap.Canvas().FreeHandle();
    HDC dc = CreateCompatibleDC(nullptr);
    int rows = GetDIBits(dc, bitmap.Handle(), 0, static_cast<UINT>(rgb.height), rgb.pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows != rgb.height)
        throw EInvalidGraphic("Bitmap image is not valid");
    WriteBitmapFile(out, ReduceBitmapColors(rgb));
    out.SetPosition(0);
    return out;
}
