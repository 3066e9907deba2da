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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The editor library's units start before the first form and end after the last.
    std::unique_ptr<TUnitsStarted> units;
    std::unique_ptr<TUnitsStarted> editUnits;
    std::unique_ptr<TUnitsStarted> controlsUnits;
    try {
        // The modules start in order, the class library's first, before any form.
        Application.Initialize();
        units = std::make_unique<TUnitsStarted>(cxFoundationUnits());
        editUnits = std::make_unique<TUnitsStarted>(cxEditUnits());
        controlsUnits = std::make_unique<TUnitsStarted>(cxControlsUnits());
        RegisterAccessoryClasses();
        RegisterCalculatorClasses();
        RegisterGifImage();
        RegisterPNGObject();
        CalcForm = &Application.CreateForm<TCalcForm>();
        // The calculator is on screen first: nothing in it needs these.
        Application.ShowMainForm();
        // Kept for the whole run, shown by the toolbar.
        f_about = &Application.CreateForm<Tf_about>();
        f_calchelp = &Application.CreateForm<Tf_calchelp>();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    // The calculator runs on without it: its openers create a missing one.
    try {
        f_tools = &Application.CreateForm<Tf_tools>(CalcForm->folder());
    } catch (...) {
        Application.HandleException();
    }
    Application.Run();
    Application.DestroyForms();
    UnregisterPNGObject();
    controlsUnits.reset();
    editUnits.reset();
    units.reset();
    return 0;
}
