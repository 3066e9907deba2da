// Every button kind in every style and state, painted by hand-filled views
// into one picture: saved as a bitmap for people to look at, and checked
// for holes, the border and the state's own look.
#include <gtest/gtest.h>

#include <windows.h>

#include "editors/edit/viewinfo/cxeditutils.h"
#include "editors/edit/viewinfo/tests/editpaintscene.h"
#include "editors/foundation/theme/dxthememanager.h"

namespace {

constexpr TcxEditButtonStyle kStyles[] = {bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11};
constexpr TcxEditButtonState kStates[] = {ebsDisabled, ebsNormal, ebsPressed, ebsHot};
constexpr TcxEditButtonKind kKinds[] = {bkEllipsis, bkDown, bkGlyph, bkText};
constexpr int kCellWidth = 64, kCellHeight = 24, kGap = 4;
// The styles, then the native look when the theme is there.
constexpr int kRows = (6 + 1) * 4;

TEST(EditButtonsGallery, EveryKindStyleAndStateIsDrawnWholeAndSaved)
{
    TBitmap glyph;
    glyph.SetSize(9, 9);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(RECT{0, 0, 9, 9});
    glyph.Canvas().Brush().SetColor(clGreen);
    glyph.Canvas().FillRect(RECT{2, 2, 7, 7});
    glyph.SetTransparentColor(clFuchsia);

    const bool themed = OpenTheme(0) != 0;
    const int width = 4 * (kCellWidth + kGap), height = kRows * (kCellHeight + kGap);
    TShot gallery(width, height);
    for (int row = 0; row < kRows; ++row) {
        const int styleIndex = row / 4;
        const bool native = styleIndex == 6;
        if (native && !themed)
            continue;
        const TcxEditButtonKind kind = kKinds[row % 4];
        for (int column = 0; column < 4; ++column) {
            TButtonLook look{native ? bts3D : kStyles[styleIndex], kind, kStates[column], kind == bkText ? 30 : 21};
            look.Caption = "确定";
            look.Glyph = &glyph;
            auto view = MakeView(kCellWidth, kCellHeight, {look});
            TcxEditButtonViewInfo& button = view->Button(0);
            if (native) {
                button.NativeStyle = true;
                button.ThemeClass = 0;
                button.Data.NativePart = 1;
                // Disabled 4, normal 1, pressed 3, hot 2.
                static constexpr int kThemeStates[] = {4, 1, 3, 2};
                button.Data.NativeState = kThemeStates[column];
            }
            const int x = column * (kCellWidth + kGap), y = row * (kCellHeight + kGap);
            gallery.canvas.SetWindowOrg(POINT{-x, -y});
            view->Paint(gallery.canvas);
            gallery.canvas.SetWindowOrg(POINT{0, 0});

            const TRect b = cxRectOffsetBy(button.Bounds, x, y);
            // No pixel of the view is left unpainted, nothing outside it painted.
            EXPECT_EQ(gallery.Count(TRect{x, y, x + kCellWidth, y + kCellHeight}, kSentinel), 0)
                << "row " << row << " column " << column;
            EXPECT_EQ(gallery.At(x + kCellWidth, y + 5), kSentinel);
            EXPECT_EQ(gallery.At(x, y + 5), clBlack) << "row " << row;
            // Something besides the face inside the button: its content.
            const TRect area = cxRectShrunk(b, 2);
            EXPECT_FALSE(cxRectIsEmpty(gallery.BoxOfOthers(area, gallery.At(area.left, area.top))))
                << "row " << row << " column " << column;
        }
    }
    const std::string file = ThemeLibraryExpected() ? "edit_buttons_gallery.bmp" : "edit_buttons_gallery_nouxtheme.bmp";
    // GDI leaves the alpha byte 0, which viewers take as see-through: saved without it.
    gallery.bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    gallery.bitmap.SaveToFile(file);
    TBitmap back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.Width(), width);
    EXPECT_EQ(back.Height(), height);
}

} // namespace
