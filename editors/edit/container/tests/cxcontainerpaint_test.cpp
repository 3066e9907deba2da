// The container's themed and skinned looks painted into a memory DC, and a
// copy of it clipped to its window region.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/container/tests/containerscene.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"

namespace {

// The light theme's colours under Wine: the combo box's border, and the
// edit part's fill in its disabled state.
constexpr COLORREF kThemedFrame = RGB(174, 174, 174);
constexpr COLORREF kThemedDisabledFill = RGB(0xF5, 0xF5, 0xF5);

bool ThemesPresent()
{
    return std::getenv("VOSTREL_EXPECT_NO_UXTHEME") == nullptr;
}

enum class Act { Nothing, Focus, Disable, Hover };

void Apply(Scene& s, Act act)
{
    if (act == Act::Focus)
        s.edit->SetFocus();
    else if (act == Act::Disable)
        s.container->SetEnabled(false);
    Application.ProcessMessages();
    s.container->UpdateViewInfo(act == Act::Hover ? POINT{50, 12} : POINT{-1, -1}, 0);
}

struct Pixel {
    int x, y;
    COLORREF color;
};

void ExpectPixels(Scene& s, const std::vector<Pixel>& pixels, const std::string& name)
{
    TPaintedPixels painted(*s.container);
    for (const Pixel& p : pixels)
        EXPECT_EQ(painted.At(p.x, p.y), p.color) << name << " at " << p.x << "," << p.y;
}

} // namespace

// Themed, the frame is the theme's ring in the combo box's border colour
// around the edit part's content, whatever the style's border colour; a
// disabled one takes the theme's disabled fill unless its style sets one.
TEST(ContainerPaint, ThemedFrameAndFill)
{
    Application.Initialize();
    if (!ThemesPresent())
        GTEST_SKIP() << "no theme library: the plain looks are painted";
    const COLORREF window = Rgb(clWindow);
    const struct {
        const char* name;
        TcxContainerBorderStyle border;
        Act act;
        TColor disabledColor; // clNone: not set
        std::vector<Pixel> pixels;
        COLORREF innerColor;
    } cases[] = {
        {"single", cbsSingle, Act::Nothing, clNone,
         {{0, 0, kThemedFrame}, {99, 23, kThemedFrame}, {0, 12, kThemedFrame}, {1, 1, window}, {98, 22, window}},
         window},
        {"3D focused", cbs3D, Act::Focus, clNone, {{0, 12, kThemedFrame}, {1, 12, window}, {50, 23, kThemedFrame}},
         window},
        {"disabled", cbsSingle, Act::Disable, clNone, {{0, 0, kThemedFrame}, {1, 1, kThemedDisabledFill}},
         kThemedDisabledFill},
        {"disabled with its own colour", cbsSingle, Act::Disable, clYellow,
         {{0, 0, kThemedFrame}, {1, 1, Rgb(clYellow)}}, Rgb(clYellow)},
        {"no border", cbsNone, Act::Nothing, clNone, {{0, 0, window}, {99, 23, window}}, window},
    };
    for (const auto& c : cases) {
        Scene s;
        TcxContainerStyles& styles = s.container->Styles();
        styles.StyleNormal().SetBorderStyle(c.border);
        styles.StyleNormal().SetBorderColor(clRed);
        styles.StyleNormal().LookAndFeel().SetNativeStyle(true);
        if (c.disabledColor != clNone)
            styles.StyleDisabled().SetColor(c.disabledColor);
        Apply(s, c.act);
        ASSERT_TRUE(s.container->ViewInfo().ThemedLook) << c.name;
        ExpectPixels(s, c.pixels, c.name);
        EXPECT_EQ(Rgb(s.edit->Color()), c.innerColor) << c.name;
    }
}

