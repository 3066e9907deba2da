#include "classlib/imagelist.h"

#include <sstream>

#include "classlib/bitmap.h"
#include "classlib/control.h"
#include "classlib/exceptions.h"
#include "classlib/glyphs.h"

namespace {

// The ternary raster operation "PSDPxax": the brush where the monochrome
// source is 0, the destination where it is 1.
constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;

// The picture's shape as a monochrome bitmap, 0 on its pixels: drawn over
// white, and white counts as background when a colour blit makes it mono.
UniqueBitmap ShapeOf(HIMAGELIST images, int index, int width, int height)
{
    TBitmap picture;
    picture.SetPixelFormat(TPixelFormat::pf24bit);
    picture.SetSize(width, height);
    HDC pictureDC = picture.Canvas().Handle();
    PatBlt(pictureDC, 0, 0, width, height, WHITENESS);
    ImageList_Draw(images, index, pictureDC, 0, 0, ILD_TRANSPARENT);
    SetBkColor(pictureDC, RGB(255, 255, 255));

    UniqueBitmap shape(CreateBitmap(width, height, 1, 1, nullptr));
    UniqueDC shapeDC(CreateCompatibleDC(pictureDC));
    if (!shape || !shapeDC)
        RaiseLastOSError("CreateBitmap");
    HGDIOBJ old = SelectObject(shapeDC.get(), shape.get());
    BitBlt(shapeDC.get(), 0, 0, width, height, pictureDC, 0, 0, SRCCOPY);
    SelectObject(shapeDC.get(), old);
    return shape;
}

void DrawShape(HDC dc, HDC shapeDC, int x, int y, int width, int height, TColor color)
{
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
    HGDIOBJ old = SelectObject(dc, brush.get());
    BitBlt(dc, x, y, width, height, shapeDC, 0, 0, kBrushWhereSourceBlack);
    SelectObject(dc, old);
}

} // namespace

const TPropertyTable& TImageList::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TImageList>(TComponent::Properties(), {
        {"Width", [](TImageList& l, const TPropertyValue& v) { l.size_ = l.height_ = v.Int(); }},
        {"Glyphs", [](TImageList& l, const TPropertyValue& v) {
             std::istringstream words(v.Text());
             std::vector<std::string> names;
             for (std::string w; words >> w;)
                 names.push_back(w);
             l.images_ = MakeGlyphImages(names, l.size_);
         }},
    });
    return table;
}

int TImageList::Height() const
{
    return height_;
}

void TImageList::SetSize(int width, int height)
{
    UniqueImageList images(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 1, 1));
    if (!images)
        RaiseLastOSError("ImageList_Create");
    images_ = std::move(images);
    size_ = width;
    height_ = height;
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor)
{
    if (!images_ || bitmap.Empty())
        return -1;
    // The image list selects the bitmap into a DC of its own.
    bitmap.Canvas().FreeHandle();
    return ImageList_AddMasked(images_.get(), bitmap.Handle(), ColorToRGB(maskColor));
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    HDC dc = canvas.Handle();
    if (enabled) {
        ImageList_Draw(images_.get(), index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    int width = 0, height = 0;
    ImageList_GetIconSize(images_.get(), &width, &height);
    UniqueBitmap shape = ShapeOf(images_.get(), index, width, height);
    UniqueDC shapeDC(CreateCompatibleDC(dc));
    HGDIOBJ old = SelectObject(shapeDC.get(), shape.get());
    // A monochrome source blits its 1 bits as the background colour and its 0 bits as the text colour.
    const int saved = SaveDC(dc);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    DrawShape(dc, shapeDC.get(), x + 1, y + 1, width, height, clBtnHighlight);
    DrawShape(dc, shapeDC.get(), x, y, width, height, clBtnShadow);
    RestoreDC(dc, saved);
    SelectObject(shapeDC.get(), old);
}
