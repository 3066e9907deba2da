#include "windows/tests/windows_fixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {
class TMainStandIn : public TForm {
public:
    TMainStandIn() { LoadFromText("Main: TForm\n  Caption = main\n"); }
};

TForm* modalForm = nullptr;
void (*modalAction)() = nullptr;

void CALLBACK RunInsideModalLoop(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (modalAction)
        modalAction();
    PostMessageA(modalForm->Handle(), WM_CLOSE, 0, 0);
}
} // namespace

TForm& MainStandIn()
{
    static TForm* main = [] {
        Application.Initialize();
        TForm& form = Application.CreateForm<TMainStandIn>();
        form.Show();
        return &form;
    }();
    return *main;
}

void ExpectSystemMenuOnlyCentred(HWND window, int clientWidth, int clientHeight)
{
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT client, frame;
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    EXPECT_EQ(client.right, clientWidth);
    EXPECT_EQ(client.bottom, clientHeight);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

void WhileModal(TForm& form, void (*action)())
{
    modalForm = &form;
    modalAction = action;
    SetTimer(nullptr, 0, 50, RunInsideModalLoop);
}
