// Program entry of the setup program.
#include <windows.h>

#include "classlib/application.h"
#include "classlib/cominit.h"
#include "setup/form1.h"
#include "setup/setupclasses.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The shell-link object needs COM on this thread.
    TComInitializer com;
    try {
        Application.Initialize();
        RegisterSetupClasses();
        Application.CreateForm<TForm1>();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    Application.Run();
    Application.DestroyForms();
    return 0;
}
