// Where aligned children go when a derived container keeps a margin, and
// that a re-made container keeps its child windows.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/panel.h"

namespace {

// Children keep a margin of 10 inside the panel's bevel.
class TMarginPanel : public TPanel {
protected:
    void AdjustClientRect(RECT& rect) override
    {
        TPanel::AdjustClientRect(rect);
        InflateRect(&rect, -10, -10);
    }
};

std::array<LONG, 4> PlaceInParent(const TControl& c)
{
    RECT r;
    GetWindowRect(c.Handle(), &r);
    MapWindowPoints(nullptr, GetParent(c.Handle()), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

TEST(Layout, AlignedChildrenStayInsideTheMarginThroughResizeAndRemaking)
{
    Application.Initialize();
    TForm form;
    form.CreateHandle();
    TMarginPanel margin;
    margin.SetParent(&form);
    margin.SetBounds(0, 0, 200, 100);
    TPanel top, fill;
    top.SetParent(&margin);
    top.SetBounds(0, 0, 50, 20);
    top.SetAlign(TAlign::alTop);
    fill.SetParent(&margin);
    fill.SetAlign(TAlign::alClient);
    EXPECT_EQ(PlaceInParent(top), (std::array<LONG, 4>{11, 11, 189, 31}));
    EXPECT_EQ(PlaceInParent(fill), (std::array<LONG, 4>{11, 31, 189, 89}));

    margin.SetBounds(0, 0, 150, 150);
    EXPECT_EQ(PlaceInParent(fill), (std::array<LONG, 4>{11, 31, 139, 139}));

    HWND oldMargin = margin.Handle(), oldFill = fill.Handle();
    margin.RecreateWnd();
    ASSERT_NE(margin.Handle(), oldMargin);
    EXPECT_EQ(fill.Handle(), oldFill) << "child windows move over, not made again";
    EXPECT_EQ(GetParent(fill.Handle()), margin.Handle());
    EXPECT_EQ(PlaceInParent(fill), (std::array<LONG, 4>{11, 31, 139, 139}));
}

// Two top-aligned panels made before their form's window, the second one
// first in Tab order when asked.
struct TTwoPanels {
    TForm form;
    TPanel first, second;
    explicit TTwoPanels(bool secondTabsFirst)
    {
        for (TPanel* p : {&first, &second}) {
            p->SetParent(&form);
            p->SetBounds(0, 0, 50, 20);
            p->SetAlign(TAlign::alTop);
        }
        if (secondTabsFirst)
            second.SetTabOrder(0);
        form.CreateHandle();
        form.SetBounds(0, 0, 200, 150);
    }
    // The panels' tops, and their windows from the top of the window order down.
    std::vector<LONG> Tops() const { return {PlaceInParent(first)[1], PlaceInParent(second)[1]}; }
    std::vector<std::string> WindowOrder() const
    {
        std::vector<std::string> order;
        for (HWND w = GetWindow(form.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
            order.push_back(w == first.Handle() ? "first" : w == second.Handle() ? "second" : "other");
        return order;
    }
};

TEST(Layout, TabOrderLeavesTheAlignedPlacesAndTheWindowOrderAlone)
{
    Application.Initialize();
    TTwoPanels plain(false), tabbed(true);
    EXPECT_EQ(tabbed.second.TabOrder(), 0);
    EXPECT_EQ(tabbed.first.TabOrder(), 1);
    EXPECT_EQ(tabbed.Tops(), (std::vector<LONG>{0, 20}));
    EXPECT_EQ(tabbed.WindowOrder(), plain.WindowOrder());
    EXPECT_EQ(tabbed.form.Controls(), (std::vector<TControl*>{&tabbed.first, &tabbed.second}));
}

} // namespace

// Minimised, a form's client area is empty: its children keep their places
// for its return instead of shrinking to nothing.
TEST(Layout, AMinimisedFormKeepsItsLayout)
{
    Application.Initialize();
    TForm form;
    form.SetBounds(50, 50, 300, 200);
    form.CreateHandle();
    TPanel fill;
    fill.SetParent(&form);
    fill.SetAlign(TAlign::alClient);
    const RECT laidOut = fill.BoundsRect();
    ASSERT_GT(laidOut.right, 100);
    auto keptPlace = [&] {
        const RECT now = fill.BoundsRect();
        return EqualRect(&laidOut, &now) != FALSE;
    };
    // Neither shows it in front: the desktop stays the other tests'.
    ShowWindow(form.Handle(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(form.Handle()));
    EXPECT_TRUE(keptPlace()) << fill.Width() << "x" << fill.Height();
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_FALSE(IsIconic(form.Handle()));
    EXPECT_TRUE(keptPlace()) << fill.Width() << "x" << fill.Height();
}
