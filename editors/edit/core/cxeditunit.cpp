#include "editors/edit/core/cxeditunit.h"

#include <windows.h>

#include <memory>

#include "classlib/screen.h"
#include "editors/edit/properties/cxeditpropertieslist.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"
#include "editors/edit/styles/cxeditstylecontroller.h"

namespace {

int usageCount = 0;
std::unique_ptr<TcxEditStyleController> defaultController;

} // namespace

void cxEditInitialize()
{
    if (usageCount > 0) {
        ++usageCount;
        return;
    }
    Screen.SetCursorResource(crcxEditMouseWheel, GetModuleHandleA(nullptr), "CXEDIT_MOUSEWHEEL");
    defaultController = std::make_unique<TcxEditStyleController>();
    cxRegisterDefaultStyleController(defaultController.get());
    cxCreateEditPropertiesList();
    usageCount = 1;
}

void cxEditFinalize()
{
    if (usageCount == 0 || --usageCount > 0)
        return;
    cxFreeEditPropertiesRegistry();
    // Its destructor takes it out of the registration point.
    defaultController.reset();
    cxFreeEditPropertiesList();
}
