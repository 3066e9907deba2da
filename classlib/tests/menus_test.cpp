// Popup menus from a form description, shown as real menus and driven by
// keys from a second thread while TrackPopupMenu runs its modal loop.
#include "classlib/menus.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/tests/dialogwatcher.h"

namespace {

const char* const kMenuForm = R"(MenuForm: TForm
  ClientWidth = 200
  ClientHeight = 100
  PopupMenu1: TPopupMenu
    Items = N1, N2, N4, N3
  N1: TMenuItem
    Caption = 显示计算器(&S)
    Checked = true
    OnClick = ItemClick
  N2: TMenuItem
    Caption = 隐藏计算器(&H)
    OnClick = ItemClick
  N4: TMenuItem
    Caption = 实用小工具(&T)
    OnClick = ItemClick
  N3: TMenuItem
    Caption = 退出(&C)
    OnClick = ItemClick
)";

class MenuForm : public TForm {
public:
    explicit MenuForm(const std::string& text = kMenuForm)
    {
        Bind("ItemClick", &MenuForm::ItemClick);
        LoadFromText(text);
    }
    void ItemClick(TComponent& sender) { clicked += sender.Name() + " "; }
    TPopupMenu& Menu() { return Component<TPopupMenu>("PopupMenu1"); }
    std::string clicked;
};

// What the open menu showed: each item's text and check mark.
struct Shown {
    std::vector<std::string> captions;
    std::vector<bool> checked;
};

// Pops the menu up; a second thread waits for the menu window, reads it
// and then does what a user would (keys).
Shown PopupAndDrive(TPopupMenu& menu, const std::function<void(HWND)>& act)
{
    Shown shown;
    std::atomic<bool> done{false};
    std::thread user([&] {
        HWND window = nullptr;
        while (!done && !(window = FindMenuWindow()))
            Sleep(10);
        if (!window)
            return;
        Sleep(50);
        auto hmenu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(hmenu); ++i) {
            char text[128] = {};
            GetMenuStringA(hmenu, i, text, sizeof text, MF_BYPOSITION);
            shown.captions.push_back(text);
            shown.checked.push_back((GetMenuState(hmenu, i, MF_BYPOSITION) & MF_CHECKED) != 0);
        }
        act(window);
    });
    menu.Popup(10, 10);
    done = true;
    user.join();
    return shown;
}

void Key(HWND window, UINT message, WPARAM key)
{
    PostMessageA(window, message, key, 1);
}

class Menus : public testing::Test {
protected:
    static void SetUpTestSuite() { Application.Initialize(); }
};

} // namespace

TEST_F(Menus, DescriptionGivesItemsInMenuOrder)
{
    MenuForm form;
    std::vector<std::string> names;
    for (TMenuItem* item : form.Menu().Items())
        names.push_back(item->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"N1", "N2", "N4", "N3"}));
    EXPECT_TRUE(form.Component<TMenuItem>("N1").Checked);
    EXPECT_FALSE(form.Component<TMenuItem>("N2").Checked);

    std::string broken = kMenuForm;
    broken.replace(broken.find("N4, N3"), 6, "N4, N9");
    EXPECT_THROW(MenuForm{broken}, EComponentError);
}

TEST_F(Menus, RealMenuShowsCaptionsAndCheckMarksAndEscapeChoosesNothing)
{
    MenuForm form;
    Shown shown = PopupAndDrive(form.Menu(), [](HWND w) { Key(w, WM_KEYDOWN, VK_ESCAPE); });
    EXPECT_EQ(shown.captions, (std::vector<std::string>{"显示计算器(&S)", "隐藏计算器(&H)", "实用小工具(&T)", "退出(&C)"}));
    EXPECT_EQ(shown.checked, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(form.clicked, "");

    // Check marks are taken from the items each time the menu opens.
    form.Component<TMenuItem>("N1").Checked = false;
    form.Component<TMenuItem>("N2").Checked = true;
    shown = PopupAndDrive(form.Menu(), [](HWND w) { Key(w, WM_KEYDOWN, VK_ESCAPE); });
    EXPECT_EQ(shown.checked, (std::vector<bool>{false, true, false, false}));
}

TEST_F(Menus, ChosenItemRunsItsClickAfterTheMenuCloses)
{
    MenuForm form;
    struct Case {
        const char* how;
        std::function<void(HWND)> act;
        const char* clicked;
    } cases[] = {
        {"arrows and Enter",
         [](HWND w) {
             Key(w, WM_KEYDOWN, VK_DOWN);
             Key(w, WM_KEYDOWN, VK_DOWN);
             Key(w, WM_KEYDOWN, VK_RETURN);
         },
         "N2 "},
        {"accelerator", [](HWND w) { Key(w, WM_CHAR, 'c'); }, "N3 "},
    };
    for (const auto& c : cases) {
        form.clicked.clear();
        PopupAndDrive(form.Menu(), c.act);
        EXPECT_EQ(form.clicked, c.clicked) << c.how;
    }
}

TEST_F(Menus, PopupLeavesAWakeUpMessageForItsWindow)
{
    MenuForm form;
    PopupAndDrive(form.Menu(), [](HWND w) { Key(w, WM_KEYDOWN, VK_ESCAPE); });
    bool sawNull = false;
    MSG msg;
    while (PeekMessageA(&msg, form.Handle(), 0, 0, PM_REMOVE))
        sawNull |= msg.message == WM_NULL;
    EXPECT_TRUE(sawNull);
}
