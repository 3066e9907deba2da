// Editor views filled by hand and painted into bitmaps: each button style
// in each state, the contents and their pressed and disabled looks,
// clipping, custom drawing, the theme and a skin.
#include "editors/edit/viewinfo/cxeditviewinfo.h"

#include <gtest/gtest.h>

#include <climits>

#include "editors/edit/viewinfo/cxeditutils.h"
#include "editors/edit/viewinfo/tests/editpaintscene.h"
#include "editors/foundation/graphics/cxgraphics.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

constexpr TcxEditButtonStyle kStyles[] = {bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11};
constexpr TcxEditButtonState kStates[] = {ebsDisabled, ebsNormal, ebsPressed, ebsHot};

TColor Office11(int entry)
{
    return static_cast<TColor>(Office11Palette().Entries[entry]);
}

struct Painted {
    explicit Painted(const std::vector<TButtonLook>& looks, int width = 80, int height = 22)
        : view(MakeView(width, height, looks)), shot(width, height)
    {
        view->Paint(shot.canvas);
    }
    const TcxEditButtonViewInfo& Button(int i = 0) const { return view->Button(i); }
    // What the content draws: the pixels of the content area unlike its corner (the fill).
    TRect ContentBox(int i = 0) const
    {
        const TRect area = ContentArea(Button(i));
        return shot.BoxOfOthers(area, shot.At(area.left, area.top));
    }
    std::unique_ptr<TcxCustomEditViewInfo> view;
    TShot shot;
};

TEST(EditButtonPaint, PressedContentMovesOnePixelRightAndDownInEveryStyle)
{
    for (TcxEditButtonStyle style : kStyles)
        for (TcxEditButtonKind kind : {bkEllipsis, bkDown, bkText}) {
            const std::string caption = kind == bkText ? "Go" : "";
            Painted normal({{style, kind, ebsNormal, 21, false, caption}});
            Painted pressed({{style, kind, ebsPressed, 21, false, caption}});
            const TRect a = normal.ContentBox(), b = pressed.ContentBox();
            ASSERT_FALSE(cxRectIsEmpty(a)) << style << " " << kind;
            EXPECT_EQ(b.left, a.left + 1) << style << " " << kind;
            EXPECT_EQ(b.top, a.top + 1) << style << " " << kind;
            EXPECT_EQ(b.right, a.right + 1) << style << " " << kind;
            EXPECT_EQ(b.bottom, a.bottom + 1) << style << " " << kind;
        }
}

TEST(EditButtonPaint, DisabledContentIsDrawnTwiceTheShadowOverTheHighlight)
{
    for (TcxEditButtonStyle style : kStyles)
        for (TcxEditButtonKind kind : {bkEllipsis, bkDown}) {
            Painted normal({{style, kind, ebsNormal}});
            Painted disabled({{style, kind, ebsDisabled}});
            const TRect area = ContentArea(disabled.Button());
            const TRect shape = normal.ContentBox();
            EXPECT_EQ(disabled.shot.BoxOf(area, Sys(clBtnShadow)).left, shape.left) << style << " " << kind;
            EXPECT_EQ(disabled.shot.BoxOf(area, Sys(clBtnShadow)).bottom, shape.bottom) << style << " " << kind;
            const TRect light = disabled.shot.BoxOf(area, Sys(clBtnHighlight));
            EXPECT_EQ(light.right, shape.right + 1) << style << " " << kind;
            EXPECT_EQ(light.bottom, shape.bottom + 1) << style << " " << kind;
            // Nothing in the content colour of an enabled button.
            EXPECT_EQ(disabled.shot.Count(area, Sys(clBtnText)), 0) << style << " " << kind;
        }
}

