// A form's window from its text: border boxes, staying on top, and what
// closing does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"

namespace {

class TCloseForm : public TForm {
public:
    explicit TCloseForm(const std::string& properties)
    {
        Bind("FormClose", &TCloseForm::FormClose);
        Bind("FormCloseQuery", &TCloseForm::FormCloseQuery);
        LoadFromText("CloseForm: TForm\n  ClientWidth = 200\n  ClientHeight = 100\n" + properties);
    }
    void FormClose(TComponent& sender, TCloseAction& action)
    {
        ++closes;
        EXPECT_EQ(action, TCloseAction::caHide);
        EXPECT_EQ(&sender, this);
        action = answer;
    }
    void FormCloseQuery(TComponent&, bool& canClose) { canClose = mayClose; }
    LONG Style(int which) const { return GetWindowLongA(Handle(), which); }

    TCloseAction answer = TCloseAction::caHide;
    bool mayClose = true;
    int closes = 0;
};

class Forms : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Application.Initialize(); }
};

TEST_F(Forms, BorderIconsChooseAmongTheBordersBoxes)
{
    constexpr LONG kBoxes = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
    const struct {
        const char* properties;
        LONG boxes;
    } cases[] = {
        {"  BorderStyle = bsSingle\n  BorderIcons = [biSystemMenu]\n", WS_SYSMENU},
        {"  BorderStyle = bsSingle\n", WS_SYSMENU | WS_MINIMIZEBOX},
        {"  BorderStyle = bsSingle\n  BorderIcons = [biSystemMenu, biMaximize]\n", WS_SYSMENU},
        {"", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME},
        {"  BorderIcons = [biSystemMenu, biMaximize]\n", WS_SYSMENU | WS_MAXIMIZEBOX | WS_THICKFRAME},
        // No box shows without the system menu.
        {"  BorderIcons = [biMinimize, biMaximize]\n", WS_THICKFRAME},
        {"  BorderIcons = []\n", WS_THICKFRAME},
        {"  BorderStyle = bsDialog\n  BorderIcons = [biSystemMenu, biMinimize, biMaximize]\n", WS_SYSMENU},
        {"  BorderStyle = bsDialog\n  BorderIcons = []\n", 0},
    };
    for (const auto& c : cases) {
        TCloseForm form(c.properties);
        EXPECT_EQ(form.Style(GWL_STYLE) & kBoxes, c.boxes) << c.properties;
        EXPECT_FALSE(form.Style(GWL_EXSTYLE) & WS_EX_TOPMOST) << c.properties;
    }
}

TEST_F(Forms, StayOnTopFromTheTextAndLater)
{
    // No window manager here: the style bit is what there is to see.
    TCloseForm top("  FormStyle = fsStayOnTop\n");
    EXPECT_EQ(top.FormStyle(), TFormStyle::fsStayOnTop);
    EXPECT_TRUE(top.Style(GWL_EXSTYLE) & WS_EX_TOPMOST);
    TCloseForm normal("  FormStyle = fsNormal\n");
    EXPECT_FALSE(normal.Style(GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Set on a window that exists. (Wine 8 keeps the bit once set, whatever
    // SetWindowPos is asked, so only this way round is seen.)
    normal.Show();
    normal.SetFormStyle(TFormStyle::fsStayOnTop);
    EXPECT_TRUE(normal.Style(GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Forms, BadFormStyleOrBorderIconsAreRefused)
{
    for (const char* bad : {"  FormStyle = fsMDIChild\n", "  BorderIcons = [biHelpless]\n", "  BorderIcons = biMinimize\n"})
        EXPECT_THROW(TCloseForm form(bad), EComponentError) << bad;
}

TEST_F(Forms, OnCloseDecidesWhetherTheFormHides)
{
    const struct {
        const char* name;
        const char* properties;
        bool mayClose;
        TCloseAction answer;
        int closes;
        bool visible;
    } cases[] = {
        {"no handler", "", true, TCloseAction::caHide, 0, false},
        {"hide", "  OnClose = FormClose\n", true, TCloseAction::caHide, 1, false},
        {"none", "  OnClose = FormClose\n", true, TCloseAction::caNone, 1, true},
        {"refused first", "  OnClose = FormClose\n  OnCloseQuery = FormCloseQuery\n", false, TCloseAction::caHide, 0,
         true},
        {"allowed first", "  OnClose = FormClose\n  OnCloseQuery = FormCloseQuery\n", true, TCloseAction::caHide, 1,
         false},
    };
    for (const auto& c : cases) {
        TCloseForm form(c.properties);
        form.mayClose = c.mayClose;
        form.answer = c.answer;
        form.Show();
        // The close box and Close take the same way.
        SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(form.closes, c.closes) << c.name;
        EXPECT_EQ(form.Visible(), c.visible) << c.name;
        EXPECT_EQ(IsWindowVisible(form.Handle()) != FALSE, c.visible) << c.name;
        form.Show();
        form.Close();
        EXPECT_EQ(form.closes, 2 * c.closes) << c.name;
        EXPECT_EQ(form.Visible(), c.visible) << c.name;
    }
}

}  // namespace
