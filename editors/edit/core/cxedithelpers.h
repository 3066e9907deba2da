// Small helpers the editors share in their layout, painting and keyboard
// code: sizes, owners, values, blank characters and, on Windows, mouse
// buttons, frames, regions and keys sent to an editor's window.
#pragma once

#include "classlib/component.h"
#include "classlib/variant.h"
#include "editors/edit/styles/cxeditstyletypes.h"
#include "editors/foundation/core/cxgeometry.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

// Raises each of a's two components to at least b's.
void EnlargeSize(TSize& a, const TSize& b);
// The persistent itself or the first of its owners that is a component; nullptr when there is none.
TComponent* OwningComponent(TPersistent* persistent);
// Of the same VarType and equal as the editors compare values.
bool VarEqualsSameType(const Variant& a, const Variant& b);
// The look the editor's buttons are drawn in: in place, the editor style's
// look and feel (styleKind); otherwise the look of the first button's style,
// lfStandard when the editor has no button.
TcxLookAndFeelKind ButtonsLookAndFeelKind(bool inPlace, TcxLookAndFeelKind styleKind,
                                          const TcxEditButtonStyle* firstButtonStyle);
// #0, tab, line feed, form feed, carriage return or space.
bool IsBlankChar(char c);

#ifdef _WIN32
#include <windows.h>

#include "classlib/colors.h"
#include "classlib/events.h"

class TcxCanvas;
class TWinControl;

TShiftState MouseButtonShift(TMouseButton button);
// One-pixel sides, leftTop on the left and top, rightBottom on the right
// and bottom; r shrinks by the frame.
void DrawSideFrame(TcxCanvas& canvas, TRect& r, TColor leftTop, TColor rightBottom);
// A one-pixel frame of one colour; r shrinks by the frame.
void DrawPlainFrame(TcxCanvas& canvas, TRect& r, TColor color);
bool RegionIsEmpty(HRGN region);
// a becomes the union of a and b.
void RegionUnite(HRGN a, HRGN b);
// WM_KEYDOWN or WM_CHAR with lParam 0 to the editor's window.
void SendKeyDown(TWinControl& edit, WORD key);
void SendChar(TWinControl& edit, char c);
#endif