TEST(EditButtonPaint, EachStyleDrawsItsEdgesAndFaceByState)
{
    // Pixels relative to the button's bounds (negative from the right or bottom edge).
    struct Pixel {
        int x, y;
        TColor color;
    };
    struct Case {
        TcxEditButtonStyle style;
        TcxEditButtonState state;
        std::vector<Pixel> pixels;
    };
    const int mid = 10;
    const Case cases[] = {
        {bts3D, ebsNormal, {{0, 0, Sys(cl3DLight)}, {-1, -1, Sys(cl3DDkShadow)}, {1, 1, Sys(clBtnHighlight)},
                            {-2, -2, Sys(clBtnShadow)}, {2, 2, Sys(clBtnFace)}}},
        {bts3D, ebsPressed, {{0, 0, Sys(clBtnShadow)}, {-1, -1, Sys(clBtnShadow)}, {1, 1, Sys(clBtnFace)}}},
        {btsFlat, ebsNormal, {{0, mid, Sys(clBtnFace)}, {1, 0, Sys(clBtnHighlight)}, {-1, -1, Sys(clBtnShadow)},
                              {-2, mid, Sys(clBtnFace)}}},
        {btsFlat, ebsPressed, {{1, 0, Sys(clBtnShadow)}, {-1, -1, Sys(clBtnHighlight)}}},
        {btsSimple, ebsNormal, {{1, 0, Sys(clBtnFace)}, {-1, -1, Sys(clBtnFace)}}},
        {btsSimple, ebsHot, {{1, 0, Sys(clBtnHighlight)}, {-1, -1, Sys(clBtnShadow)}}},
        {btsHotFlat, ebsNormal, {{0, 0, Sys(clBtnShadow)}, {-1, -1, Sys(clBtnShadow)}, {2, 2, Sys(clBtnFace)}}},
        {btsHotFlat, ebsHot, {{0, mid, Sys(clBtnShadow)}, {2, 2, Sys(clBtnShadow)}}},
        {btsHotFlat, ebsPressed, {{2, 2, Sys(cl3DDkShadow)}}},
        {btsUltraFlat, ebsNormal, {{0, mid, Sys(clBtnShadow)}, {2, 0, Sys(clBtnFace)}, {-1, -1, Sys(clBtnFace)}}},
        {btsUltraFlat, ebsHot, {{0, mid, Sys(clHighlight)}, {2, 2, cxSelectionColorB()}}},
        {btsUltraFlat, ebsPressed, {{0, mid, Sys(clHighlight)}, {2, 2, cxSelectionColorA()}}},
        {btsOffice11, ebsNormal, {{0, mid, Office11(14)}, {2, 2, Office11(2)}}},
        {btsOffice11, ebsHot, {{0, mid, Office11(21)}, {2, 2, Office11(22)}}},
        {btsOffice11, ebsPressed, {{0, mid, Office11(21)}, {2, 2, Office11(24)}}},
        {btsOffice11, ebsDisabled, {{2, 2, Sys(clBtnFace)}}},
    };
    for (const Case& c : cases) {
        Painted p({{c.style, bkEllipsis, c.state}});
        const TRect b = p.Button().Bounds;
        for (const Pixel& px : c.pixels) {
            const int x = px.x >= 0 ? b.left + px.x : b.right + px.x;
            const int y = px.y >= 0 ? b.top + px.y : b.bottom + px.y;
            EXPECT_EQ(p.shot.At(x, y), px.color) << c.style << " state " << c.state << " at " << px.x << "," << px.y;
        }
    }
}

TEST(EditButtonPaint, HotFlatNeighboursShareOneLineAndTransparentButtonsShowTheBackground)
{
    Painted p({{btsHotFlat, bkEllipsis, ebsHot}, {btsHotFlat, bkDown, ebsNormal}});
    const TRect left = p.Button(0).Bounds, right = p.Button(1).Bounds;
    ASSERT_EQ(left.right, right.left);
    // One line between them, the left one's: the right one's face starts after it.
    EXPECT_EQ(p.shot.At(left.right - 1, 5), Sys(clBtnShadow));
    EXPECT_EQ(p.shot.At(right.left, 5), Sys(clBtnFace));
    EXPECT_EQ(p.shot.At(right.right - 1, 5), Sys(clBtnShadow));
    EXPECT_EQ(p.shot.At(left.left, 5), Sys(clBtnShadow));
    EXPECT_EQ(p.shot.At(left.left + 1, 2), Sys(clBtnShadow)); // the hot face

    for (TcxEditButtonStyle style : kStyles) {
        Painted t({{style, bkEllipsis, ebsNormal, 17, true}});
        const TRect area = ContentArea(t.Button());
        EXPECT_EQ(t.shot.At(area.left, area.top), Sys(clWindow)) << style;
    }
}

