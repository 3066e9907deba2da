#include "editors/foundation/demo/cxcontrolsshowcase.h"

#include <algorithm>
#include <string>

#include "editors/foundation/graphics/cxgraphics.h"

namespace {

constexpr int kMargin = 10, kColumnWidth = 130, kContentSize = 300, kSquare = 50, kControlSize = 100;
constexpr int kBarLength = 121, kBarThickness = 17, kGap = 6;

void ApplyLook(TcxLookAndFeel& lookAndFeel, const TcxLookAndFeel& column)
{
    lookAndFeel.SetKind(column.GetKind());
    lookAndFeel.SetNativeStyle(column.GetNativeStyle());
}

} // namespace

void TcxDemoContentControl::InitScrollBarsParameters()
{
    const TRect client = GetClientBounds();
    const int width = client.right - client.left, height = client.bottom - client.top;
    SetScrollBarInfo(TScrollBarKind::sbHorizontal, 0, kContentSize - 1, 8, width, offset_.x, true, true);
    SetScrollBarInfo(TScrollBarKind::sbVertical, 0, kContentSize - 1, 8, height, offset_.y, true, true);
}

// Lines and pages move from the content's own offset; the other codes bring the position.
void TcxDemoContentControl::Scroll(TScrollBarKind kind, TScrollCode code, int& position)
{
    const bool horizontal = kind == TScrollBarKind::sbHorizontal;
    auto& offset = horizontal ? offset_.x : offset_.y;
    const TcxControlScrollBar* bar = horizontal ? HScrollBar() : VScrollBar();
    if (!bar)
        return;
    TcxScrollBarRange range = bar->Range();
    range.Position = offset;
    if (code <= scPageDown)
        position = cxScrollBarPositionForCode(range, code, 8, std::max(1, range.PageSize));
    position = std::clamp(position, 0, std::max(0, kContentSize - range.PageSize));
    if (position == static_cast<int>(offset))
        return;
    offset = position;
    UpdateScrollBars();
    Invalidate();
}

void TcxDemoContentControl::Paint()
{
    TcxControl::Paint();
    const TRect client = GetClientBounds();
    TcxCanvas& canvas = cxCanvas();
    for (int row = 0; row < kContentSize / kSquare; ++row)
        for (int col = 0; col < kContentSize / kSquare; ++col) {
            const int x = client.left + col * kSquare - offset_.x, y = client.top + row * kSquare - offset_.y;
            const RECT square{x, y, x + kSquare, y + kSquare};
            cxFillRectByColor(canvas, square, (row + col) % 2 ? clWindow : clInfoBk);
            const std::string number = std::to_string(row * 6 + col + 1);
            TextOutA(canvas.Handle(), x + 4, y + 4, number.c_str(), static_cast<int>(number.size()));
        }
}

TcxControlsShowcase::TcxControlsShowcase()
{
    const TcxGallery gallery;
    for (int c = 0; c < cxGalleryColumnCount; ++c) {
        TcxShowcaseColumn& column = columns_[c];
        column.Horizontal = std::make_unique<TcxScrollBar>();
        column.Vertical = std::make_unique<TcxScrollBar>();
        column.Vertical->SetKind(TScrollBarKind::sbVertical);
        column.Control = std::make_unique<TcxDemoContentControl>();
        column.Control->SetBorderStyle(TcxControlBorderStyle::cxcbsDefault);
        for (TcxScrollBar* bar : {column.Horizontal.get(), column.Vertical.get()}) {
            bar->SetPosition(50);
            ApplyLook(bar->LookAndFeel(), gallery.LookAndFeel(c));
        }
        ApplyLook(column.Control->LookAndFeel(), gallery.LookAndFeel(c));
    }
}

int TcxControlsShowcase::Height()
{
    return kBarThickness + kGap + kControlSize + kMargin;
}

void TcxControlsShowcase::Place(TWinControl& parent, int top)
{
    for (int c = 0; c < cxGalleryColumnCount; ++c) {
        TcxShowcaseColumn& column = columns_[c];
        const int left = kMargin + c * kColumnWidth;
        column.Horizontal->SetBounds(left, top, kBarLength, kBarThickness);
        column.Vertical->SetBounds(left, top + kBarThickness + kGap, kBarThickness, kControlSize);
        column.Control->SetBounds(left + kBarThickness + kGap, top + kBarThickness + kGap, kControlSize, kControlSize);
        column.Horizontal->SetParent(&parent);
        column.Vertical->SetParent(&parent);
        column.Control->SetParent(&parent);
    }
}