namespace {

// A skin whose container frame is green, or blue when highlighted.
class TTestSkinPainter : public TcxCustomLookAndFeelPainter {
public:
    TColor EditBorderColor(bool hot) const override { return hot ? clBlue : clGreen; }
};
const TTestSkinPainter testSkin;

// The test skin registered under its name while it lives.
class TTestSkin {
public:
    TTestSkin() { GetExtendedStylePainters()->Register(kName, &testSkin); }
    ~TTestSkin() { GetExtendedStylePainters()->Unregister(kName); }
    static constexpr const char* kName = "ContainerTestSkin";
};

} // namespace

// Under a skin the frame is one pixel in the skin's colour, lit by focus
// and hover, whatever the style's own border colour and transparency; the
// room a wider border style keeps shows the parent.
TEST(ContainerPaint, SkinFrameOverTheParentsImage)
{
    Application.Initialize();
    TTestSkin skin;
    const COLORREF parent = Rgb(clAqua), window = Rgb(clWindow);
    const struct {
        const char* name;
        TcxContainerBorderStyle border;
        Act act;
        std::vector<int> content;
        std::vector<Pixel> pixels;
    } cases[] = {
        {"single", cbsSingle, Act::Nothing, {1, 1, 99, 23}, {{0, 0, Rgb(clGreen)}, {99, 12, Rgb(clGreen)}, {1, 1, window}}},
        {"thick", cbsThick, Act::Nothing, {2, 2, 98, 22},
         {{0, 0, parent}, {99, 23, parent}, {1, 1, Rgb(clGreen)}, {98, 22, Rgb(clGreen)}, {2, 2, window}}},
        {"thick focused", cbsThick, Act::Focus, {2, 2, 98, 22}, {{0, 12, parent}, {1, 12, Rgb(clBlue)}}},
        // The hot style of a tracking single frame is thick.
        {"single hot", cbsSingle, Act::Hover, {2, 2, 98, 22}, {{0, 12, parent}, {1, 12, Rgb(clBlue)}}},
    };
    for (const auto& c : cases) {
        Scene s;
        s.form->SetColor(clAqua);
        TcxContainerStyle& normal = s.container->Styles().StyleNormal();
        normal.SetBorderStyle(c.border);
        normal.SetBorderColor(clRed);
        normal.SetTransparentBorder(true);
        normal.LookAndFeel().SetSkinName(TTestSkin::kName);
        Apply(s, c.act);
        const TcxContainerViewInfo& vi = s.container->ViewInfo();
        ASSERT_EQ(vi.SkinPainter, &testSkin) << c.name;
        EXPECT_EQ(vi.FrameWidth, 1) << c.name;
        EXPECT_EQ(Sides(vi.ContentRect), c.content) << c.name;
        ExpectPixels(s, c.pixels, c.name);
    }
}

// A copy painted elsewhere keeps to the window region: the parent's image
// under a skin does not reach the corner beside the shadow.
TEST(ContainerPaint, ACopyIsClippedToTheWindowRegion)
{
    Application.Initialize();
    TTestSkin skin;
    for (const bool copy : {false, true}) {
        Scene s;
        s.form->SetColor(clAqua);
        TcxContainerStyle& normal = s.container->Styles().StyleNormal();
        normal.SetBorderStyle(cbsSingle);
        normal.SetShadow(true);
        normal.LookAndFeel().SetSkinName(TTestSkin::kName);
        Apply(s, Act::Nothing);
        s.container->SetControlState(copy ? csPaintCopy : 0);
        TPaintedPixels painted(*s.container);
        EXPECT_EQ(painted.At(99, 0), copy ? TPaintedPixels::kSentinel : Rgb(clAqua)) << copy;
        EXPECT_EQ(painted.At(0, 23), copy ? TPaintedPixels::kSentinel : Rgb(clAqua)) << copy;
        EXPECT_EQ(painted.At(98, 22), Rgb(clBtnShadow)) << copy;
        EXPECT_EQ(painted.At(0, 0), Rgb(clGreen)) << copy;
    }
}