TEST(EditButtonPaint, TheOffice11GradientSpansTheHeightInsideTheBorder)
{
    auto view = MakeView(60, 24, {{btsOffice11, bkEllipsis, ebsNormal}, {btsOffice11, bkEllipsis, ebsHot}});
    view->Button(0).Gradient = view->Button(1).Gradient = true;
    TShot shot(60, 24);
    view->Paint(shot.canvas);
    const TRect normal = view->Button(0).Bounds, hot = view->Button(1).Bounds;
    // A vertical gradient: each row one colour, the top and bottom rows apart.
    const int x = normal.left + 3;
    EXPECT_EQ(shot.At(x, 3), shot.At(x + 2, 3));
    EXPECT_NE(shot.At(x, normal.top + 2), shot.At(x, normal.bottom - 3));
    // The hot pair starts at the top inside the border; without a scheme both its ends are one colour.
    const int hx = hot.left + 3;
    EXPECT_EQ(shot.At(hx, hot.top), Office11(22));
    EXPECT_NE(shot.At(hx, hot.top + 2), shot.At(x, normal.top + 2));
    // Without the gradient the face is solid.
    Painted solid({{btsOffice11, bkEllipsis, ebsNormal}}, 60, 24);
    const TRect s = solid.Button().Bounds;
    EXPECT_EQ(solid.shot.At(s.left + 3, s.top + 2), solid.shot.At(s.left + 3, s.bottom - 3));
}

TEST(EditButtonPaint, AButtonReachingBeyondTheBorderIsClippedToIt)
{
    auto view = MakeView(60, 22, {{bts3D, bkDown, ebsNormal}});
    TcxEditButtonViewInfo& b = view->Button(0);
    b.Bounds = TRect{40, -6, 66, 30};
    b.VisibleBounds = TRect{40, 1, 59, 21};
    TShot shot(70, 34);
    view->Paint(shot.canvas);
    // The border around stays the border's, outside the view nothing is drawn.
    EXPECT_EQ(shot.At(50, 0), clBlack);
    EXPECT_EQ(shot.At(59, 10), clBlack);
    EXPECT_EQ(shot.At(50, 21), clBlack);
    EXPECT_EQ(shot.At(62, 10), kSentinel);
    EXPECT_EQ(shot.At(50, 25), kSentinel);
    // Inside, the button's face.
    EXPECT_EQ(shot.At(42, 3), Sys(clBtnFace));
}

TEST(EditButtonPaint, AViewOnTheUnboundedRectanglePaintsWhatTheCanvasShows)
{
    auto view = MakeView(100, 22, {{bts3D, bkText, ebsNormal, 17, false, "x"}});
    view->OuterBounds = TRect{0, 0, INT_MAX, INT_MAX};
    view->InnerRect = TRect{1, 1, INT_MAX - 1, INT_MAX - 1};
    TcxEditButtonViewInfo& b = view->Button(0);
    b.Bounds = b.VisibleBounds = TRect{0, 1, INT_MAX - 1, INT_MAX - 1};
    TShot shot(30, 30);
    view->Paint(shot.canvas);
    EXPECT_EQ(shot.At(0, 0), clBlack);
    EXPECT_EQ(shot.At(0, 1), Sys(cl3DLight));
    EXPECT_EQ(shot.At(10, 10), Sys(clBtnFace));
}

