// The Office11 look's colour set over the running system: the scheme of the
// current visual style or colours mixed from the system colours, solid
// brushes and three small bitmaps, reference-counted; and the gradient,
// solid fill, dots and size grip that the look paints.
#pragma once

#include <windows.h>

#include "classlib/bitmap.h"
#include "classlib/colors.h"
#include "editors/foundation/theme/dxoffice11colors.h"

constexpr TColor dxOffice11ExpandButtonColor1 = 0xBFAE9E; // RGB(158, 174, 191)
constexpr TColor dxOffice11ExpandButtonColor2 = 0x5F462E; // RGB(46, 70, 95)

// Unit start and end: the gradient service of msimg32.
void dxOffice11Initialize();
void dxOffice11Finalize();

int Office11DetectScheme();
void Office11ColorsFill();
// The first acquire fills the palette and makes brushes and bitmaps; the
// last release frees them.
void Office11ColorsAcquire();
void Office11ColorsRelease();
// Fills the palette again and, while acquired, remakes brushes and bitmaps.
void Office11ColorsRefresh();
int Office11ColorsAcquireCount();

int Office11Scheme();
bool Office11SchemeThemed();
const TdxOffice11Palette& Office11Palette();
// The solid brush of palette entry 12..15, 18..21 or 26..29 while acquired; else nullptr.
HBRUSH Office11Brush(int entry);
HBRUSH Office11MixedBorderBrush();
const TBitmap& Office11SubmenuExpandBitmap();
const TBitmap& Office11ExpandButtonMinus();
const TBitmap& Office11ExpandButtonPlus();

void FillRectWithColor(HDC dc, const RECT& r, TColor color);
void FillRectGradient(HDC dc, const RECT& r, TColor color1, TColor color2, bool horizontal);
// The gradient in solid bands, as drawn when the system offers no GradientFill.
void FillRectSoftGradient(HDC dc, const RECT& r, TColor color1, TColor color2, bool horizontal);
// Missing brushes are the palette's brushes of entries 13 (light) and 12 (dark).
void Office11PaintDots(HDC dc, const RECT& r, bool vertical, HBRUSH light = nullptr, HBRUSH dark = nullptr);
// clDefault for either colour takes the default brush.
void Office11PaintSizeGrip(HDC dc, const RECT& r, TColor dotColor = clDefault, TColor shadowColor = clDefault);
