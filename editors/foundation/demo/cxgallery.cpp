#include "editors/foundation/demo/cxgallery.h"

namespace {

constexpr int kMargin = 10, kColumnWidth = 130, kCaptionHeight = 22, kRowHeight = 30, kGap = 4;
constexpr int kWideItem = 110, kScrollThickness = 17, kScrollLength = 20, kButtonSize = 20;

struct TColumn {
    const char* Caption;
    TcxLookAndFeelKind Kind;
    bool Native;
};
constexpr TColumn kColumns[cxGalleryColumnCount] = {
    {"Flat", lfFlat, false},          {"Standard", lfStandard, false}, {"UltraFlat", lfUltraFlat, false},
    {"Office11", lfOffice11, false}, {"Native", lfStandard, true},
};

constexpr int kItemCounts[cxGalleryRowCount] = {1, 5, 5, 3, 4, 2, 5, 5, 1, 1};

} // namespace

TcxGallery::TcxGallery()
{
    for (int c = 0; c < cxGalleryColumnCount; ++c) {
        lookAndFeels_[c] = std::make_unique<TcxLookAndFeel>();
        lookAndFeels_[c]->SetKind(kColumns[c].Kind);
        lookAndFeels_[c]->SetNativeStyle(kColumns[c].Native);
    }
}

TSize TcxGallery::Size() const
{
    return cxMakeSize(2 * kMargin + cxGalleryColumnCount * kColumnWidth,
                      2 * kMargin + kCaptionHeight + cxGalleryRowCount * kRowHeight);
}

const char* TcxGallery::ColumnCaption(int column) const
{
    return kColumns[column].Caption;
}

int TcxGallery::ItemCount(TcxGalleryRow row) const
{
    return kItemCounts[static_cast<int>(row)];
}

TSize TcxGallery::ItemSize(const TcxCustomLookAndFeelPainter& painter, TcxGalleryRow row) const
{
    switch (row) {
    case TcxGalleryRow::Border:
        return cxMakeSize(kWideItem, 24);
    case TcxGalleryRow::Buttons:
        return cxMakeSize(kButtonSize, kButtonSize);
    case TcxGalleryRow::Arrows:
        return cxMakeSize(kScrollThickness, kScrollThickness);
    case TcxGalleryRow::CheckBoxes:
        return painter.CheckBoxExtent();
    case TcxGalleryRow::Radios:
        return painter.RadioButtonExtent();
    case TcxGalleryRow::ExpandButtons:
        return cxMakeSize(painter.ExpandButtonExtent(), painter.ExpandButtonExtent());
    case TcxGalleryRow::ScrollBar:
    case TcxGalleryRow::ScrollPressed:
        return cxMakeSize(kScrollThickness, kScrollLength);
    case TcxGalleryRow::SizeGrip:
        return painter.SizeGripExtent();
    case TcxGalleryRow::Header:
        return cxMakeSize(kWideItem, 20);
    }
    return cxMakeSize(0, 0);
}

TRect TcxGallery::CellFor(const TcxCustomLookAndFeelPainter& painter, int column, TcxGalleryRow row, int item) const
{
    const TSize size = ItemSize(painter, row);
    const int left = kMargin + column * kColumnWidth + item * (size.cx + kGap);
    const int top = kMargin + kCaptionHeight + static_cast<int>(row) * kRowHeight + (kRowHeight - kGap - size.cy) / 2;
    return TRect{left, top, left + size.cx, top + size.cy};
}

TRect TcxGallery::Cell(int column, TcxGalleryRow row, int item) const
{
    return CellFor(*Painter(column), column, row, item);
}

void TcxGallery::Paint(TcxCanvas& canvas) const
{
    for (int c = 0; c < cxGalleryColumnCount; ++c) {
        const int left = kMargin + c * kColumnWidth;
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Font().SetColor(clBtnText);
        canvas.Canvas().TextOut(left, kMargin, kColumns[c].Caption);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        PaintColumn(canvas, c, *Painter(c));
    }
}

void TcxGallery::PaintColumn(TcxCanvas& canvas, int column, const TcxCustomLookAndFeelPainter& painter) const
{
    for (int row = 0; row < cxGalleryRowCount; ++row)
        for (int item = 0; item < kItemCounts[row]; ++item) {
            const auto r = static_cast<TcxGalleryRow>(row);
            PaintCell(canvas, painter, r, item, CellFor(painter, column, r, item));
        }
}

void TcxGallery::PaintCell(TcxCanvas& canvas, const TcxCustomLookAndFeelPainter& painter, TcxGalleryRow row,
                           int item, const TRect& r) const
{
    switch (row) {
    case TcxGalleryRow::Border:
        painter.PaintBorderFrame(canvas, r);
        break;
    case TcxGalleryRow::Buttons:
        painter.PaintButton(canvas, r, "", static_cast<TcxButtonState>(item));
        break;
    case TcxGalleryRow::Arrows:
        if (item < cxArrowDirectionCount)
            painter.PaintArrowButton(canvas, r, true, cxbsNormal, item);
        else
            painter.PaintScrollArrow(canvas, r, adDown, cxbsDisabled);
        break;
    case TcxGalleryRow::CheckBoxes:
        painter.PaintCheckBox(canvas, r, item, cxbsNormal);
        break;
    case TcxGalleryRow::Radios: {
        // Unchecked, checked, checked and focused, unchecked and hot-tracked.
        const bool checked = item == 1 || item == 2;
        painter.PaintRadioButton(canvas, r.left, r.top, cxbsNormal, checked, item == 2, clNone, item == 3);
        break;
    }
    case TcxGalleryRow::ExpandButtons:
        canvas.PushClipRegion();
        painter.PaintExpandButton(canvas, r, clDefault, item == 1);
        canvas.PopClipRegion();
        break;
    case TcxGalleryRow::ScrollBar:
    case TcxGalleryRow::ScrollPressed:
        painter.PaintScrollBarPart(canvas, false, row == TcxGalleryRow::ScrollBar ? cxbsNormal : cxbsPressed,
                                   item + 1, r);
        break;
    case TcxGalleryRow::SizeGrip:
        painter.PaintSizeGrip(canvas, r, clBtnFace);
        break;
    case TcxGalleryRow::Header: {
        TcxContentParams header;
        header.Color = clBtnFace;
        header.TextColor = clBtnText;
        header.Text = "Header";
        header.AlignHorz = TcxTextAlignHorz::Center;
        painter.PaintHeaderSection(canvas, r, cxbsNormal, header);
        break;
    }
    }
}
