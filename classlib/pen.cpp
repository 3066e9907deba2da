#include "classlib/pen.h"

void TPen::SetColor(TColor color)
{
    if (color != color_)
        color_ = color, handle_.reset();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style != style_)
        style_ = style, handle_.reset();
}

void TPen::SetWidth(int width)
{
    if (width != width_)
        width_ = width, handle_.reset();
}

HPEN TPen::Handle() const
{
    if (!handle_) {
        static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        handle_.reset(CreatePen(styles[static_cast<int>(style_)], width_, ColorToRGB(color_)));
    }
    return handle_.get();
}
