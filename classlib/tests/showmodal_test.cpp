// Modal showing over real windows: what it disables, what it gives back.
#include "classlib/showmodal.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {

class PlainForm : public TForm {
public:
    explicit PlainForm(const std::string& name) { LoadFromText(name + ": TForm\n  Caption = " + name + "\n"); }
};

std::function<void()> insideModal;

void CALLBACK RunInsideModal(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    insideModal();
}

// Runs the action from inside the modal loop that starts next.
void WhenModal(std::function<void()> action)
{
    insideModal = std::move(action);
    SetTimer(nullptr, 0, 20, RunInsideModal);
}

TEST(ShowModal, DisablesTheOtherWindowsUntilClosedAndRestoresOnlyThoseItDisabled)
{
    Application.Initialize();
    PlainForm enabled("Enabled"), disabled("Disabled"), dialog("Dialog");
    enabled.Show();
    disabled.Show();
    EnableWindow(disabled.Handle(), FALSE);
    bool enabledDuring = true;
    WhenModal([&] {
        enabledDuring = IsWindowEnabled(enabled.Handle()) != FALSE;
        PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    });
    ShowModal(dialog);
    EXPECT_FALSE(enabledDuring);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(IsWindowEnabled(enabled.Handle()));
    EXPECT_FALSE(IsWindowEnabled(disabled.Handle())) << "was disabled before";
    EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
}

TEST(ShowModal, AQuitRequestEndsTheLoopAndReachesTheMainLoop)
{
    Application.Initialize();
    PlainForm dialog("Quitting");
    WhenModal([] { PostQuitMessage(7); });
    ShowModal(dialog);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(ShowModal, EndsWithTheModalResultOrCancelWhenClosed)
{
    Application.Initialize();
    struct Case {
        const char* name;
        std::function<void(TForm&)> act;
        TModalResult result;
        int closeQueries;
    } cases[] = {
        {"ok", [](TForm& f) { f.SetModalResult(mrOk); }, mrOk, 1},
        {"no", [](TForm& f) { f.SetModalResult(mrNo); }, mrNo, 1},
        {"closed", [](TForm& f) { PostMessageA(f.Handle(), WM_CLOSE, 0, 0); }, mrCancel, 1},
        // The first close query refuses: the result is dropped, the form stays
        // until the close that follows.
        {"refused",
         [](TForm& f) {
             f.SetModalResult(mrOk);
             PostMessageA(f.Handle(), WM_CLOSE, 0, 0);
         },
         mrCancel, 2},
    };
    for (const auto& c : cases) {
        PlainForm dialog(c.name);
        int queries = 0;
        dialog.OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = ++queries > 1 || c.closeQueries == 1; };
        WhenModal([&] { c.act(dialog); });
        EXPECT_EQ(ShowModal(dialog), c.result) << c.name;
        EXPECT_EQ(dialog.ModalResult(), c.result) << c.name;
        EXPECT_EQ(queries, c.closeQueries) << c.name;
        EXPECT_FALSE(dialog.Visible()) << c.name;
    }
}

} // namespace
