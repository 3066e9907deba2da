#include "editors/edit/container/cxcontainerunit.h"

#include "editors/edit/container/cxcontainerpopups.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"

void cxContainerFinalize()
{
    cxPopupsFinalize();
    cxClearDefaultStyleController();
}
