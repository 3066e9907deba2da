// The editors' drawing helpers drawn into bitmaps, and their measures.
#include "editors/edit/viewinfo/cxeditutils.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "editors/edit/container/cxcontainertypes.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/viewinfo/cxeditpaintgeometry.h"
#include "editors/edit/viewinfo/tests/editpaintscene.h"
#include "editors/foundation/core/cxtextlayout.h"
#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

TRect Whole(const TShot& shot)
{
    return TRect{0, 0, shot.bitmap.Width(), shot.bitmap.Height()};
}

// A glyph from rows of letters: 'g' green, 'k' black, 'w' white, '.' its transparent colour (fuchsia).
std::unique_ptr<TBitmap> Glyph(const std::vector<std::string>& rows)
{
    auto glyph = std::make_unique<TBitmap>();
    const int w = static_cast<int>(rows[0].size()), h = static_cast<int>(rows.size());
    glyph->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            glyph->Canvas().SetPixels(x, y, c == 'g' ? clGreen : c == 'k' ? clBlack : c == 'w' ? clWhite : clFuchsia);
        }
    glyph->SetTransparentColor(clFuchsia);
    return glyph;
}

TEST(EditUtils, TheOldSystemsTestPicks98MeAnd2000Xp)
{
    struct Case {
        DWORD platform, major, minor;
        bool expected;
    } cases[] = {
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, false}, {VER_PLATFORM_WIN32_WINDOWS, 4, 10, true},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, true}, {VER_PLATFORM_WIN32_NT, 4, 0, false},
        {VER_PLATFORM_WIN32_NT, 5, 0, true},       {VER_PLATFORM_WIN32_NT, 5, 1, true},
        {VER_PLATFORM_WIN32_NT, 6, 1, false},      {VER_PLATFORM_WIN32s, 5, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cxIsWin98MeOr2000XpVersion(c.platform, c.major, c.minor), c.expected)
            << c.platform << " " << c.major << "." << c.minor;
    // The units' start made the test on the running system (Wine reports 6.1).
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExA(&version));
#pragma GCC diagnostic pop
    EXPECT_EQ(cxIsWin98MeOr2000Xp(), cxIsWin98MeOr2000XpVersion(version.dwPlatformId, version.dwMajorVersion,
                                                                version.dwMinorVersion));
}

TEST(EditUtils, SideLinesDrawOnlyTheSidesAskedAndTheRectangleLosesThem)
{
    for (unsigned sides = 0; sides <= cxBordersAll; ++sides) {
        TShot shot(12, 12);
        TRect r{2, 2, 10, 10};
        cxDrawSideLines(shot.canvas, r, sides, clRed);
        EXPECT_EQ(r.left, sides & bLeft ? 3 : 2) << sides;
        EXPECT_EQ(r.top, sides & bTop ? 3 : 2) << sides;
        EXPECT_EQ(r.right, sides & bRight ? 9 : 10) << sides;
        EXPECT_EQ(r.bottom, sides & bBottom ? 9 : 10) << sides;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool inside = x >= 2 && x < 10 && y >= 2 && y < 10;
                const bool onSide = inside && (((sides & bLeft) && x == 2) || ((sides & bRight) && x == 9) ||
                                               ((sides & bTop) && y == 2) || ((sides & bBottom) && y == 9));
                ASSERT_EQ(shot.At(x, y), onSide ? clRed : kSentinel) << sides << " at " << x << "," << y;
            }
    }
}

TEST(EditUtils, ArrowGlyphsFillExactlyTheirStrips)
{
    struct Case {
        TSize size;
        TcxArrowDirection direction;
        bool pressed;
        int count;
    } cases[] = {{{7, 4}, adDown, false, 1}, {{7, 4}, adUp, true, 2}, {{3, 5}, adLeft, false, 1},
                 {{4, 9}, adRight, true, 3}, {{1, 1}, adDown, false, 1}};
    const TRect r{1, 2, 20, 21};
    for (const Case& c : cases) {
        TShot shot(24, 24);
        cxDrawArrowGlyph(shot.canvas, r, c.size, c.direction, clBlue, c.pressed, c.count);
        int area = 0;
        for (const TRect& s : cxArrowGlyphStrips(r, c.size, c.direction, c.pressed, c.count)) {
            area += (s.right - s.left) * (s.bottom - s.top);
            EXPECT_EQ(shot.At(s.left, s.top), clBlue);
            EXPECT_EQ(shot.At(s.right - 1, s.bottom - 1), clBlue);
        }
        EXPECT_GT(area, 0);
        EXPECT_EQ(shot.Count(Whole(shot), clBlue), area) << int(c.direction);
    }
}

