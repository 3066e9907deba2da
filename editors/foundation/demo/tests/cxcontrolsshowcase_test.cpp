// The showcase's controls printed with WM_PRINTCLIENT into sentinel-filled
// bitmaps, in each of the five looks.
#include "editors/foundation/demo/cxcontrolsshowcase.h"

#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/form.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"
#include "editors/foundation/tests/foundation_environment.h"

namespace {

constexpr TColor kSentinel = 0x123456;

struct TPrint {
    TPrint(int width, int height)
    {
        bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        bitmap.SetSize(width, height);
        bitmap.Canvas().Brush().SetColor(kSentinel);
        bitmap.Canvas().FillRect(RECT{0, 0, width, height});
    }
    TColor At(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    TBitmap bitmap;
    TcxCanvas canvas{bitmap.Canvas()};
};

std::unique_ptr<TPrint> Print(TControl& control)
{
    auto print = std::make_unique<TPrint>(control.Width(), control.Height());
    control.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(print->bitmap.Canvas().Handle()), PRF_CLIENT);
    return print;
}

class Showcase : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        form = std::make_unique<TForm>();
        form->SetProperty("ClientWidth", "680");
        form->SetProperty("ClientHeight", "180");
        showcase = std::make_unique<TcxControlsShowcase>();
        showcase->Place(*form, 10);
        form->Show();
        // Nothing hot: the cursor is away from the controls.
        SetCursorPos(5, 600);
        Application.ProcessMessages();
    }
    static void TearDownTestSuite()
    {
        showcase.reset();
        form.reset();
    }
    static inline std::unique_ptr<TForm> form;
    static inline std::unique_ptr<TcxControlsShowcase> showcase;
};

TEST_F(Showcase, TheDemonstrationBarDrawsItsPartsAtTheirPlacesInEveryLook)
{
    struct {
        TcxScrollBarPart part;
        TRect r;
    } const parts[] = {
        {sbpLineUp, {0, 0, 17, 17}},   {sbpLineDown, {104, 0, 121, 17}}, {sbpThumbnail, {52, 0, 69, 17}},
        {sbpPageUp, {17, 0, 52, 17}},  {sbpPageDown, {69, 0, 104, 17}},
    };
    for (int c = 0; c < cxGalleryColumnCount; ++c) {
        TcxScrollBar& bar = *showcase->Column(c).Horizontal;
        ASSERT_EQ(bar.Width(), 121);
        ASSERT_EQ(bar.Position(), 50);
        auto print = Print(bar);
        TPrint reference(121, 17);
        for (const auto& p : parts)
            bar.Painter()->PaintScrollBarPart(reference.canvas, true, cxbsNormal, p.part, p.r);
        int differing = 0;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 121; ++x) {
                differing += print->At(x, y) != reference.At(x, y);
                differing += print->At(x, y) == kSentinel;
            }
        EXPECT_EQ(differing, 0) << c;
        // Nothing of the arrows' drawing reaches past their ends.
        EXPECT_NE(print->At(16, 8), print->At(17, 8)) << c;
    }
}

TEST_F(Showcase, TheControlHasItsLooksBorderAndAFaceColouredGrip)
{
    for (int c = 0; c < cxGalleryColumnCount; ++c) {
        TcxDemoContentControl& control = *showcase->Column(c).Control;
        ASSERT_TRUE(control.SizeGrip()->Visible()) << c;
        auto print = Print(control);
        TPrint reference(control.Width(), control.Height());
        control.Painter()->PaintBorderFrame(reference.canvas, TRect{0, 0, control.Width(), control.Height()});
        const int border = control.BorderSize();
        ASSERT_GT(border, 0);
        for (int i = 0; i < border; ++i) {
            EXPECT_EQ(print->At(i, 50), reference.At(i, 50)) << c;
            EXPECT_EQ(print->At(50, i), reference.At(50, i)) << c;
        }
        // Inside: the content, not the frame's colours.
        EXPECT_NE(print->At(border + 1, 50), kSentinel) << c;
        auto grip = Print(*control.SizeGrip());
        EXPECT_EQ(grip->At(2, 2), static_cast<TColor>(ColorToRGB(clBtnFace))) << c;
    }
}

TEST_F(Showcase, ScreenshotOfTheControls)
{
    RECT client{};
    GetClientRect(form->Handle(), &client);
    TPrint screen(client.right, client.bottom);
    HDC dc = screen.bitmap.Canvas().Handle();
    form->PaintTo(dc);
    // The bars print after their bordered control, into the same DC.
    const TcxDemoContentControl& last = *showcase->Column(cxGalleryColumnCount - 1).Control;
    TcxScrollBar& bar = *last.VScrollBar();
    auto alone = Print(bar);
    for (int y : {2, 8, bar.Height() / 2, bar.Height() - 3})
        EXPECT_EQ(screen.At(last.Left() + bar.Left() + 8, last.Top() + bar.Top() + y), alone->At(8, y)) << y;
    const std::string file = ExpectThemeLibrary() ? "foundation_controls.bmp" : "foundation_controls_nouxtheme.bmp";
    screen.bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    screen.bitmap.SaveToFile(file);
    EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
