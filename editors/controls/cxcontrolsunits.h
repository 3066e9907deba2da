// The units of the text, mask, spin and time editors, started after the
// edit base's units (cxEditUnits) and ended before them.
#pragma once

#include <span>

#include "classlib/units.h"

std::span<const TUnit> cxControlsUnits();
