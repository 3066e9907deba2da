// What lies behind a see-through control: its parent's background and
// painting, and the sibling controls below it. Target only.
#pragma once

class TCanvas;
class TControl;

// Paints into canvas (the control's client area at its origin) what the parent
// and each visible sibling below the control in z-order show at its place.
// Each painter is marked csPaintCopy meanwhile; the marks go on every exit.
// Nothing happens without a control or a parent.
void PaintParentBackground(TControl* control, TCanvas& canvas);
