// Program entry of the voice calculator.
#include <windows.h>

#include "calculator/calcform.h"
#include "classlib/application.h"
#include "windows/aboutform.h"
#include "windows/calchelp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        Application.Initialize();
        CalcForm = &Application.CreateForm<TCalcForm>();
        // The calculator is on screen first: nothing in it needs these two.
        Application.ShowMainForm();
        // Kept for the whole run, shown by the toolbar.
        f_about = &Application.CreateForm<Tf_about>();
        f_calchelp = &Application.CreateForm<Tf_calchelp>();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    Application.Run();
    Application.DestroyForms();
    return 0;
}
