// The painted scroll bar on a real window: geometry, range rules, clicks,
// auto-repeat and thumb dragging driven by posted mouse messages.
#include "editors/foundation/scrollbars/cxscrollbar.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/freedmemory.h"
#include "classlib/tests/testform.h"
#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"

namespace {

// Left, top, right, bottom.
std::vector<int> Edges(const TRect& r)
{
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        Application.ProcessMessages();
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

class ScrollBar : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        form = ShowTestForm(500, 300);
    }
    static void TearDownTestSuite() { form.reset(); }

    void SetUp() override
    {
        owned = std::make_unique<TcxScrollBar>();
        bar = owned.get();
        bar->SetBounds(10, 10, 121, 17);
        bar->SetParent(form.get());
        bar->OnScroll = [this](TComponent&, TScrollCode code, int&) { codes.push_back(code); };
        Application.ProcessMessages();
    }
    void TearDown() override
    {
        ReleaseCapture();
        owned.reset();
    }

    void Post(UINT msg, int x, int y)
    {
        PostMessageA(bar->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        Application.ProcessMessages();
    }
    void PlaceCursor(int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(bar->Handle(), &p);
        SetCursorPos(p.x, p.y);
    }
    int Count(TScrollCode code) const { return static_cast<int>(std::count(codes.begin(), codes.end(), code)); }

    static inline std::unique_ptr<TForm> form;
    // Bars made from here on lose their pages when freed.
    TFreedMemoryTrap trap;
    std::unique_ptr<TcxScrollBar> owned;
    TcxScrollBar* bar = nullptr;
    std::vector<TScrollCode> codes;
};

TEST_F(ScrollBar, TheDemonstrationBarHasItsPartsWhereExpected)
{
    bar->SetPosition(50);
    const auto& p = bar->ViewInfo().Parts();
    EXPECT_EQ(Edges(p.FirstArrow), (std::vector<int>{0, 0, 17, 17}));
    EXPECT_EQ(Edges(p.SecondArrow), (std::vector<int>{104, 0, 121, 17}));
    EXPECT_EQ(Edges(p.Thumb), (std::vector<int>{52, 0, 69, 17}));
    EXPECT_EQ(Edges(p.PageUp), (std::vector<int>{17, 0, 52, 17}));
    EXPECT_EQ(Edges(p.PageDown), (std::vector<int>{69, 0, 104, 17}));
}

TEST_F(ScrollBar, RangeRulesClampPositionsAndRefuseBadRanges)
{
    struct Case {
        std::function<void()> change;
        bool raises;
        TcxScrollBarRange expected;
    };
    const Case cases[] = {
        {[&] { bar->SetPosition(-5); }, false, {0, 100, 0, 0}},
        {[&] { bar->SetPosition(500); }, false, {0, 100, 0, 100}},
        {[&] { bar->SetMax(-1); }, true, {0, 100, 0, 100}},
        {[&] { bar->SetPageSize(101); }, true, {0, 100, 0, 100}},
        {[&] { bar->SetPageSize(100); }, false, {0, 100, 100, 100}},
    };
    for (const Case& c : cases) {
        if (c.raises)
            EXPECT_THROW(c.change(), EInvalidOperation);
        else
            EXPECT_NO_THROW(c.change());
        EXPECT_EQ(bar->Min(), c.expected.Min);
        EXPECT_EQ(bar->Max(), c.expected.Max);
        EXPECT_EQ(bar->PageSize(), c.expected.PageSize);
        EXPECT_EQ(bar->Position(), c.expected.Position);
    }
}

TEST_F(ScrollBar, DisabledOrEmptyRangeShowsNoThumb)
{
    bar->SetPosition(50);
    EXPECT_TRUE(bar->ViewInfo().Parts().HasThumb());
    bar->SetEnabled(false);
    EXPECT_FALSE(bar->ViewInfo().Parts().HasThumb());
    EXPECT_EQ(bar->PartAt(60, 8), sbpNone);
    bar->SetEnabled(true);
    bar->SetRangeAndPosition(5, 5, 5, 0, true);
    EXPECT_FALSE(bar->ViewInfo().Parts().HasThumb());
}

TEST_F(ScrollBar, ArrowAndPageClicksScrollByTheirChange)
{
    struct Case {
        int x;
        int delta;
        TScrollCode code;
    };
    bar->SetSmallChange(2);
    bar->SetLargeChange(10);
    const Case cases[] = {{110, 2, scLineDown}, {5, -2, scLineUp}, {90, 10, scPageDown}, {25, -10, scPageUp}};
    for (const Case& c : cases) {
        bar->SetPosition(50);
        PlaceCursor(c.x, 8);
        codes.clear();
        Post(WM_LBUTTONDOWN, c.x, 8);
        EXPECT_EQ(bar->Position(), 50 + c.delta) << c.x;
        Post(WM_LBUTTONUP, c.x, 8);
        ASSERT_EQ(codes.size(), 2u) << c.x;
        EXPECT_EQ(codes.front(), c.code);
        EXPECT_EQ(codes.back(), scEndScroll);
        EXPECT_EQ(bar->PressedPart(), sbpNone);
    }
}

TEST_F(ScrollBar, HoldingAnArrowRepeatsOnlyWhileTheCursorStaysOnIt)
{
    bar->SetMax(10000);
    PlaceCursor(110, 8);
    Post(WM_LBUTTONDOWN, 110, 8);
    Pump(1000);
    // Once at once, then after 400 ms every 60 ms: about 11 in a second.
    const int held = Count(scLineDown);
    EXPECT_GE(held, 4);
    EXPECT_LE(held, 20);
    PlaceCursor(60, 100);
    Pump(300);
    const int away = Count(scLineDown);
    Pump(300);
    EXPECT_EQ(Count(scLineDown), away);
    Post(WM_LBUTTONUP, 60, 100);
    EXPECT_EQ(bar->Position(), away);
}

TEST_F(ScrollBar, ThumbDragSnapsBackFarAcrossTheBarUnlessUnlimited)
{
    bar->SetBounds(10, 10, 400, 17);
    for (bool unlimited : {false, true}) {
        bar->SetUnlimitedTracking(unlimited);
        bar->SetPosition(0);
        const TRect thumb = bar->ViewInfo().Parts().Thumb;
        Post(WM_LBUTTONDOWN, thumb.left + 2, 8);
        ASSERT_EQ(bar->PressedPart(), sbpThumbnail);
        Post(WM_MOUSEMOVE, thumb.left + 102, 8);
        const int dragged = bar->Position();
        EXPECT_GT(dragged, 0);
        EXPECT_EQ(bar->ViewInfo().Parts().Thumb.left, thumb.left + 100);
        // Beyond the 136 pixels of the tracking area across the bar.
        Post(WM_MOUSEMOVE, thumb.left + 102, 17 + 140);
        EXPECT_EQ(bar->Position(), unlimited ? dragged : 0) << unlimited;
        Post(WM_MOUSEMOVE, thumb.left + 102, 8 + 100);
        EXPECT_EQ(bar->Position(), dragged) << unlimited;
        codes.clear();
        Post(WM_LBUTTONUP, thumb.left + 102, 8);
        EXPECT_EQ(codes, (std::vector<TScrollCode>{scPosition, scEndScroll}));
    }
}

TEST_F(ScrollBar, ScrollHandlerMayChangeThePosition)
{
    bar->OnScroll = [](TComponent&, TScrollCode, int& position) { position = 1000; };
    bar->Perform(CN_HSCROLL, scLineDown, 0);
    EXPECT_EQ(bar->Position(), 100);
}

TEST_F(ScrollBar, AScrollHandlerThatFreesTheBarEndsThePressThere)
{
    const struct {
        const char* name;
        TScrollCode freeOn;
        bool onThumb;
    } cases[] = {
        {"arrow", scLineUp, false}, {"page", scPageDown, false}, {"thumb pressed", scTrack, true},
        {"thumb released", scPosition, true}, {"end of the press", scEndScroll, false},
    };
    for (const auto& c : cases) {
        auto doomed = std::make_unique<TcxScrollBar>();
        doomed->SetBounds(10, 40, 121, 17);
        doomed->SetParent(form.get());
        doomed->SetPosition(50);
        Application.ProcessMessages();
        doomed->OnScroll = [&](TComponent&, TScrollCode code, int&) {
            if (code == c.freeOn)
                doomed.reset();
        };
        const auto& parts = doomed->ViewInfo().Parts();
        const TRect part = c.onThumb ? parts.Thumb : c.freeOn == scLineUp ? parts.FirstArrow : parts.PageDown;
        const LPARAM at = MAKELPARAM((part.left + part.right) / 2, 8);
        const HWND window = doomed->Handle();
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(window, WM_LBUTTONUP, 0, at);
        Application.ProcessMessages();
        EXPECT_EQ(doomed, nullptr) << c.name;
        EXPECT_FALSE(IsWindow(window)) << c.name;
    }
}

} // namespace
