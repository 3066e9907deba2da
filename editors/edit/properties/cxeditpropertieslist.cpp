#include "editors/edit/properties/cxeditpropertieslist.h"

#include <memory>

namespace {

std::unique_ptr<TcxEditPropertiesList> propertiesList;

} // namespace

TcxEditPropertiesList* cxEditPropertiesList()
{
    return propertiesList.get();
}

void cxCreateEditPropertiesList()
{
    propertiesList = std::make_unique<TcxEditPropertiesList>();
}

void cxFreeEditPropertiesList()
{
    propertiesList.reset();
}
