#include "images/gifstrings.h"

#include <cstdio>

#include "classlib/exceptions.h"

namespace {
struct TGifText {
    TGifTextId id;
    const char* text;
};
constexpr TGifText kTexts[] = {
    {SGifBadSignature, "GIF image is not valid (bad signature or version)"},
    {SGifBadBitmapFormat, "GIF frames take bitmaps of 1, 4 or 8 bits per pixel"},
    {SGifBadColorCount, "GIF image has a bad colour count"},
    {SGifUnknownExtension, "GIF image has an unknown extension block (label %d)"},
    {SGifNothingToWrite, "GIF image is empty: nothing to write"},
    {SGifSizeNotSupported, "Changing the size of a GIF image is not supported"},
    {SGifDescription, "GIF Image"},
};
} // namespace

std::string GifText(TGifTextId id, int argument)
{
    for (const TGifText& t : kTexts)
        if (t.id == id) {
            char buffer[128];
            std::snprintf(buffer, sizeof buffer, t.text, argument);
            return buffer;
        }
    return {};
}

void RaiseGifError(TGifTextId id, int argument)
{
    throw EInvalidGraphicOperation(GifText(id, argument));
}

void RaiseGifReadError()
{
    throw EInvalidGraphicOperation("Stream read error");
}
