#include "classlib/glyphs.h"

#include <map>

#include "classlib/bitmap.h"
#include "classlib/exceptions.h"

namespace {
std::map<std::string, TGlyphPainter>& Painters()
{
    static std::map<std::string, TGlyphPainter> painters;
    return painters;
}
} // namespace

void RegisterGlyph(const std::string& name, TGlyphPainter painter)
{
    Painters()[name] = painter;
}

UniqueImageList MakeGlyphImages(const std::vector<std::string>& names, int size)
{
    UniqueImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, static_cast<int>(names.size()), 1));
    for (const auto& name : names) {
        auto it = Painters().find(name);
        if (it == Painters().end())
            throw EComponentError("Unknown glyph '" + name + "'");
        TBitmap bitmap;
        bitmap.SetSize(size, size);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(kGlyphTransparent);
        canvas.FillRect(RECT{0, 0, size, size});
        it->second(canvas, size);
        // The image list selects the bitmap into a DC of its own.
        canvas.FreeHandle();
        ImageList_AddMasked(list.get(), bitmap.Handle(), ColorToRGB(kGlyphTransparent));
    }
    return list;
}
