// The container unit's helpers on real windows, device contexts and the
// thread's message queue.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/canvas.h"
#include "classlib/panel.h"
#include "classlib/tests/testform.h"
#include "editors/edit/container/cxcontainerutils.h"

namespace {

bool Inside(const TRect& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// What a strip operation must have touched: the rect's points outside the hole.
bool Covered(const TRect& rect, const TRect& hole, int x, int y)
{
    return Inside(rect, x, y) && !Inside(hole, x, y);
}

const struct {
    const char* name;
    TRect rect, hole;
} kStripCases[] = {
    {"hole inside", {2, 3, 30, 20}, {8, 6, 20, 15}},
    {"hole sticks out left and down", {2, 3, 30, 20}, {-5, 10, 12, 40}},
    {"empty hole: all of it", {2, 3, 30, 20}, {10, 10, 10, 18}},
    {"hole equals the rect: nothing", {2, 3, 30, 20}, {2, 3, 30, 20}},
    {"hole covers the rect: nothing", {2, 3, 30, 20}, {0, 0, 40, 30}},
    {"empty rect: nothing", {5, 5, 5, 25}, {0, 0, 1, 1}},
    {"hole beside the rect: all of it", {2, 3, 30, 20}, {31, 3, 38, 20}},
};

constexpr int kW = 40, kH = 30;

} // namespace

TEST(ContainerUtils, FillRectExceptFillsExactlyTheRectOutsideTheHole)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kW, kH);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF sentinel = RGB(1, 2, 3), fill = RGB(200, 10, 20);
    for (const auto& c : kStripCases) {
        HBRUSH brush = CreateSolidBrush(sentinel);
        RECT all{0, 0, kW, kH};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        {
            TCanvas canvas;
            canvas.SetHandle(dc);
            TcxCanvas cx(canvas);
            FillRectExcept(cx, c.rect, c.hole, static_cast<TColor>(fill));
            canvas.SetHandle(nullptr);
        }
        int wrong = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                wrong += (GetPixel(dc, x, y) == fill) != Covered(c.rect, c.hole, x, y);
        EXPECT_EQ(wrong, 0) << c.name;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(ContainerUtils, InvalidateRectExceptInvalidatesTheSameStrips)
{
    Application.Initialize();
    std::unique_ptr<TForm> form = ShowTestForm(200, 100);
    TPanel& panel = form->Adopt(std::make_unique<TPanel>());
    panel.SetParent(form.get());
    panel.SetBounds(0, 0, kW, kH);
    Application.ProcessMessages();
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    for (const auto& c : kStripCases) {
        ValidateRect(panel.Handle(), nullptr);
        InvalidateRectExcept(panel.Handle(), c.rect, c.hole);
        GetUpdateRgn(panel.Handle(), update, FALSE);
        int wrong = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                wrong += (PtInRegion(update, x, y) != 0) != Covered(c.rect, c.hole, x, y);
        EXPECT_EQ(wrong, 0) << c.name;
    }
    DeleteObject(update);
}

TEST(ContainerUtils, StringsEqualByTheLocale)
{
    const struct {
        std::string a, b;
        bool caseSensitive, equal;
    } cases[] = {
        {"Abc", "Abc", true, true},
        {"Abc", "aBC", true, false},
        {"Abc", "aBC", false, true},
        {"Abc", "Abd", false, false},
        {"Abc", "Abcd", false, false},
        {"", "", true, true},
        {"", "", false, true},
        {"时间 am", "时间 AM", false, true},
        {"时间", "日期", false, false},
        {"时间", "日期", true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringsEqual(c.a, c.b, c.caseSensitive), c.equal) << c.a << " / " << c.b << " " << c.caseSensitive;
}

TEST(ContainerUtils, WindowsOfAControlAndTheirTopLevelAncestor)
{
    Application.Initialize();
    std::unique_ptr<TForm> form = ShowTestForm(200, 100);
    TPanel& outer = form->Adopt(std::make_unique<TPanel>());
    TPanel& inner = form->Adopt(std::make_unique<TPanel>());
    TPanel& hidden = form->Adopt(std::make_unique<TPanel>());
    TPanel& unparented = form->Adopt(std::make_unique<TPanel>());
    outer.SetParent(form.get());
    inner.SetParent(&outer);
    hidden.SetParent(form.get());
    hidden.SetVisible(false);
    Application.ProcessMessages();
    const struct {
        const char* name;
        const TWinControl* control;
        HWND window;
        bool withChildren, is;
    } cases[] = {
        {"itself", &outer, outer.Handle(), false, true},
        {"a child, not asked for", &outer, inner.Handle(), false, false},
        {"a child, asked for", &outer, inner.Handle(), true, true},
        {"its parent", &outer, form->Handle(), true, false},
        {"no handle", &unparented, outer.Handle(), true, false},
        {"no control", nullptr, outer.Handle(), true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsControlWindow(c.control, c.window, c.withChildren), c.is) << c.name;

    EXPECT_EQ(TopLevelAncestorWindow(inner.Handle()), form->Handle());
    EXPECT_EQ(TopLevelAncestorWindow(form->Handle()), form->Handle());
    EXPECT_TRUE(IsWindowShown(&inner));
    EXPECT_FALSE(IsWindowShown(&hidden));
    EXPECT_FALSE(IsWindowShown(&unparented));
}

TEST(ContainerUtils, ProcessPendingMessagesDropsOneOrAllAndKeepsAQuit)
{
    Application.Initialize();
    std::unique_ptr<TForm> form = ShowTestForm(100, 100);
    Application.ProcessMessages();
    HWND w = form->Handle();
    constexpr UINT kFirst = WM_APP + 1, kLast = WM_APP + 3, kOutside = WM_APP + 9;
    auto pending = [&](UINT msg) {
        MSG m;
        return PeekMessageA(&m, w, msg, msg, PM_NOREMOVE) != 0;
    };
    auto postAll = [&] {
        for (UINT msg : {kFirst, kLast, kOutside})
            PostMessageA(w, msg, 0, 0);
    };
    postAll();
    ProcessPendingMessages(w, kFirst, kLast, false);
    EXPECT_FALSE(pending(kFirst));
    EXPECT_TRUE(pending(kLast));
    ProcessPendingMessages(w, kFirst, kLast, true);
    EXPECT_FALSE(pending(kLast));
    EXPECT_TRUE(pending(kOutside));
    ProcessPendingMessages(w, kOutside, kOutside, true);

    // A quit ends the removal and stays for the message loop with its code.
    PostQuitMessage(7);
    ProcessPendingMessages(nullptr, 0, 0, true);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}
