// The cxEdit unit: at start-up the mouse-wheel cursor, the default edit
// style controller and the list of editor properties; at shut-down the
// properties registry, the controller and the list go. Nested start-ups
// only count: the last shut-down ends them.
#pragma once

#include "classlib/cursors.h"

// The screen cursor an editor shows while the wheel scrolls it.
constexpr TCursor crcxEditMouseWheel = 4101;

void cxEditInitialize();
void cxEditFinalize();
