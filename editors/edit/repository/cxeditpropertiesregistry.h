// The editor properties classes, each with its "Name|description" text,
// sorted by name; editor units register their class at start-up. The list
// is the editors' own: its classes do not become creatable from form text.
#pragma once

#include "editors/foundation/core/cxregisteredclasses.h"

// Made on first use.
TcxRegisteredClasses& EditPropertiesRegistry();
// Frees the list at the cxEdit unit's shut-down; the next use makes a new one.
void cxFreeEditPropertiesRegistry();