TEST(EditUtils, PolyLinesWithThePenCoverTheSamePixelsAsTheStrips)
{
    const std::vector<std::vector<TcxPoint>> paths = {
        {{2, 2}, {10, 2}, {10, 9}, {4, 9}, {4, 5}},
        {{15, 3}},
        {{1, 14}, {1, 18}},
        {{18, 18}, {12, 18}, {12, 12}},
    };
    for (const auto& path : paths) {
        TShot strips(22, 22), pen(22, 22);
        cxDrawPolyLine(strips.canvas, path, clRed);
        cxDrawPolyLine(pen.canvas, path, clRed, true);
        EXPECT_GT(strips.Count(Whole(strips), clRed), 0);
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 22; ++x)
                ASSERT_EQ(strips.At(x, y), pen.At(x, y)) << path.size() << " at " << x << "," << y;
        // The last point is drawn.
        EXPECT_EQ(pen.At(path.back().X, path.back().Y), clRed);
    }
}

TEST(EditUtils, AnEnabledGlyphLeavesOutItsTransparentColourOrFillsItWithTheBackground)
{
    const auto glyph = Glyph({"g..k", ".gw.", "..gk"});
    for (TColor background : {clNone, clYellow}) {
        TShot shot(8, 6);
        cxDrawGlyph(shot.canvas, *glyph, 2, 1, true, background);
        const TColor see = background == clNone ? kSentinel : clYellow;
        EXPECT_EQ(shot.At(2, 1), clGreen);
        EXPECT_EQ(shot.At(3, 1), see);
        EXPECT_EQ(shot.At(5, 1), clBlack);
        EXPECT_EQ(shot.At(4, 2), clWhite);
        EXPECT_EQ(shot.At(2, 3), see);
        EXPECT_EQ(shot.At(1, 1), kSentinel);
        EXPECT_EQ(shot.At(6, 1), kSentinel);
    }
}

TEST(EditUtils, ADisabledGlyphIsItsShapeInShadowOverAHighlightOnePixelRightAndDown)
{
    const auto glyph = Glyph({"k...", "kw..", "kkk."});
    TShot shot(8, 6);
    cxDrawGlyph(shot.canvas, *glyph, 1, 1, false);
    struct Expect {
        int x, y;
        TColor color;
    } expects[] = {
        {1, 1, Sys(clBtnShadow)},    {1, 3, Sys(clBtnShadow)},    {3, 3, Sys(clBtnShadow)},
        {2, 2, Sys(clBtnHighlight)}, {4, 4, Sys(clBtnHighlight)}, {2, 4, Sys(clBtnHighlight)},
        {3, 2, kSentinel},           {2, 1, kSentinel},           {5, 4, kSentinel},
    };
    for (const Expect& e : expects)
        EXPECT_EQ(shot.At(e.x, e.y), e.color) << e.x << "," << e.y;
}

