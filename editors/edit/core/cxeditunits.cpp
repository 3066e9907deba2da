#include "editors/edit/core/cxeditunits.h"

#include "editors/edit/datastorage/cxdatastorage.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"

namespace {

// The value types are listed from the start to the end. The styles start
// with no default controller; the unit that makes it registers it, and none
// outlives the styles' shut-down.
constexpr TUnit kUnits[] = {
    {"cxDataStorage", cxDataStorageInitialize, cxDataStorageFinalize},
    {"cxContainer", nullptr, cxClearDefaultStyleController},
};

} // namespace

std::span<const TUnit> cxEditUnits()
{
    return kUnits;
}
