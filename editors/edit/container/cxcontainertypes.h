// The container's border styles and state set, shared by the container and
// its styles; no window in sight, so both builds have them.
#pragma once

#include <cstdint>

enum TcxContainerBorderStyle : std::uint8_t {
    cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11
};

// The container state set (TcxContainerState).
enum : std::uint8_t { csfNormal = 1, csfFocused = 2, csfDisabled = 4, csfHot = 8 };

// Pixels a border style takes on each side; 0 for a value outside the enumeration.
int GetContainerBorderWidth(TcxContainerBorderStyle style);
