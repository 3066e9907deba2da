// A demonstration program of the editor library: the class library and the
// library's units started around one form, as the calculator starts them.
#pragma once

#include <functional>
#include <memory>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/timer.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"

// Runs show now and every 30 ms after, on a timer the form owns: what a
// demonstration's lines tell changes without telling anybody.
inline void cxShowDemoLines(TForm& form, std::function<void()> show)
{
    auto& timer = form.Adopt(std::make_unique<TTimer>());
    timer.SetInterval(30);
    timer.OnTimer = [show](TComponent&) { show(); };
    timer.Loaded();
    show();
}

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
