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
        TModalResult set; // before a close; mrNone closes without a result
        int refusals;     // of the close query
        TModalResult result;
    } cases[] = {{mrOk, 0, mrOk}, {mrNone, 0, mrCancel}, {mrYes, 1, mrCancel}};
    for (const auto& c : cases) {
        PlainForm dialog("Result");
        int refusals = c.refusals;
        dialog.OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = refusals-- <= 0; };
        WhenModal([&] {
            dialog.SetModalResult(c.set);
            if (c.set == mrNone || c.refusals)
                PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(ShowModal(dialog), c.result) << c.set;
        EXPECT_FALSE(dialog.Visible());
    }
}

// The modal flag holds from the start of ShowModal to its end, also while
// the form hides with its result, so that its controls can tell a modal
// close from other ways of losing the focus.
TEST(ShowModal, TheFormIsModalWhileShownModallyAlsoAsItHides)
{
    Application.Initialize();
    PlainForm dialog("Modal");
    const bool before = dialog.Modal();
    bool during = false, hidingModally = false;
    TWndMethod passOn = dialog.WindowProc;
    dialog.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SHOWWINDOW && !m.WParam)
            hidingModally = dialog.Modal() && dialog.ModalResult() == mrOk;
        passOn(m);
    };
    WhenModal([&] {
        during = dialog.Modal();
        dialog.SetModalResult(mrOk);
    });
    EXPECT_EQ(ShowModal(dialog), mrOk);
    EXPECT_FALSE(before);
    EXPECT_TRUE(during);
    EXPECT_TRUE(hidingModally);
    EXPECT_FALSE(dialog.Modal());
    // Shown and hidden without ShowModal, it is not modal.
    dialog.Show();
    EXPECT_FALSE(dialog.Modal());
    dialog.Hide();
}

} // namespace

