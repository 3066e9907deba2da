#include "editors/foundation/demo/cxgallery.h"

#include <windows.h>
#include <vsstyle.h>

#include <functional>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "editors/foundation/graphics/cxbitmap.h"
#include "editors/foundation/graphics/cxgraphics.h"
#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"
#include "editors/foundation/tests/foundation_environment.h"

namespace {

constexpr TColor kSentinel = 0x123456;
enum { cFlat, cStandard, cUltraFlat, cOffice11, cNative };
enum : int { tcButton = 0, tcListView = 7 };

TColor Sys(TColor color)
{
    return static_cast<TColor>(ColorToRGB(color));
}

TColor Office11(int entry)
{
    return static_cast<TColor>(Office11Palette().Entries[entry]);
}

// A sentinel-filled 32-bit bitmap the gallery's size, and a canvas over it.
struct TShot {
    explicit TShot(const TSize& size)
    {
        bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        bitmap.SetSize(size.cx, size.cy);
        bitmap.Canvas().Brush().SetColor(kSentinel);
        bitmap.Canvas().FillRect(RECT{0, 0, size.cx, size.cy});
    }
    TColor At(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    // The box of the pixels of that colour inside r; empty when none.
    TRect BoxOf(const TRect& r, TColor color)
    {
        TRect box{r.right, r.bottom, r.left, r.top};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) == color)
                    box = TRect{std::min<int>(box.left, x), std::min<int>(box.top, y), std::max<int>(box.right, x + 1),
                                std::max<int>(box.bottom, y + 1)};
        return box;
    }
    TBitmap bitmap;
    TcxCanvas canvas{bitmap.Canvas()};
};

