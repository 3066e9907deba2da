// Pens: a colour, style and width, and the GDI pen made from them on first
// use (remade after a change, freed with the owner).
#pragma once

#include <windows.h>

#include "classlib/colors.h"
#include "classlib/handles.h"

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen {
public:
    TPen() = default;
    TPen(const TPen& o) : color_(o.color_), style_(o.style_), width_(o.width_) {}
    TPen& operator=(const TPen& o)
    {
        color_ = o.color_, style_ = o.style_, width_ = o.width_, handle_.reset();
        return *this;
    }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    int Width() const { return width_; }
    void SetWidth(int width);
    HPEN Handle() const;

private:
    TColor color_ = clBlack;
    TPenStyle style_ = TPenStyle::psSolid;
    int width_ = 1;
    mutable UniqueHandle<HPEN, GdiDeleter> handle_;
};
