#include "editors/edit/viewinfo/tests/editpaintscene.h"

#include <algorithm>
#include <cstdlib>

TColor Sys(TColor color)
{
    return static_cast<TColor>(ColorToRGB(color));
}

bool ThemeLibraryExpected()
{
    return std::getenv("VOSTREL_EXPECT_NO_UXTHEME") == nullptr;
}

TShot::TShot(int w, int h)
{
    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    bitmap.SetSize(w, h);
    bitmap.Canvas().Brush().SetColor(kSentinel);
    bitmap.Canvas().FillRect(RECT{0, 0, w, h});
}

TRect TShot::BoxWhere(const TRect& r, const std::function<bool(TColor)>& matches) const
{
    TRect box{r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (matches(At(x, y))) {
                box.left = std::min<int>(box.left, x);
                box.top = std::min<int>(box.top, y);
                box.right = std::max<int>(box.right, x + 1);
                box.bottom = std::max<int>(box.bottom, y + 1);
            }
    return box.left < box.right ? box : TRect{};
}

TRect TShot::BoxOfOthers(const TRect& r, TColor other) const
{
    return BoxWhere(r, [other](TColor c) { return c != other; });
}

TRect TShot::BoxOf(const TRect& r, TColor color) const
{
    return BoxWhere(r, [color](TColor c) { return c == color; });
}

int TShot::Count(const TRect& r, TColor color) const
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += At(x, y) == color;
    return n;
}

std::unique_ptr<TcxCustomEditViewInfo> MakeView(int width, int height, const std::vector<TButtonLook>& buttons)
{
    auto view = std::make_unique<TcxCustomEditViewInfo>();
    view->OuterBounds = TRect{0, 0, width, height};
    view->InnerRect = TRect{1, 1, width - 1, height - 1};
    view->BorderStyle = cbsSingle;
    view->FrameStyle = cbsSingle;
    view->FrameWidth = 1;
    view->BorderColor = clBlack;
    view->BackgroundColor = clWindow;
    view->SetButtonCount(static_cast<int>(buttons.size()));
    int right = view->InnerRect.right;
    for (int i = static_cast<int>(buttons.size()) - 1; i >= 0; --i) {
        const TButtonLook& look = buttons[static_cast<std::size_t>(i)];
        TcxEditButtonViewInfo& b = view->Button(i);
        b.Bounds = TRect{right - look.Width, view->InnerRect.top, right, view->InnerRect.bottom};
        b.VisibleBounds = b.Bounds;
        right -= look.Width;
        b.Style = look.Style;
        b.Kind = look.Kind;
        b.Data.State = look.State;
        b.Data.Transparent = look.Transparent;
        b.Caption = b.VisibleCaption = look.Caption;
        b.Glyph = look.Glyph;
        b.TransparentColor = view->BackgroundColor;
        b.Index = i;
        b.Width = look.Width;
    }
    view->ContentRect = TRect{view->InnerRect.left, view->InnerRect.top, right, view->InnerRect.bottom};
    return view;
}

TRect ContentArea(const TcxEditButtonViewInfo& button)
{
    return cxRectShrunk(button.Bounds, 2);
}