TEST(EditUtils, OnlyTheVisiblePartOfAHugeGlyphIsDrawnAndEmptyOnesDrawNothing)
{
    // 4000 x 4000, green but for a black column at x = 3995.
    TBitmap huge;
    huge.SetSize(4000, 4000);
    huge.Canvas().Brush().SetColor(clGreen);
    huge.Canvas().FillRect(RECT{0, 0, 4000, 4000});
    huge.Canvas().Brush().SetColor(clBlack);
    huge.Canvas().FillRect(RECT{3995, 0, 3996, 4000});
    huge.SetTransparentColor(clFuchsia);
    for (bool enabled : {true, false}) {
        TShot shot(10, 10);
        cxDrawGlyph(shot.canvas, huge, -3990, -3990, enabled);
        if (enabled) {
            EXPECT_EQ(shot.At(4, 4), clGreen);
            EXPECT_EQ(shot.At(5, 4), clBlack);
            EXPECT_EQ(shot.At(9, 9), clGreen);
        } else {
            EXPECT_EQ(shot.At(5, 4), Sys(clBtnShadow));
            EXPECT_EQ(shot.At(0, 0), Sys(clBtnShadow));
        }
    }
    // Far off the canvas, at the ends of the coordinate range.
    TShot edge(4, 4);
    cxDrawGlyph(edge.canvas, huge, INT_MAX - 10, INT_MIN + 5, true);
    cxDrawGlyph(edge.canvas, TBitmap(), 0, 0, true, clRed);
    EXPECT_EQ(edge.Count(Whole(edge), kSentinel), 16);
    const auto one = Glyph({"k"});
    cxDrawGlyph(edge.canvas, *one, 3, 3, true);
    EXPECT_EQ(edge.At(3, 3), clBlack);
    EXPECT_FALSE(cxIsBitmapUsable(nullptr));
    EXPECT_TRUE(cxIsBitmapUsable(one.get()));
    TBitmap empty;
    EXPECT_FALSE(cxIsBitmapUsable(&empty));
}

