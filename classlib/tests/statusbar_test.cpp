#include "classlib/statusbar.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {

class BarForm : public TForm {
public:
    explicit BarForm(const std::string& bar)
    {
        LoadFromText("BarForm: TForm\n  ClientWidth = 300\n  ClientHeight = 100\n  Bar: TStatusBar\n    Align = alBottom\n"
                     "    Height = 20\n" + bar);
    }
    TStatusBar& Bar() { return Component<TStatusBar>("Bar"); }
};

TEST(StatusBar, PanelsFromTheDescriptionInOrder)
{
    Application.Initialize();
    BarForm form("    Panels.Width = 50\n    Panels.Width = 80\n    Panels.Text = Done.\n    Panels.Text = 第二\n");
    HWND bar = form.Bar().Handle();
    int rights[4] = {};
    ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(rights)), 2);
    EXPECT_EQ(rights[0], 50);
    EXPECT_EQ(rights[1], 130);
    EXPECT_EQ(form.Bar().PanelText(0), "Done.");
    EXPECT_EQ(form.Bar().PanelText(1), "第二");

    form.Bar().SetPanelText(1, "Finding Site...");
    char shown[32] = {};
    SendMessageA(bar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, "Finding Site...");
    EXPECT_EQ(form.Bar().PanelText(0), "Done.");

    RECT client, placed;
    GetClientRect(form.Handle(), &client);
    GetWindowRect(bar, &placed);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.bottom, client.bottom) << "at the bottom, by alignment";
}

TEST(StatusBar, PanelsThatDoNotExistAreErrors)
{
    Application.Initialize();
    BarForm form("    Panels.Width = 50\n");
    EXPECT_THROW(form.Bar().SetPanelText(1, "x"), EComponentError);
    EXPECT_THROW(form.Bar().PanelText(-1), EComponentError);
    EXPECT_THROW(BarForm("    Panels.Text = Done.\n"), EComponentError);
}

} // namespace
