#include "editors/foundation/scrollbars/cxscrollbarsupdate.h"

#include "editors/foundation/scrollbars/cxscrollbargeometry.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr TScrollBarKind H = TScrollBarKind::sbHorizontal, V = TScrollBarKind::sbVertical;

// Bars as plain state; the parameters come from an injected decision.
class TBars : public TcxScrollBarsController {
public:
    std::function<void(TBars&)> init;
    bool admitsH = true, admitsV = true, pixel = false;
    bool shown[2] = {false, false}, enabled[2] = {true, true};
    int boundsChanges = 0, placed = 0;

    int Idx(TScrollBarKind k) const { return k == H ? 0 : 1; }

protected:
    bool ScrollBarAdmitted(TScrollBarKind k) const override { return k == H ? admitsH : admitsV; }
    void InitScrollBarsParameters() override { init(*this); }
    bool IsPixelScrollBar(TScrollBarKind) const override { return pixel; }
    int Thickness(TScrollBarKind) const override { return 17; }
    bool Shown(TScrollBarKind k) const override { return shown[Idx(k)]; }
    void ApplyData(TScrollBarKind k, const TcxScrollBarData& d) override
    {
        shown[Idx(k)] = d.Visible;
        enabled[Idx(k)] = d.Enabled;
    }
    void ShowDisabled(TScrollBarKind k) override
    {
        shown[Idx(k)] = true;
        enabled[Idx(k)] = false;
    }
    void BoundsChanged() override
    {
        ++boundsChanges;
        ASSERT_LT(boundsChanges, 50) << "the nesting does not end";
        UpdateScrollBars();
    }
    void PlaceScrollBars() override { ++placed; }
};

TEST(ScrollBarsUpdate, SetScrollBarInfoHidesOrDisablesWhatIsNotNeeded)
{
    struct Case {
        bool admitted;
        int min, max, page, position;
        bool allowHide;
        bool visible, enabled;
    };
    const Case cases[] = {
        {true, 0, 99, 50, 0, true, true, true},    // needed
        {true, 0, 99, 100, 0, true, false, true},  // page = range: hidden
        {true, 0, 99, 100, 0, false, true, false}, // kept, disabled
        {true, 10, 99, 20, 5, true, false, true},  // min above the position
        {true, 10, 99, 20, 5, false, true, false},
        {false, 0, 99, 50, 0, false, false, true}, // the style leaves it out
        {true, 5, 4, 0, 5, true, false, true},     // min above max
    };
    for (const Case& c : cases) {
        TcxScrollBarData d;
        cxSetScrollBarData(d, c.admitted, c.min, c.max, 3, c.page, c.position, true, c.allowHide);
        EXPECT_EQ(d.Visible, c.visible) << c.min << ' ' << c.page << ' ' << c.allowHide;
        EXPECT_EQ(d.Enabled, c.enabled) << c.min << ' ' << c.page << ' ' << c.allowHide;
    }
    TcxScrollBarData d;
    cxSetScrollBarData(d, true, 0, 99, 3, 50, 7, true, true);
    EXPECT_EQ(d.SmallChange, 3);
    EXPECT_EQ(d.LargeChange, 50);
    EXPECT_EQ(d.Position, 7);
}

TEST(ScrollBarsUpdate, APageBeyondAShortStillPagesForward)
{
    TcxScrollBarData d;
    cxSetScrollBarData(d, true, 0, 199999, 40000, 40000, 1000, true, true);
    EXPECT_EQ(d.SmallChange, 32767);
    EXPECT_EQ(d.LargeChange, 32767);
    const TcxScrollBarRange range{d.Min, d.Max, d.PageSize, d.Position};
    EXPECT_EQ(cxScrollBarPositionForCode(range, scPageDown, d.SmallChange, d.LargeChange), 1000 + 32767);
    EXPECT_EQ(cxScrollBarPositionForCode(range, scLineDown, d.SmallChange, d.LargeChange), 1000 + 32767);
}

TEST(ScrollBarsUpdate, HorizontalStyleAlwaysHidesTheVerticalBar)
{
    TBars bars;
    bars.admitsV = false;
    bars.init = [](TBars& b) {
        b.SetScrollBarInfo(H, 0, 999, 1, 100, 0, true, true);
        b.SetScrollBarInfo(V, 0, 999, 1, 100, 0, true, false);
    };
    bars.UpdateScrollBars();
    EXPECT_TRUE(bars.shown[0]);
    EXPECT_FALSE(bars.shown[1]);
}

// A 100 x 100 client with 100 x 100 content: the bars are needed only for
// the room they take from each other.
TEST(ScrollBarsUpdate, MutuallyNeededBarsVanishTogether)
{
    TBars bars;
    bars.pixel = true;
    bars.shown[0] = bars.shown[1] = true;
    bars.init = [](TBars& b) {
        const int width = 100 - (b.shown[1] ? 17 : 0), height = 100 - (b.shown[0] ? 17 : 0);
        b.SetScrollBarInfo(H, 0, 99, 1, width, 0, true, true);
        b.SetScrollBarInfo(V, 0, 99, 1, height, 0, true, true);
    };
    bars.UpdateScrollBars();
    EXPECT_FALSE(bars.shown[0]);
    EXPECT_FALSE(bars.shown[1]);

    // Content larger than the client by more than a bar: both stay.
    TBars large;
    large.pixel = true;
    large.init = [](TBars& b) {
        const int width = 100 - (b.shown[1] ? 17 : 0), height = 100 - (b.shown[0] ? 17 : 0);
        b.SetScrollBarInfo(H, 0, 119, 1, width, 0, true, true);
        b.SetScrollBarInfo(V, 0, 119, 1, height, 0, true, true);
    };
    large.UpdateScrollBars();
    EXPECT_TRUE(large.shown[0] && large.shown[1]);
    EXPECT_EQ(large.Data(H).PageSize, 83);
}

TEST(ScrollBarsUpdate, AFlippingBarEndsShownDisabled)
{
    TBars bars;
    // Needed exactly while it is hidden.
    bars.init = [](TBars& b) { b.SetScrollBarInfo(H, 0, 99, 1, b.shown[0] ? 100 : 50, 0, true, true); };
    bars.UpdateScrollBars();
    EXPECT_TRUE(bars.shown[0]);
    EXPECT_FALSE(bars.enabled[0]);
    EXPECT_FALSE(bars.shown[1]);
    EXPECT_LE(bars.boundsChanges, 2);
    EXPECT_GE(bars.placed, 1);
}

TEST(ScrollBarsUpdate, ASteadyLayoutPlacesTheBarsWithoutNesting)
{
    TBars bars;
    bars.init = [](TBars& b) {
        b.SetScrollBarInfo(H, 0, 99, 1, 50, 0, true, true);
        b.SetScrollBarInfo(V, 0, 99, 1, 50, 0, true, true);
    };
    bars.UpdateScrollBars();
    EXPECT_EQ(bars.boundsChanges, 1);
    bars.UpdateScrollBars();
    EXPECT_EQ(bars.boundsChanges, 1);
    EXPECT_TRUE(bars.ScrollBarVisible(H) && bars.ScrollBarVisible(V));
}

} // namespace
