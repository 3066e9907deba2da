// Program entry of the voice calculator.
#include <windows.h>

#include "calculator/calcform.h"
#include "classlib/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        Application.Initialize();
        CalcForm = &Application.CreateForm<TCalcForm>();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    Application.Run();
    Application.DestroyForms();
    return 0;
}
