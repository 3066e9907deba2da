// The editors' shared helpers over GDI and windows: frames drawn into a
// bitmap, regions, mouse buttons and keys sent to a window.
#include "editors/edit/core/cxedithelpers.h"

#include <gtest/gtest.h>

#include <vector>

#include "classlib/bitmap.h"
#include "classlib/form.h"
#include "classlib/messages.h"
#include "editors/foundation/graphics/cxcanvas.h"

namespace {

constexpr TColor kSentinel = 0x123456, kLeftTop = 0x0000FF, kRightBottom = 0x00FF00;

} // namespace

TEST(EditHelpersWin, FramesDrawOnePixelAndShrinkTheRectangle)
{
    struct Probe {
        int x, y;
        TColor side, plain;
    } probes[] = {
        {2, 2, kLeftTop, kLeftTop},      {5, 2, kLeftTop, kLeftTop},         {2, 5, kLeftTop, kLeftTop},
        {9, 5, kRightBottom, kLeftTop},  {5, 7, kRightBottom, kLeftTop},     {9, 7, kRightBottom, kLeftTop},
        {3, 3, kSentinel, kSentinel},    {8, 6, kSentinel, kSentinel},       {10, 5, kSentinel, kSentinel},
    };
    for (bool side : {true, false}) {
        TBitmap bitmap;
        bitmap.SetSize(12, 10);
        bitmap.Canvas().Brush().SetColor(kSentinel);
        bitmap.Canvas().FillRect(RECT{0, 0, 12, 10});
        TcxCanvas canvas(bitmap.Canvas());
        TRect r{2, 2, 10, 8};
        if (side)
            DrawSideFrame(canvas, r, kLeftTop, kRightBottom);
        else
            DrawPlainFrame(canvas, r, kLeftTop);
        EXPECT_TRUE(r.left == 3 && r.top == 3 && r.right == 9 && r.bottom == 7);
        for (const Probe& p : probes)
            EXPECT_EQ(bitmap.Canvas().Pixels(p.x, p.y), side ? p.side : p.plain)
                << (side ? "side" : "plain") << " frame at " << p.x << "," << p.y;
    }
}

TEST(EditHelpersWin, RegionsUniteAndTellWhetherEmpty)
{
    HRGN a = CreateRectRgn(0, 0, 0, 0), b = CreateRectRgn(5, 5, 10, 10), c = CreateRectRgn(20, 0, 30, 3);
    EXPECT_TRUE(RegionIsEmpty(a));
    RegionUnite(a, b);
    EXPECT_FALSE(RegionIsEmpty(a));
    RegionUnite(a, c);
    RECT box;
    GetRgnBox(a, &box);
    EXPECT_TRUE(box.left == 5 && box.top == 0 && box.right == 30 && box.bottom == 10);
    EXPECT_TRUE(PtInRegion(a, 7, 7) && PtInRegion(a, 25, 1) && !PtInRegion(a, 15, 7));
    for (HRGN r : {a, b, c})
        DeleteObject(r);
}

namespace {

// A hidden form that notes the key and character messages it gets.
class TKeyForm : public TForm {
public:
    std::vector<TMessage> got;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_KEYDOWN || message.Msg == WM_CHAR)
            got.push_back(message);
        TForm::WndProc(message);
    }
};

} // namespace

TEST(EditHelpersWin, KeysAndCharactersGoToTheEditorsWindowWithNoLParam)
{
    TKeyForm form;
    form.CreateHandle();
    SendKeyDown(form, VK_F4);
    SendChar(form, '\xB0');
    ASSERT_EQ(form.got.size(), 2u);
    EXPECT_EQ(form.got[0].Msg, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(form.got[0].WParam, static_cast<WPARAM>(VK_F4));
    EXPECT_EQ(form.got[1].Msg, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(form.got[1].WParam, 0xB0u) << "a GBK lead byte is no negative number";
    for (const TMessage& m : form.got)
        EXPECT_EQ(m.LParam, 0);
}
