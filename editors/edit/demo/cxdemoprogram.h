// A demonstration program of the editor library: the class library and the
// library's units started around one form, as the calculator starts them.
#pragma once

#include <memory>

#include "classlib/application.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"

template <class TDemoForm>
int cxRunEditDemo()
{
    std::unique_ptr<TUnitsStarted> foundation, edit;
    try {
        Application.Initialize();
        foundation = std::make_unique<TUnitsStarted>(cxFoundationUnits());
        edit = std::make_unique<TUnitsStarted>(cxEditUnits());
        Application.CreateForm<TDemoForm>();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    Application.Run();
    Application.DestroyForms();
    edit.reset();
    foundation.reset();
    return 0;
}
