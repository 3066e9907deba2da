// The editor library foundation's units in their start-up order; programs
// and test environments run them through TUnitsStarted.
#pragma once

#include <span>

#include "classlib/units.h"

std::span<const TUnit> cxFoundationUnits();
