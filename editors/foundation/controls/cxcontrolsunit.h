// Start-up and shut-down of the controls' machinery: the library cursors,
// the shared timer window, mouse-leave tracking and the settings controller.
#pragma once

#include "classlib/cursors.h"

// Library cursor ids in the screen's cursor table.
constexpr TCursor crcxDragCopy = 2100, crcxFullScroll = 2101, crcxHorScroll = 2102, crcxVerScroll = 2103,
                  crcxUpScroll = 2104, crcxRightScroll = 2105, crcxDownScroll = 2106, crcxLeftScroll = 2107,
                  crcxRemove = 2108, crcxVertSize = 2109, crcxHorzSize = 2110, crcxMultiDrag = 2111,
                  crcxNoDrop = 2112, crcxDrag = 2113, crcxColorPicker = 2114, crcxHandPoint = -2099;

void cxControlsInitialize();
void cxControlsFinalize();
