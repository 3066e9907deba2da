// The look and feels on Windows: painters for kinds, theme tests and palette
// notifications handed to the platform-free decisions, and the unit that
// makes the root.
#pragma once

void cxLookAndFeelsStart();
void cxLookAndFeelsStop();
