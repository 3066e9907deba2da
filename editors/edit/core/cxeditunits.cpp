#include "editors/edit/core/cxeditunits.h"

#include "editors/edit/datastorage/cxdatastorage.h"
#include "editors/edit/container/cxcontainerunit.h"
#ifdef _WIN32
#include "editors/edit/core/cxeditunit.h"
#include "editors/edit/formats/cxformats.h"
#include "editors/edit/viewinfo/cxeditutils.h"
#endif

namespace {

// The value types are listed from the start to the end. The date words are
// resources read when used; the format controller is made on first use and
// goes at the end. The container starts with no default controller (the
// unit that makes it registers it) and no popup hooks (the first popup
// brings them); its shut-down forgets both. cxEdit makes the default
// controller and the list of editor properties, and frees them first.
constexpr TUnit kUnits[] = {
    {"cxDataStorage", cxDataStorageInitialize, cxDataStorageFinalize},
#ifdef _WIN32
    {"cxDateUtils", nullptr, nullptr},
    {"cxFormats", cxFormatsInitialize, cxFormatsFinalize},
    {"cxEditUtils", cxEditUtilsInitialize, nullptr},
#endif
    {"cxContainer", nullptr, cxContainerFinalize},
#ifdef _WIN32
    {"cxEdit", cxEditInitialize, cxEditFinalize},
#endif
};

} // namespace

std::span<const TUnit> cxEditUnits()
{
    return kUnits;
}
