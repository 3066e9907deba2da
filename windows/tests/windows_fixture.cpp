#include "windows/tests/windows_fixture.h"

#include <windows.h>

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

void WhileModal(TForm& form, void (*action)())
{
    modalForm = &form;
    modalAction = action;
    SetTimer(nullptr, 0, 50, RunInsideModalLoop);
}
