// Brushes: a colour and style, and the GDI brush made from them on first
// use (remade after a change, freed with the owner).
#pragma once

#include <windows.h>

#include "classlib/colors.h"
#include "classlib/handles.h"

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush {
public:
    TBrush() = default;
    TBrush(const TBrush& o) : color_(o.color_), style_(o.style_) {}
    TBrush& operator=(const TBrush& o)
    {
        color_ = o.color_, style_ = o.style_, handle_.reset();
        return *this;
    }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // A clear brush is the stock null brush, never owned.
    HBRUSH Handle() const;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    mutable UniqueBrush handle_;
};
