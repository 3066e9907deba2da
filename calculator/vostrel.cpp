// Program entry of the voice calculator.
#include <windows.h>

#include <memory>

#include "calculator/calcclasses.h"
#include "calculator/calcform.h"
#include "classlib/application.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"
#include "images/gifimage.h"
#include "images/pngobject.h"
#include "windows/aboutform.h"
#include "windows/accessoryclasses.h"
#include "windows/calchelp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The editor library's units start before the first form and end after the last.
    std::unique_ptr<TUnitsStarted> units;
    std::unique_ptr<TUnitsStarted> editUnits;
    try {
        // The modules start in order, the class library's first, before any form.
        Application.Initialize();
        units = std::make_unique<TUnitsStarted>(cxFoundationUnits());
        editUnits = std::make_unique<TUnitsStarted>(cxEditUnits());
        RegisterAccessoryClasses();
        RegisterCalculatorClasses();
        RegisterGifImage();
        RegisterPNGObject();
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
    UnregisterPNGObject();
    editUnits.reset();
    units.reset();
    return 0;
}