TEST(EditButtonPaint, CustomDrawHandlersTakeOverTheirPart)
{
    auto view = MakeView(60, 22, {{bts3D, bkEllipsis, ebsNormal}});
    int calls = 0;
    view->ButtonDrawHandler = [&](TcxCustomEditViewInfo& sender, TcxCanvas& canvas, int index) {
        ++calls;
        // Painting from inside painting does nothing.
        sender.PaintEditButtons(canvas);
        cxFillRectByColor(canvas, sender.Button(index).Bounds, clRed);
        return true;
    };
    TShot whole(60, 22);
    view->Paint(whole.canvas);
    EXPECT_EQ(calls, 1);
    const TRect b = view->Button(0).Bounds;
    EXPECT_EQ(whole.Count(b, clRed), cxRectGetWidth(b) * cxRectGetHeight(b));

    // A handler that declines leaves the painting to the view.
    view->ButtonDrawHandler = [](TcxCustomEditViewInfo&, TcxCanvas&, int) { return false; };
    view->ButtonBorderDrawHandler = [](TcxCustomEditViewInfo&, TcxCanvas& canvas, int, const TRect& r) {
        cxFrameRectByColor(canvas, r, clLime);
        return true;
    };
    view->ButtonBackgroundDrawHandler = [](TcxCustomEditViewInfo&, TcxCanvas& canvas, int, const TRect& r) {
        cxFillRectByColor(canvas, r, clYellow);
        return true;
    };
    TShot parts(60, 22);
    view->Paint(parts.canvas);
    EXPECT_EQ(parts.At(b.left, b.top), clLime);
    // The 3D ring is not drawn; the content area starts where it would.
    EXPECT_EQ(parts.At(b.left + 1, b.top + 1), kSentinel);
    EXPECT_EQ(parts.At(b.left + 2, b.top + 2), clYellow);
    EXPECT_GT(parts.Count(ContentArea(view->Button(0)), Sys(clBtnText)), 0);

    // The background handler counts only in place.
    view->BackgroundDrawHandler = [](TcxCustomEditViewInfo&, TcxCanvas&) { return true; };
    TShot out(60, 22);
    view->Paint(out.canvas);
    EXPECT_EQ(out.At(0, 0), clBlack);
    view->Inplace = true;
    TShot in(60, 22);
    view->Paint(in.canvas);
    EXPECT_EQ(in.At(0, 0), kSentinel);
    EXPECT_EQ(in.At(b.left, b.top), clLime);
}

TEST(EditButtonPaint, GlyphsAreCentredClippedToTheContentAndDisabledTwice)
{
    TBitmap dot, huge, empty;
    dot.SetSize(1, 1);
    dot.Canvas().SetPixels(0, 0, clRed);
    {
        // Its only pixel is its transparent colour (the bottom-left one's): nothing shows.
        Painted p({{bts3D, bkGlyph, ebsNormal, 17, false, "", &dot}});
        EXPECT_EQ(p.shot.Count(p.Button().Bounds, clRed), 0);
    }
    dot.SetTransparentColor(clFuchsia);
    huge.SetSize(4000, 4000);
    huge.Canvas().Brush().SetColor(clRed);
    huge.Canvas().FillRect(RECT{0, 0, 4000, 4000});
    huge.SetTransparentColor(clFuchsia);
    {
        Painted p({{bts3D, bkGlyph, ebsNormal, 17, false, "", &dot}});
        const TRect box = p.shot.BoxOf(p.Button().Bounds, clRed);
        const TRect content = cxRectShrunk(p.Button().Bounds, 2);
        EXPECT_EQ(box.left, content.left + (cxRectGetWidth(content) - 1) / 2);
        EXPECT_EQ(box.top, content.top + (cxRectGetHeight(content) - 1) / 2);
        Painted pressed({{bts3D, bkGlyph, ebsPressed, 17, false, "", &dot}});
        EXPECT_EQ(pressed.shot.BoxOf(pressed.Button().Bounds, clRed).left, box.left + 1);
    }
    {
        Painted p({{bts3D, bkGlyph, ebsNormal, 17, false, "", &huge}});
        const TRect content = cxRectShrunk(p.Button().Bounds, 2);
        EXPECT_EQ(p.shot.Count(p.Button().Bounds, clRed), cxRectGetWidth(content) * cxRectGetHeight(content));
        Painted d({{bts3D, bkGlyph, ebsDisabled, 17, false, "", &huge}});
        EXPECT_EQ(d.shot.Count(d.Button().Bounds, clRed), 0);
        EXPECT_EQ(d.shot.Count(content, Sys(clBtnShadow)), cxRectGetWidth(content) * cxRectGetHeight(content));
    }
    {
        Painted p({{bts3D, bkGlyph, ebsNormal, 17, false, "", &empty}});
        const TRect content = cxRectShrunk(p.Button().Bounds, 2);
        EXPECT_EQ(p.shot.Count(content, Sys(clBtnFace)), cxRectGetWidth(content) * cxRectGetHeight(content));
    }
}

