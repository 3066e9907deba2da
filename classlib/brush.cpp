#include "classlib/brush.h"

void TBrush::SetColor(TColor color)
{
    if (color != color_)
        color_ = color, handle_.reset();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style != style_)
        style_ = style, handle_.reset();
}

HBRUSH TBrush::Handle() const
{
    if (style_ == TBrushStyle::bsClear)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_) {
        // The hatch styles follow bsClear in the order of the HS_ constants.
        static const int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
        COLORREF rgb = ColorToRGB(color_);
        handle_.reset(style_ == TBrushStyle::bsSolid
                          ? CreateSolidBrush(rgb)
                          : CreateHatchBrush(hatches[static_cast<int>(style_) - static_cast<int>(TBrushStyle::bsHorizontal)], rgb));
    }
    return handle_.get();
}
