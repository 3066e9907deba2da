#include "classlib/glyphs.h"

#include <map>

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
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    for (const auto& name : names) {
        auto it = Painters().find(name);
        if (it == Painters().end()) {
            DeleteDC(dc);
            ReleaseDC(nullptr, screen);
            throw EComponentError("Unknown glyph '" + name + "'");
        }
        UniqueBitmap bitmap(CreateCompatibleBitmap(screen, size, size));
        {
            SelectObjectScope select(dc, bitmap.get());
            UniqueBrush key(CreateSolidBrush(kGlyphTransparent));
            RECT all{0, 0, size, size};
            FillRect(dc, &all, key.get());
            it->second(dc, size);
        }
        ImageList_AddMasked(list.get(), bitmap.get(), kGlyphTransparent);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
}
