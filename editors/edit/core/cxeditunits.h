// The edit base's units in their start-up order; programs and test
// environments run them through TUnitsStarted, after cxFoundationUnits().
#pragma once

#include <span>

#include "classlib/units.h"

std::span<const TUnit> cxEditUnits();
