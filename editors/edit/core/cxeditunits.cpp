#include "editors/edit/core/cxeditunits.h"

#include "editors/edit/datastorage/cxdatastorage.h"
#include "editors/edit/container/cxcontainerunit.h"

namespace {

// The value types are listed from the start to the end. The container starts
// with no default controller (the unit that makes it registers it) and no
// popup hooks (the first popup brings them); its shut-down forgets both.
constexpr TUnit kUnits[] = {
    {"cxDataStorage", cxDataStorageInitialize, cxDataStorageFinalize},
    {"cxContainer", nullptr, cxContainerFinalize},
};

} // namespace

std::span<const TUnit> cxEditUnits()
{
    return kUnits;
}
