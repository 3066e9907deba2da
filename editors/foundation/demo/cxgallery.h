// The painters' gallery: one column per look (Flat, Standard, UltraFlat,
// Office11 and the native style) and one row per family of painted
// elements, each cell drawn by the column's painter in its states.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"
#include "editors/foundation/lookandfeel/cxlookandfeels.h"

enum class TcxGalleryRow {
    Border,        // the control border frame
    Buttons,       // default, normal, hot, pressed, disabled
    Arrows,        // arrow buttons up, down, left, right; a disabled scroll arrow
    CheckBoxes,    // unchecked, checked, grayed
    Radios,        // unchecked, checked, focused, hot-tracked
    ExpandButtons, // collapsed, expanded
    ScrollBar,     // parts 1 to 5, normal
    ScrollPressed, // parts 1 to 5, pressed
    SizeGrip,
    Header,
};
constexpr int cxGalleryRowCount = 10;
constexpr int cxGalleryColumnCount = 5;

class TcxGallery {
public:
    // The columns' look and feels follow nothing but their own values.
    TcxGallery();

    TSize Size() const;
    const char* ColumnCaption(int column) const;
    TcxCustomLookAndFeelPainterClass Painter(int column) const { return lookAndFeels_[column]->GetPainter(); }
    const TcxLookAndFeel& LookAndFeel(int column) const { return *lookAndFeels_[column]; }
    // Where an element of a row is drawn in a column.
    TRect Cell(int column, TcxGalleryRow row, int item) const;
    int ItemCount(TcxGalleryRow row) const;

    void Paint(TcxCanvas& canvas) const;
    // One column drawn by any painter.
    void PaintColumn(TcxCanvas& canvas, int column, const TcxCustomLookAndFeelPainter& painter) const;

private:
    TSize ItemSize(const TcxCustomLookAndFeelPainter& painter, TcxGalleryRow row) const;
    TRect CellFor(const TcxCustomLookAndFeelPainter& painter, int column, TcxGalleryRow row, int item) const;
    void PaintCell(TcxCanvas& canvas, const TcxCustomLookAndFeelPainter& painter, TcxGalleryRow row, int item,
                   const TRect& r) const;

    std::array<std::unique_ptr<TcxLookAndFeel>, cxGalleryColumnCount> lookAndFeels_;
};
