// The GIF image on the clipboard, and its registration at start-up.
#include <cstring>

#include "classlib/exceptions.h"
#include "classlib/pictureformats.h"
#include "images/gifimage.h"
#include "images/gifstrings.h"

namespace {
UINT gifClipboardFormat = 0;

// A DIB section holding what a clipboard bitmap shows.
std::unique_ptr<TBitmap> BitmapFromHandle(HBITMAP handle)
{
    BITMAP info{};
    if (!handle || !GetObjectA(handle, sizeof info, &info))
        throw EInvalidGraphic("Bitmap image is not valid");
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(TPixelFormat::pf24bit);
    bitmap->SetSize(info.bmWidth, info.bmHeight);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, handle);
    BitBlt(bitmap->Canvas().Handle(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    return bitmap;
}
} // namespace

UINT GifClipboardFormat()
{
    if (!gifClipboardFormat)
        gifClipboardFormat = RegisterClipboardFormatA("GIF Image");
    return gifClipboardFormat;
}

void RegisterGifImage()
{
    auto create = [] { return std::unique_ptr<TGraphic>(std::make_unique<TGIF_Image>()); };
    RegisterFileFormat("gif", GifText(SGifDescription), "TGIF_Image", create);
    RegisterClipboardGraphic(GifClipboardFormat(), "TGIF_Image", create);
}

void TGIF_Image::SaveToClipboardFormat(UINT& format, HANDLE& data, HPALETTE& palette)
{
    format = 0, data = nullptr, palette = nullptr;
    if (FrameCount() == 0)
        return;
    TBitmap& bitmap = FrameByIndex(0).DecodedBitmap();
    format = CF_BITMAP;
    bitmap.Canvas().FreeHandle();
    data = CopyImage(bitmap.Handle(), IMAGE_BITMAP, 0, 0, 0);
    for (int i = 0; i < FrameCount(); ++i)
        if (!FrameByIndex(i).HasData())
            return;
    TMemoryStream gif;
    StoreGif(gif, true);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(gif.Size()));
    if (!block)
        return;
    std::memcpy(GlobalLock(block), gif.Memory(), static_cast<std::size_t>(gif.Size()));
    GlobalUnlock(block);
    if (!SetClipboardData(GifClipboardFormat(), block))
        GlobalFree(block);
}

void TGIF_Image::LoadFromClipboardFormat(UINT format, HANDLE data, HPALETTE)
{
    HANDLE block = IsClipboardFormatAvailable(GifClipboardFormat()) ? GetClipboardData(GifClipboardFormat()) : nullptr;
    if (!block) {
        if (format != CF_BITMAP)
            throw EInvalidGraphic("Unsupported clipboard format");
        std::unique_ptr<TBitmap> bitmap = BitmapFromHandle(static_cast<HBITMAP>(data));
        Assign(bitmap.get());
        return;
    }
    TMemoryStream stream;
    const void* bytes = GlobalLock(block);
    if (bytes)
        stream.WriteBuffer(bytes, GlobalSize(block));
    GlobalUnlock(block);
    stream.SetPosition(0);
    // The count is checked against the block before anything is copied.
    std::uint8_t count[4];
    stream.ReadBuffer(count, 4);
    ParseStream(count[0] | count[1] << 8 | count[2] << 16 | static_cast<std::int64_t>(count[3]) << 24, stream, false);
    if (FrameCount() == 0)
        return;
    currentFrame = 0;
    if (IsClipboardFormatAvailable(CF_BITMAP))
        FrameByIndex(0).SetBitmap(BitmapFromHandle(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))));
}
