// The host build has no popups.
#include "editors/edit/container/cxcontainerunit.h"

#include "editors/edit/styles/cxdefaultstylecontroller.h"

void cxContainerFinalize()
{
    cxClearDefaultStyleController();
}
