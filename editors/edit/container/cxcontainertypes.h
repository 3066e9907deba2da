// The container's state set and border widths; the border styles are the
// styles' own. No window in sight, so both builds have them.
#pragma once

#include <cstdint>

#include "editors/edit/styles/cxcontainerstyletypes.h"

// The container state set (TcxContainerState).
enum : std::uint8_t { csfNormal = 1, csfFocused = 2, csfDisabled = 4, csfHot = 8 };

// Pixels a border style takes on each side; 0 for a value outside the enumeration.
int GetContainerBorderWidth(TcxContainerBorderStyle style);