TEST(EditButtonPaint, CaptionsWithChineseTextAndAmpersandsStayInTheButton)
{
    for (const std::string caption : {"确定", "A&B", "&", "很长很长很长的文字"}) {
        Painted p({{bts3D, bkText, ebsNormal, 30, false, caption}});
        const TRect b = p.Button().Bounds;
        const TRect box = p.shot.BoxOfOthers(ContentArea(p.Button()), Sys(clBtnFace));
        EXPECT_FALSE(cxRectIsEmpty(box)) << caption;
        // The text field left of the button is untouched by the caption.
        EXPECT_EQ(p.shot.Count(TRect{1, 1, b.left, 21}, Sys(clBtnText)), 0) << caption;
    }
}

// A skin that draws its edit buttons as a red frame on a yellow face.
class TTestSkinPainter : public TcxCustomLookAndFeelPainter {
public:
    void PaintEditButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override
    {
        cxFillRectByColor(canvas, r, state == cxbsDisabled ? clGray : clYellow);
        cxFrameRectByColor(canvas, r, clRed);
    }
};
const TTestSkinPainter testSkin;

TEST(EditButtonPaint, ASkinPainterDrawsTheButtonAndTheContentGoesOnTop)
{
    for (TcxEditButtonState state : kStates) {
        auto view = MakeView(60, 22, {{bts3D, bkEllipsis, state}});
        view->Button(0).SkinPainter = &testSkin;
        TShot shot(60, 22);
        view->Paint(shot.canvas);
        const TRect b = view->Button(0).Bounds;
        EXPECT_EQ(shot.At(b.left, b.top), clRed) << state;
        EXPECT_EQ(shot.At(b.left + 2, b.top + 2), state == ebsDisabled ? clGray : clYellow) << state;
        const TRect area = ContentArea(view->Button(0));
        const TColor content = state == ebsDisabled ? Sys(clBtnShadow) : Sys(clBtnText);
        EXPECT_GT(shot.Count(area, content), 0) << state;
    }
}

TEST(EditButtonPaint, NativeButtonsDrawTheThemePart)
{
    constexpr int kButtonClass = 0, kComboBoxClass = 2;
    if (!OpenTheme(kButtonClass)) {
        EXPECT_FALSE(ThemeLibraryExpected());
        GTEST_SKIP() << "no theme library";
    }
    struct Case {
        int themeClass, part, state;
        bool onlyDropDown;
    } cases[] = {{kButtonClass, 1, 1, false}, {kButtonClass, 1, 3, false}, {kComboBoxClass, 1, 1, true}};
    for (const Case& c : cases) {
        auto view = MakeView(60, 22, {{bts3D, bkDown, ebsNormal}});
        TcxEditButtonViewInfo& b = view->Button(0);
        b.NativeStyle = true;
        b.ThemeClass = c.themeClass;
        b.Data.NativePart = c.part;
        b.Data.NativeState = c.state;
        b.OnlyDropDownButton = c.onlyDropDown;
        TShot shot(60, 22);
        view->Paint(shot.canvas);
        // The same part drawn alone, over the editor's background where it lets that through.
        TShot reference(60, 22);
        cxDrawThemePart(reference.canvas, nullptr, c.themeClass, c.part, c.state, b.Bounds, clWindow);
        for (int y = b.Bounds.top; y < b.Bounds.bottom; ++y) {
            EXPECT_EQ(shot.At(b.Bounds.left, y), reference.At(b.Bounds.left, y)) << c.themeClass << " row " << y;
            EXPECT_EQ(shot.At(b.Bounds.right - 1, y), reference.At(b.Bounds.right - 1, y)) << c.themeClass;
        }
        // A push button shows the arrow on top; the combo box's part brings its own.
        const int drawnArrow = shot.Count(ContentArea(b), Sys(clBtnText));
        if (c.onlyDropDown)
            EXPECT_EQ(drawnArrow, reference.Count(ContentArea(b), Sys(clBtnText))) << c.themeClass;
        else
            EXPECT_GT(drawnArrow, 0) << c.themeClass;
    }
}

