// Program entry of the voice calculator.
#include <windows.h>

#include <memory>

#include "calculator/calcclasses.h"
#include "calculator/calcform.h"
#include "classlib/application.h"
#include "classlib/units.h"
#include "editors/controls/cxcontrolsunits.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"
#include "images/gifimage.h"
#include "images/pngobject.h"
#include "windows/aboutform.h"
#include "windows/accessoryclasses.h"
#include "windows/calchelp.h"
#include "windows/toolsform.h"

namespace {
template <class T>
void MakeKept(T*& form, int& exitCode)
{
    if (form)
        return;
    try {
        BeforeOtherWindows();
        form = &Application.CreateForm<T>();
    } catch (...) {
        Application.HandleException();
        exitCode = 1;
        CalcForm->Close();
    }
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The editor library serves the other windows only: its units start
    // once the calculator takes keys, before the first of those windows is
    // made, and end after the last form.
    std::unique_ptr<TUnitsStarted> units;
    std::unique_ptr<TUnitsStarted> editUnits;
    std::unique_ptr<TUnitsStarted> controlsUnits;
    BeforeOtherWindows = [&] {
        // The modules start in order, the foundation's first; one that
        // failed is tried again by the next window.
        if (!units)
            units = std::make_unique<TUnitsStarted>(cxFoundationUnits());
        if (!editUnits)
            editUnits = std::make_unique<TUnitsStarted>(cxEditUnits());
        if (!controlsUnits)
            controlsUnits = std::make_unique<TUnitsStarted>(cxControlsUnits());
    };
    try {
        // The class library's module starts first, before any form.
        Application.Initialize();
        RegisterAccessoryClasses();
        RegisterCalculatorClasses();
        RegisterGifImage();
        RegisterPNGObject();
        CalcForm = &Application.CreateForm<TCalcForm>();
        // The calculator is on screen and takes keys first: nothing in it needs the others.
        Application.ShowMainForm();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    // The other windows are kept for the whole run, hidden until their
    // openers show them (an opener makes one still missing). Made once the
    // calculator is idle; the tools window first, as the status line shows
    // its countdown. The calculator runs on without the tools window; without
    // about or help it reports the failure and ends the normal way.
    int exitCode = 0;
    Application.RunWhenIdle([] {
        if (!f_tools) {
            BeforeOtherWindows();
            f_tools = &Application.CreateForm<Tf_tools>(CalcForm->folder());
        }
    });
    Application.RunWhenIdle([&] { MakeKept(f_about, exitCode); });
    Application.RunWhenIdle([&] { MakeKept(f_calchelp, exitCode); });
    Application.Run();
    Application.DestroyForms();
    BeforeOtherWindows = nullptr;
    UnregisterPNGObject();
    controlsUnits.reset();
    editUnits.reset();
    units.reset();
    return exitCode;
}