TEST(EditUtils, TextOutFlagsBecomeTheirDrawTextPartners)
{
    struct Case {
        unsigned textOut;
        UINT drawText;
    } cases[] = {
        {cxtoLeft | cxtoTop, 0},
        {cxtoCenterHorizontally | cxtoCenterVertically | cxtoSingleLine, DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {cxtoRight | cxtoBottom | cxtoWordBreak, DT_RIGHT | DT_BOTTOM | DT_WORDBREAK},
        {cxtoExpandTabs | cxtoEndEllipsis, DT_EXPANDTABS | DT_END_ELLIPSIS},
        // Flags DrawText has no partner for are dropped.
        {cxtoPreventLeftExceed | cxtoPreventTopExceed | cxtoOnlyCompleteRows, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cxDrawTextFlagsFromTextOut(c.textOut), c.drawText) << c.textOut;
}

TEST(EditUtils, MarginsAndFrameHeightsFollowTheThemeWhenItIsThere)
{
    EXPECT_EQ(dxUxTheme::ThemeLibraryPresent(), ThemeLibraryExpected());
    EXPECT_EQ(cxEditButtonContentMargins(false), 4);
    for (int style = cbsNone; style <= cbsOffice11; ++style) {
        const auto s = static_cast<TcxContainerBorderStyle>(style);
        EXPECT_EQ(cxEditFrameHeight(s, false), 2 * GetContainerBorderWidth(s));
        // Wine's "Edit" part keeps one pixel at top and bottom on the probe.
        EXPECT_EQ(cxEditFrameHeight(s, true), ThemeLibraryExpected() ? 2 : 2 * GetContainerBorderWidth(s));
    }
    // Wine's "Button" part keeps three pixels on either side.
    EXPECT_EQ(cxEditButtonContentMargins(true), ThemeLibraryExpected() ? 6 : 4);
    EXPECT_EQ(cxSelectionColor(false), clHighlight);
}

} // namespace

namespace {

TEST(EditUtils, TheShadowShowsOnlyWhenAskedAndNotDrawnNatively)
{
    const bool themed = ThemeLibraryExpected();
    struct Case {
        bool shadow, native, expected;
    } cases[] = {
        {false, false, false},
        {true, false, true},
        {false, true, false},
        {true, true, !themed},
    };
    for (const Case& c : cases) {
        auto style = TcxContainerStyle::Create(nullptr, cssNormal, nullptr, false);
        style->SetShadow(c.shadow);
        style->LookAndFeel().SetNativeStyle(c.native);
        EXPECT_EQ(cxEditShadowVisible(*style), c.expected) << c.shadow << c.native;
    }
}

} // namespace

namespace {

TEST(EditUtils, AButtonIsAsWideAsItsWidthItsGlyphOrItsCaptionNeeds)
{
    const int scrollArrow = GetSystemMetrics(SM_CYHSCROLL);
    TBitmap glyph, empty;
    glyph.SetSize(9, 5);
    TShot shot(10, 10);
    const int wide = shot.canvas.TextWidth("A very long caption");
    const int themedMargins = ThemeLibraryExpected() ? 6 : 4;
    struct Case {
        TcxEditButtonKind kind;
        int width;
        TBitmap* glyph;
        std::string caption;
        bool native;
        int expected;
    } cases[] = {
        {bkDown, 0, nullptr, "", false, scrollArrow},
        {bkEllipsis, 0, nullptr, "", true, scrollArrow},
        {bkDown, 30, nullptr, "", false, 30},
        {bkDown, 2, nullptr, "", false, 4},
        {bkText, 1, nullptr, "", true, themedMargins},
        {bkGlyph, 0, &glyph, "", false, 9 + 4},
        {bkGlyph, 0, &glyph, "", true, 9 + themedMargins},
        {bkGlyph, 0, &empty, "", false, scrollArrow},
        {bkGlyph, 0, nullptr, "", false, scrollArrow},
        {bkText, 0, nullptr, "", false, scrollArrow},
        {bkText, 0, nullptr, "A very long caption", false, wide + 3 + 4},
        {bkText, 0, nullptr, "A very long caption", true, wide + 3 + themedMargins},
    };
    for (const Case& c : cases) {
        TcxEditButtonViewInfo button;
        button.Kind = c.kind;
        button.Width = c.width;
        button.Glyph = c.glyph;
        button.VisibleCaption = c.caption;
        button.NativeStyle = c.native;
        EXPECT_EQ(cxCalcEditButtonWidth(shot.canvas, button), c.expected) << c.kind << " " << c.width << " " << c.caption;
    }
}

TEST(EditUtils, FlatButtonsTakeThePaintersFacesForHotAndPressed)
{
    struct Case {
        TcxEditButtonState state;
        bool office11;
        TcxButtonState painterState;
    } cases[] = {
        {ebsHot, false, cxbsHot},     {ebsPressed, false, cxbsPressed}, {ebsNormal, false, cxbsNormal},
        {ebsDisabled, false, cxbsNormal}, {ebsHot, true, cxbsHot},      {ebsPressed, true, cxbsPressed},
        {ebsNormal, true, cxbsNormal},
    };
    for (const Case& c : cases) {
        const TcxUltraFlatLookAndFeelPainter& painter =
            c.office11 ? TcxOffice11LookAndFeelPainter::Instance : TcxUltraFlatLookAndFeelPainter::Instance;
        EXPECT_EQ(cxFlatButtonColor(c.state, c.office11), painter.ButtonFaceColor(c.painterState))
            << c.state << " " << c.office11;
    }
    EXPECT_EQ(cxEditButtonPainterState(ebsDisabled), cxbsDisabled);
    EXPECT_EQ(cxEditButtonPainterState(ebsNormal), cxbsNormal);
    EXPECT_EQ(cxEditButtonPainterState(ebsPressed), cxbsPressed);
    EXPECT_EQ(cxEditButtonPainterState(ebsHot), cxbsHot);
    // The hot face differs from the pressed one in both looks.
    EXPECT_NE(cxFlatButtonColor(ebsHot, false), cxFlatButtonColor(ebsPressed, false));
}

} // namespace

namespace {

TEST(EditUtils, AnInPlaceEditorWithButtonsLowersItsInnerEditByOnePixel)
{
    for (int buttons : {0, 1, 3})
        for (bool inplace : {false, true}) {
            TcxCustomEditProperties properties(nullptr);
            for (int i = 0; i < buttons; ++i)
                properties.Buttons().Add();
            EXPECT_EQ(cxInnerEditHeightAdjust(properties, inplace), inplace && buttons > 0 ? 1 : 0)
                << buttons << " " << inplace;
        }
}

} // namespace
