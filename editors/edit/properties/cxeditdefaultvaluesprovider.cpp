#include "editors/edit/properties/cxeditdefaultvaluesprovider.h"

#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/properties/cxeditpropertieslist.h"

TcxCustomEditDefaultValuesProvider::~TcxCustomEditDefaultValuesProvider()
{
    ClearUsers();
}

void TcxCustomEditDefaultValuesProvider::ClearUsers()
{
    TcxEditPropertiesList* list = cxEditPropertiesList();
    if (!list)
        return;
    list->ForEach([this](TcxCustomEditProperties& properties) {
        IcxEditDefaultValuesProvider* provider = properties.DefaultValuesProvider();
        if (provider && provider->GetInstance() == this)
            properties.ClearDefaultValuesProvider();
    });
}