TEST(EditBackgroundPaint, EachBorderStyleDrawsItsFrameAroundTheInnerRectangle)
{
    struct Case {
        TcxContainerBorderStyle style;
        TColor outer, inner;
    } cases[] = {
        {cbsSingle, clBlack, Sys(clWindow)},
        {cbsThick, clBlack, clBlack},
        {cbsFlat, Sys(clBtnShadow), Sys(clBtnFace)},
        {cbs3D, Sys(clBtnShadow), Sys(cl3DDkShadow)},
        {cbsUltraFlat, clBlack, Sys(clWindow)},
    };
    for (const Case& c : cases) {
        auto view = MakeView(60, 22, {});
        const int width = GetContainerBorderWidth(c.style);
        view->BorderStyle = c.style;
        view->InnerRect = TRect{width, width, 60 - width, 22 - width};
        TShot shot(60, 22);
        view->Paint(shot.canvas);
        EXPECT_EQ(shot.At(0, 10), c.outer) << c.style;
        EXPECT_EQ(shot.At(1, 10), c.inner) << c.style;
        EXPECT_EQ(shot.At(30, 10), Sys(clWindow)) << c.style;
    }
    // A shadow falls right and down; no border fills the whole view.
    auto shadowed = MakeView(60, 22, {});
    shadowed->ShowShadow = true;
    shadowed->InnerRect = TRect{1, 1, 56, 18};
    TShot shot(60, 22);
    shadowed->Paint(shot.canvas);
    EXPECT_EQ(shot.At(58, 10), Sys(clBtnShadow));
    EXPECT_EQ(shot.At(1, 21), kSentinel);
    auto bare = MakeView(60, 22, {});
    bare->BorderStyle = cbsNone;
    TShot none(60, 22);
    bare->Paint(none.canvas);
    EXPECT_EQ(none.Count(TRect{0, 0, 60, 22}, Sys(clWindow)), 60 * 22);
}

TEST(EditBackgroundPaint, TheButtonsAreLeftOutOfTheBackground)
{
    auto view = MakeView(60, 22, {{bts3D, bkDown, ebsNormal}});
    view->ButtonDrawHandler = [](TcxCustomEditViewInfo&, TcxCanvas&, int) { return true; };
    TShot shot(60, 22);
    view->Paint(shot.canvas);
    const TRect b = view->Button(0).Bounds;
    EXPECT_EQ(shot.Count(b, kSentinel), cxRectGetWidth(b) * cxRectGetHeight(b));
    EXPECT_EQ(shot.At(b.left - 1, 5), Sys(clWindow));
}

} // namespace

namespace {

TEST(EditBackgroundPaint, TheNativeFrameIsTheEditThemesAroundTheInnerRectangle)
{
    constexpr int kEditClass = 3;
    auto view = MakeView(60, 22, {});
    view->ThemedLook = true;
    view->ThemeClass = kEditClass;
    view->ThemePart = 1;
    view->ThemeState = 1;
    TShot shot(60, 22);
    view->Paint(shot.canvas);
    TShot reference(60, 22);
    cxDrawThemePart(reference.canvas, nullptr, kEditClass, 1, 1, view->OuterBounds, clWindow);
    if (!OpenTheme(kEditClass)) {
        // Without the theme the plain frame stands in.
        EXPECT_FALSE(ThemeLibraryExpected());
        EXPECT_EQ(shot.At(0, 10), clBlack);
        return;
    }
    for (int x = 0; x < 60; ++x) {
        EXPECT_EQ(shot.At(x, 0), reference.At(x, 0)) << x;
        EXPECT_EQ(shot.At(x, 21), reference.At(x, 21)) << x;
    }
    EXPECT_NE(shot.At(0, 10), kSentinel);
    EXPECT_EQ(shot.At(30, 10), Sys(clWindow));
}

} // namespace
