// A control's size asked of CanResize and kept within its constraints,
// whether SetBounds or a SetWindowPos from outside asks for it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/panel.h"

namespace {

enum class Policy { Allow, Refuse, DoubleWidth };

class TSizedPanel : public TPanel {
public:
    Policy policy = Policy::Allow;
    std::string asked;

protected:
    bool CanResize(int& newWidth, int& newHeight) override
    {
        asked += std::to_string(newWidth) + "x" + std::to_string(newHeight) + " ";
        if (policy == Policy::DoubleWidth)
            newWidth *= 2;
        return policy != Policy::Refuse;
    }
};

// Place and size as the control holds them and as its window has them.
std::string Bounds(const TControl& c)
{
    RECT r;
    GetWindowRect(c.Handle(), &r);
    MapWindowPoints(nullptr, GetParent(c.Handle()), reinterpret_cast<POINT*>(&r), 2);
    auto text = [](long x, long y, long w, long h) {
        return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) + "x" + std::to_string(h);
    };
    return text(c.Left(), c.Top(), c.Width(), c.Height()) + " / " +
           text(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

TEST(Sizing, ASizeChangePassesCanResizeThenTheConstraints)
{
    Application.Initialize();
    TForm form;
    form.CreateHandle();
    const struct {
        const char* name;
        const char* limits; // MinWidth MaxWidth MinHeight MaxHeight
        Policy policy;
        int width, height; // asked for at (20, 25), from 100x30
        const char* asked;
        const char* bounds;
    } cases[] = {
        {"no limits", "0 0 0 0", Policy::Allow, 150, 50, "150x50 ", "20,25 150x50 / 20,25 150x50"},
        {"the most", "0 120 0 40", Policy::Allow, 150, 50, "150x50 ", "20,25 120x40 / 20,25 120x40"},
        {"the least", "110 0 35 0", Policy::Allow, 80, 20, "80x20 ", "20,25 110x35 / 20,25 110x35"},
        {"refused, it still moves", "0 0 0 0", Policy::Refuse, 150, 50, "150x50 ", "20,25 100x30 / 20,25 100x30"},
        {"changed by CanResize, limited after", "0 250 0 0", Policy::DoubleWidth, 150, 50, "150x50 ",
         "20,25 250x50 / 20,25 250x50"},
        {"the same size asks nothing", "0 0 0 0", Policy::Refuse, 100, 30, "", "20,25 100x30 / 20,25 100x30"},
    };
    for (bool outside : {false, true}) {
        for (const auto& c : cases) {
            TSizedPanel panel;
            panel.SetParent(&form);
            panel.SetBounds(10, 10, 100, 30);
            int minW, maxW, minH, maxH;
            ASSERT_EQ(sscanf(c.limits, "%d %d %d %d", &minW, &maxW, &minH, &maxH), 4);
            panel.Constraints().SetMinWidth(minW);
            panel.Constraints().SetMaxWidth(maxW);
            panel.Constraints().SetMinHeight(minH);
            panel.Constraints().SetMaxHeight(maxH);
            panel.policy = c.policy;
            panel.asked.clear();
            if (outside)
                SetWindowPos(panel.Handle(), nullptr, 20, 25, c.width, c.height, SWP_NOZORDER | SWP_NOACTIVATE);
            else
                panel.SetBounds(20, 25, c.width, c.height);
            EXPECT_EQ(panel.asked, c.asked) << c.name << (outside ? " from outside" : "");
            EXPECT_EQ(Bounds(panel), c.bounds) << c.name << (outside ? " from outside" : "");
        }
    }
}

// A new limit applies at once, also from form text; one set across its
// partner takes the partner along; the form itself keeps within its own.
TEST(Sizing, ConstraintsApplyAtOnceAndToTheFormItself)
{
    Application.Initialize();
    TForm form;
    form.CreateHandle();
    TPanel panel;
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 100, 60);
    panel.Constraints().SetMaxWidth(70);
    EXPECT_EQ(Bounds(panel), "0,0 70x60 / 0,0 70x60");
    ASSERT_TRUE(panel.SetProperty("Constraints.MinHeight", "80"));
    EXPECT_EQ(Bounds(panel), "0,0 70x80 / 0,0 70x80");
    panel.Constraints().SetMaxHeight(50);
    EXPECT_EQ(panel.Constraints().MinHeight(), 50);
    panel.Constraints().SetMinWidth(90);
    EXPECT_EQ(panel.Constraints().MaxWidth(), 90);
    EXPECT_EQ(Bounds(panel), "0,0 90x50 / 0,0 90x50");

    form.Constraints().SetMinWidth(260);
    form.Constraints().SetMaxHeight(300);
    SetWindowPos(form.Handle(), nullptr, 30, 40, 200, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(form.Handle(), &r);
    EXPECT_EQ(r.right - r.left, 260);
    EXPECT_EQ(r.bottom - r.top, 300);
    EXPECT_EQ(form.Width(), 260);
    EXPECT_EQ(form.Height(), 300);
}
