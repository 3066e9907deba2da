// Drawing a bitmap with one colour see-through, over whatever the
// destination already shows. Target only: GDI does the work.
#pragma once

#include <windows.h>

#include "classlib/colors.h"

class TBitmap;
class TCanvas;

// The colour as RGB, flagged to take the nearest entry of the selected palette.
TColor PaletteRGBColor(TColor color);

// Copies the source rectangle stretched onto the destination rectangle; source
// pixels of maskColor (an RGB value) leave the destination as it was. With a
// palette, it is realised into the DCs for the duration. Sizes of 0 or less
// draw nothing.
void MaskedStretchBlt(HDC dest, int dstX, int dstY, int dstW, int dstH, HDC source, int srcX, int srcY, int srcW,
                      int srcH, TColor maskColor, HPALETTE palette);

// Part of a bitmap stretched onto the canvas with transparentColor see-through
// (clNone: a plain copy in the canvas's copy mode). A destination side below 1
// is the bitmap's own; a source side below 1 takes the whole bitmap. In a
// black-and-white bitmap white is the see-through colour whatever is asked.
void DrawBitmapTransparent(TCanvas& dest, const TBitmap& bitmap, TColor transparentColor, int srcX, int srcY, int srcW,
                           int srcH, int dstX, int dstY, int dstW, int dstH);
void DrawBitmapRectTransparent(TCanvas& dest, int dstX, int dstY, int dstW, int dstH, const RECT& srcRect,
                               const TBitmap& bitmap, TColor transparentColor);