class Gallery : public ::testing::Test {
protected:
    void SetUp() override { Repaint(); }
    void Repaint()
    {
        shot = std::make_unique<TShot>(gallery.Size());
        gallery.Paint(shot->canvas);
    }
    TColor At(int x, int y) { return shot->At(x, y); }
    TRect Cell(int column, TcxGalleryRow row, int item = 0) { return gallery.Cell(column, row, item); }
    // A theme part drawn alone into a sentinel bitmap, read at the same places.
    std::unique_ptr<TShot> ThemeReference(int themeClass, int part, int state, const TRect& r,
                                          bool frameOnly = false)
    {
        auto reference = std::make_unique<TShot>(gallery.Size());
        auto theme = reinterpret_cast<dxUxTheme::HTHEME>(OpenTheme(themeClass));
        HDC dc = reference->bitmap.Canvas().Handle();
        SaveDC(dc);
        if (frameOnly)
            ExcludeClipRect(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
        dxUxTheme::DrawThemeBackground(theme, dc, part, state, &r, nullptr);
        RestoreDC(dc, -1);
        return reference;
    }
    bool Themed(int themeClass) { return OpenTheme(themeClass) != 0; }

    TcxGallery gallery;
    std::unique_ptr<TShot> shot;
};

TEST_F(Gallery, NativeDrawsThroughTheThemeOnlyWithTheThemeLibrary)
{
    EXPECT_EQ(Themed(tcButton), ExpectThemeLibrary());
    EXPECT_EQ(gallery.Painter(cNative) == &TcxWinXPLookAndFeelPainter::Instance, ThemesUsable());
}

TEST_F(Gallery, BorderFramesTakeEachStylesEdges)
{
    struct {
        int column;
        TColor outer, inner;
    } cases[] = {
        {cFlat, Sys(clBtnShadow), kSentinel},
        {cStandard, Sys(clBtnShadow), Sys(cl3DDkShadow)},
        {cUltraFlat, Sys(clBtnShadow), kSentinel},
        {cOffice11, static_cast<TColor>(Office11Palette().ShadowEdge), kSentinel},
    };
    for (const auto& c : cases) {
        const TRect r = Cell(c.column, TcxGalleryRow::Border);
        const int mid = (r.top + r.bottom) / 2;
        EXPECT_EQ(At(r.left, mid), c.outer) << c.column;
        EXPECT_EQ(At(r.left + 1, mid), c.inner) << c.column;
        const bool sunken = c.column == cStandard || c.column == cFlat;
        EXPECT_EQ(At(r.right - 1, mid), sunken ? Sys(clBtnHighlight) : c.outer) << c.column;
        EXPECT_EQ(At((r.left + r.right) / 2, mid), kSentinel) << c.column;
    }
    const TRect r = Cell(cNative, TcxGalleryRow::Border);
    const int mid = (r.top + r.bottom) / 2;
    if (!Themed(tcListView)) {
        EXPECT_EQ(At(r.left, mid), Sys(clBtnShadow));
        EXPECT_EQ(At(r.left + 1, mid), Sys(cl3DDkShadow));
        return;
    }
    auto reference = ThemeReference(tcListView, 0, 0, r, true);
    EXPECT_EQ(At(r.left, mid), reference->At(r.left, mid));
    EXPECT_EQ(At(r.left + 1, mid), reference->At(r.left + 1, mid));
    EXPECT_NE(At(r.left, mid), kSentinel);
    EXPECT_EQ(At((r.left + r.right) / 2, mid), kSentinel);
}

TEST_F(Gallery, ButtonsShowTheirStatesEdgesAndFaces)
{
    struct {
        int column;
        TcxButtonState state;
        TColor left, right, centre;
    } cases[] = {
        {cStandard, cxbsNormal, Sys(clBtnHighlight), Sys(cl3DDkShadow), Sys(clBtnFace)},
        {cStandard, cxbsDefault, Sys(clBlack), Sys(clBlack), Sys(clBtnFace)},
        {cStandard, cxbsPressed, Sys(clBlack), Sys(clBlack), Sys(clBtnFace)},
        {cFlat, cxbsNormal, Sys(clBtnHighlight), Sys(clBtnShadow), Sys(clBtnFace)},
        {cFlat, cxbsPressed, Sys(clBtnShadow), Sys(clBtnHighlight), Sys(clBtnFace)},
        {cUltraFlat, cxbsNormal, Sys(clBtnText), Sys(clBtnText), Sys(clBtnFace)},
        {cUltraFlat, cxbsHot, Sys(clHighlight), Sys(clHighlight), Sys(cxSelectionColorB())},
        {cUltraFlat, cxbsPressed, Sys(clHighlight), Sys(clHighlight), Sys(cxSelectionColorA())},
        {cUltraFlat, cxbsDisabled, Sys(clBtnShadow), Sys(clBtnShadow), Sys(clBtnFace)},
        {cOffice11, cxbsNormal, Sys(clBtnText), Sys(clBtnText), Office11(2)},
        {cOffice11, cxbsHot, Office11(21), Office11(21), Office11(22)},
        {cOffice11, cxbsPressed, Office11(21), Office11(21), Office11(24)},
        {cOffice11, cxbsDisabled, Office11(31), Office11(31), Sys(clBtnFace)},
    };
    for (const auto& c : cases) {
        const TRect r = Cell(c.column, TcxGalleryRow::Buttons, c.state);
        const int mid = (r.top + r.bottom) / 2;
        EXPECT_EQ(At(r.left, mid), c.left) << c.column << " state " << int{c.state};
        EXPECT_EQ(At(r.right - 1, mid), c.right) << c.column << " state " << int{c.state};
        EXPECT_EQ(At(mid - r.top + r.left, mid), c.centre) << c.column << " state " << int{c.state};
    }
    // The pressed Standard button's second ring is the shadow.
    const TRect pressed = Cell(cStandard, TcxGalleryRow::Buttons, cxbsPressed);
    EXPECT_EQ(At(pressed.left + 1, pressed.top + 5), Sys(clBtnShadow));
}

TEST_F(Gallery, NativeButtonsAreTheThemesPushButtons)
{
    if (!Themed(tcButton))
        GTEST_SKIP() << "no theme without the theme library";
    static constexpr int themeStates[] = {PBS_DEFAULTED, PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED};
    for (int state = cxbsDefault; state <= cxbsDisabled; ++state) {
        const TRect r = Cell(cNative, TcxGalleryRow::Buttons, state);
        auto reference = ThemeReference(tcButton, BP_PUSHBUTTON, themeStates[state], r);
        for (int y = r.top; y < r.bottom; y += 3)
            for (int x = r.left; x < r.right; x += 3)
                ASSERT_EQ(At(x, y), reference->At(x, y)) << "state " << state << " at " << x << "," << y;
    }
}

TEST_F(Gallery, ArrowButtonsHoldCentredTrianglesInTheGlyphColour)
{
    struct {
        int column;
        TColor glyph;
    } cases[] = {{cFlat, Sys(clBtnText)}, {cStandard, Sys(clBtnText)}, {cUltraFlat, Sys(clBtnText)},
                 {cOffice11, Office11(30)}};
    for (const auto& c : cases)
        for (int direction = adUp; direction <= adRight; ++direction) {
            const TRect r = Cell(c.column, TcxGalleryRow::Arrows, direction);
            // Inside the borders: 17 pixels across give s = 5, a base of 9.
            const TRect box = shot->BoxOf(cxRectShrunk(r, 2), c.glyph);
            const bool vertical = direction == adUp || direction == adDown;
            EXPECT_EQ(cxRectGetWidth(box), vertical ? 9 : 5) << c.column << " direction " << direction;
            EXPECT_EQ(cxRectGetHeight(box), vertical ? 5 : 9) << c.column << " direction " << direction;
            EXPECT_EQ(box.left - r.left + box.right - r.right, 0) << c.column << " direction " << direction;
        }
}

TEST_F(Gallery, ADisabledScrollArrowHasItsHighlightCopyDownRight)
{
    for (int column : {cFlat, cStandard, cUltraFlat}) {
        const TRect r = Cell(column, TcxGalleryRow::Arrows, 4);
        const TRect shadow = shot->BoxOf(r, Sys(clBtnShadow)), light = shot->BoxOf(r, Sys(clBtnHighlight));
        ASSERT_FALSE(cxRectIsEmpty(shadow)) << column;
        EXPECT_EQ(light.right, shadow.right + 1) << column;
        EXPECT_EQ(light.bottom, shadow.bottom + 1) << column;
    }
}

TEST_F(Gallery, StandardPageAreasAreCheckerboards)
{
    struct {
        TcxGalleryRow row;
        TColor even, odd;
    } cases[] = {{TcxGalleryRow::ScrollBar, Sys(clBtnFace), Sys(clBtnHighlight)},
                 {TcxGalleryRow::ScrollPressed, Sys(clBlack), Sys(cl3DDkShadow)}};
    for (const auto& c : cases)
        for (int item : {3, 4}) {
            const TRect r = Cell(cStandard, c.row, item);
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    ASSERT_EQ(At(x, y), (x + y) % 2 ? c.odd : c.even) << x << "," << y;
        }
}

TEST_F(Gallery, APressedStandardScrollArrowMovesOnePixelRightAndDown)
{
    for (int item : {0, 1}) {
        const TRect normal = Cell(cStandard, TcxGalleryRow::ScrollBar, item);
        const TRect pressed = Cell(cStandard, TcxGalleryRow::ScrollPressed, item);
        const TRect a = shot->BoxOf(cxRectShrunk(normal, 2), Sys(clBtnText));
        const TRect b = shot->BoxOf(cxRectShrunk(pressed, 2), Sys(clBtnText));
        ASSERT_FALSE(cxRectIsEmpty(a));
        EXPECT_EQ(b.left - pressed.left, a.left - normal.left + 1) << item;
        EXPECT_EQ(b.top - pressed.top, a.top - normal.top + 1) << item;
    }
    // The thumb has no pressed look of its own, but it is drawn.
    const TRect thumb = Cell(cStandard, TcxGalleryRow::ScrollBar, 2);
    EXPECT_EQ(At((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), Sys(clBtnFace));
}

TEST_F(Gallery, CheckBoxesShowTheMarkOnlyWhenChecked)
{
    for (int column : {cFlat, cStandard, cUltraFlat, cOffice11}) {
        auto marks = [&](int item) {
            return !cxRectIsEmpty(shot->BoxOf(cxRectShrunk(Cell(column, TcxGalleryRow::CheckBoxes, item), 2),
                                              Sys(clBtnText)));
        };
        EXPECT_FALSE(marks(cbsUnchecked)) << column;
        EXPECT_TRUE(marks(cbsChecked)) << column;
        EXPECT_FALSE(marks(cbsGrayed)) << column;
        const TRect unchecked = Cell(column, TcxGalleryRow::CheckBoxes, cbsUnchecked);
        EXPECT_EQ(At((unchecked.left + unchecked.right) / 2, (unchecked.top + unchecked.bottom) / 2), Sys(clWindow));
    }
}

// The colour at the glyph's centre, and the first colour from its left on the middle row.
struct TRadioProbe {
    TColor centre, ring;
};

class RadioGallery : public Gallery {
protected:
    TRadioProbe Probe(int column, int item)
    {
        const TRect r = Cell(column, TcxGalleryRow::Radios, item);
        const int midY = (r.top + r.bottom) / 2;
        TColor ring = kSentinel;
        for (int x = r.left; x < r.right && ring == kSentinel; ++x)
            ring = At(x, midY);
        return {At((r.left + r.right) / 2, midY), ring};
    }
};

TEST_F(RadioGallery, DotsAndRingsFollowTheLookAndTheState)
{
    struct {
        int column, item;
        TColor centre, ring;
    } cases[] = {
        {cStandard, 0, Sys(clWindow), Sys(clBtnShadow)},   {cStandard, 1, Sys(clWindowText), Sys(clBtnShadow)},
        {cFlat, 1, Sys(clWindowText), Sys(clBtnShadow)},   {cUltraFlat, 0, Sys(clWindow), Sys(clBtnShadow)},
        {cUltraFlat, 2, Sys(clWindowText), Sys(clHighlight)}, {cUltraFlat, 3, Sys(clWindow), Sys(clHighlight)},
        {cOffice11, 0, Sys(clWindow), Sys(clBtnText)},     {cOffice11, 3, Sys(clWindow), Office11(21)},
    };
    for (const auto& c : cases) {
        const TRadioProbe p = Probe(c.column, c.item);
        EXPECT_EQ(p.centre, c.centre) << c.column << " item " << c.item;
        EXPECT_EQ(p.ring, c.ring) << c.column << " item " << c.item;
    }
}

TEST_F(RadioGallery, GlyphsTakeNewSystemColoursAfterAPaletteChange)
{
    const int element = COLOR_WINDOW;
    const COLORREF saved = GetSysColor(element);
    const COLORREF changed = RGB(250, 240, 200);
    struct TRestore {
        int element;
        COLORREF color;
        ~TRestore()
        {
            SetSysColors(1, &element, &color);
            Application.ProcessMessages();
        }
    } restore{element, saved};
    SetSysColors(1, &element, &changed);
    Application.ProcessMessages();
    Repaint();
    EXPECT_EQ(Probe(cStandard, 0).centre, static_cast<TColor>(changed));
}

TEST_F(Gallery, WithoutVisualStylesTheNativePainterDrawsExactlyAsStandard)
{
    if (Themed(tcButton))
        GTEST_SKIP() << "visual styles are on";
    TShot standard(gallery.Size()), native(gallery.Size());
    gallery.PaintColumn(standard.canvas, cStandard, TcxStandardLookAndFeelPainter::Instance);
    gallery.PaintColumn(native.canvas, cStandard, TcxWinXPLookAndFeelPainter::Instance);
    EXPECT_EQ(cxGetBitmapBits(standard.bitmap), cxGetBitmapBits(native.bitmap));
    // The Native column's own cells, drawn by its look and feel, match them too.
    const TRect a = Cell(cStandard, TcxGalleryRow::ScrollBar, 0), b = Cell(cNative, TcxGalleryRow::ScrollBar, 0);
    for (int y = 0; y < cxRectGetHeight(a); ++y)
        for (int x = 0; x < cxRectGetWidth(a); ++x)
            ASSERT_EQ(At(a.left + x, a.top + y), At(b.left + x, b.top + y));
}

TEST_F(Gallery, ScreenshotOfTheGallery)
{
    TShot screen(gallery.Size());
    cxFillRectByColor(screen.canvas, TRect{0, 0, gallery.Size().cx, gallery.Size().cy}, clBtnFace);
    gallery.Paint(screen.canvas);
    const std::string file = ExpectThemeLibrary() ? "foundation_gallery.bmp" : "foundation_gallery_nouxtheme.bmp";
    // GDI leaves the alpha byte 0, which viewers take as see-through: saved without it.
    screen.bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    screen.bitmap.SaveToFile(file);
    EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace

TEST(IndicatorGlyphs, EachKindDrawsItsOwnBlackGlyphOnASeeThroughGround)
{
    std::vector<std::vector<TColor>> seen;
    for (int kind = 0; kind <= 6; ++kind) {
        TShot shot(TSize{20, 20});
        TcxStandardLookAndFeelPainter::Instance.PaintIndicatorGlyph(shot.canvas, TRect{0, 0, 20, 20}, kind);
        std::vector<TColor> pixels;
        int black = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                pixels.push_back(shot.At(x, y));
                black += shot.At(x, y) == 0;
                // White is left out: only the glyph's black and the ground show.
                EXPECT_TRUE(shot.At(x, y) == 0 || shot.At(x, y) == kSentinel) << kind << " at " << x << "," << y;
            }
        EXPECT_EQ(black == 0, kind == 0) << kind;
        for (const auto& other : seen)
            EXPECT_NE(pixels, other) << kind;
        seen.push_back(pixels);
    }
}

// The families nothing in the program calls yet: WinXP draws them through
// their theme class when it opens, and exactly as Standard without themes.
// (With themes, a class that does not open runs Standard's drawing, whose
// buttons are then themed.)
TEST(WinXPFamilies, DrawThroughTheirThemeClassOrExactlyAsStandard)
{
    using TDraw = std::function<void(const TcxCustomLookAndFeelPainter&, TcxCanvas&, const TRect&)>;
    struct TCase {
        const char* name;
        int themeClass;
        TDraw draw;
    };
    const TcxContentParams cell;
    const TCase cases[] = {
        {"navigation face", 19, [](auto& p, auto& c, auto& r) { p.PaintNavigationButtonFace(c, r, cxbsHot); }},
        {"group expand", 4, [](auto& p, auto& c, auto& r) { p.PaintGroupExpandButton(c, r, false, cxbsNormal); }},
        {"small expand", 23, [](auto& p, auto& c, auto& r) { p.PaintSmallExpandButton(c, r, clBlack, true); }},
        {"check glyph", 0, [](auto& p, auto& c, auto& r) { p.PaintCheckGlyph(c, r, clBlack, true, cxbsNormal); }},
        {"sort mark", 5, [](auto& p, auto& c, auto& r) { p.PaintSortMark(c, r, true); }},
        {"footer cell", 5, [&](auto& p, auto& c, auto& r) { p.PaintFooterCell(c, r, cell); }},
        {"filter close", 24, [](auto& p, auto& c, auto& r) { p.PaintFilterCloseButton(c, r, cxbsNormal); }},
        {"filter drop-down", 2,
         [](auto& p, auto& c, auto& r) { p.PaintFilterDropDownButton(c, r, cxbsNormal, false); }},
        {"tab", 16, [](auto& p, auto& c, auto& r) { p.PaintTab(c, r, cxbsPressed, "页"); }},
        {"progress", 10, [](auto& p, auto& c, auto& r) { p.PaintEventProgress(c, r, 50); }},
        {"navigator button", 19, [](auto& p, auto& c, auto& r) { p.PaintNavigatorButton(c, r, cxbsPressed); }},
    };
    const TRect r{2, 2, 26, 20};
    for (const TCase& c : cases) {
        TShot xp(TSize{28, 22}), standard(TSize{28, 22});
        c.draw(TcxWinXPLookAndFeelPainter::Instance, xp.canvas, r);
        c.draw(TcxStandardLookAndFeelPainter::Instance, standard.canvas, r);
        int differing = 0, drawn = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 28; ++x) {
                differing += xp.At(x, y) != standard.At(x, y);
                drawn += xp.At(x, y) != kSentinel;
            }
        if (OpenTheme(c.themeClass)) {
            EXPECT_GT(drawn, 0) << c.name;
            EXPECT_GT(differing, 0) << c.name;
        } else if (!ThemesUsable()) {
            EXPECT_EQ(differing, 0) << c.name;
        }
    }
}
