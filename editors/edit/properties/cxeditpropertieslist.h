// Every editor properties object alive, in one list for the process: a
// default values provider that goes clears itself from those that use it.
// The cxEdit unit makes the list at start-up and frees it at shut-down;
// properties made outside that span are simply not listed.
#pragma once

#include "editors/foundation/core/cxlistenerlist.h"

class TcxCustomEditProperties;

using TcxEditPropertiesList = TcxListenerList<TcxCustomEditProperties>;

// The list, or nullptr while the unit is not running.
TcxEditPropertiesList* cxEditPropertiesList();
void cxCreateEditPropertiesList();
void cxFreeEditPropertiesList();
