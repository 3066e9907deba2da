// A late window: a hidden control whose window, and its children's, is made
// only when it is first shown or one of their handles is asked for.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {

class TLateForm : public TForm {
public:
    explicit TLateForm(bool late)
    {
        LoadFromText(std::string("LateForm: TForm\n"
                                 "  ClientWidth = 200\n"
                                 "  ClientHeight = 100\n"
                                 "  A: TPanel\n"
                                 "  G: TPanel\n"
                                 "    Visible = false\n") +
                     (late ? "    LateWindow = true\n" : "") +
                     "    E: TEdit\n"
                     "    P: TPanel\n"
                     "      F: TEdit\n"
                     "  Z: TEdit\n");
    }
    TControl& Get(const char* name) { return Component<TControl>(name); }
    // The names of the form's child windows, top of the z-order first.
    std::vector<std::string> Order()
    {
        std::vector<std::string> names;
        for (HWND w = GetWindow(TControl::Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
            names.push_back(TControl::FromHandle(w)->Name());
        return names;
    }
};

class LateWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Application.Initialize(); }
};

TEST_F(LateWindows, MadeOnFirstShowOrWhenAskedForInTheirPlace)
{
    TLateForm plain(false);
    plain.Show();
    const std::vector<std::string> order = plain.Order();

    const struct {
        const char* name;
        std::function<void(TLateForm&)> act;
        bool made;
        bool shown;
    } cases[] = {
        {"left hidden", [](TLateForm&) {}, false, false},
        {"shown", [](TLateForm& f) { f.Get("G").SetVisible(true); }, true, true},
        {"a child's handle asked for", [](TLateForm& f) { EXPECT_NE(f.Get("F").Handle(), nullptr); }, true, false},
        {"its own handle asked for", [](TLateForm& f) { EXPECT_NE(f.Get("G").Handle(), nullptr); }, true, false},
        // Shown and hidden again before anything asks: one window throughout.
        {"shown, hidden, shown",
         [](TLateForm& f) {
             f.Get("G").SetVisible(true);
             HWND first = f.Get("G").Handle();
             f.Get("G").SetVisible(false);
             f.Get("G").SetVisible(true);
             EXPECT_EQ(f.Get("G").Handle(), first);
         },
         true, true},
    };
    for (const auto& c : cases) {
        TLateForm form(true);
        form.Show();
        EXPECT_TRUE(form.Get("A").HandleAllocated() && form.Get("Z").HandleAllocated()) << c.name;
        c.act(form);
        for (const char* inside : {"G", "E", "P", "F"})
            EXPECT_EQ(form.Get(inside).HandleAllocated(), c.made) << c.name << ": " << inside;
        if (!c.made)
            continue;
        EXPECT_EQ(form.Order(), order) << c.name;
        EXPECT_EQ(GetParent(form.Get("F").Handle()), form.Get("P").Handle()) << c.name;
        EXPECT_EQ(IsWindowVisible(form.Get("E").Handle()) != FALSE, c.shown) << c.name;
        RECT r;
        GetWindowRect(form.Get("G").Handle(), &r);
        EXPECT_EQ(r.right - r.left, form.Get("G").Width()) << c.name;
    }
}

} // namespace
