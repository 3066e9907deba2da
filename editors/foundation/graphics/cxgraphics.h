// The unit around the canvas: colour helpers, the system-colour and halftone
// brushes, the screen canvas, complex-script text, and a parent's image
// painted under a transparent control.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "classlib/brush.h"
#include "classlib/canvas.h"
#include "editors/foundation/graphics/cxcanvas.h"

RECT cxRectDeflateBy(const RECT& r, const RECT& margins);
bool cxBitmapHasImage(const TBitmap* bitmap);
TColor cxNearestScreenColor(TColor color);
// Per channel (a x clBtnFace + b x clHighlight + c x clWindow) / 100.
TColor cxMixedSystemColor(int a, int b, int c);
TColor cxSelectionColorA();
TColor cxSelectionColorB();
// The colour as a BGRA pixel with the alpha in the top byte.
std::uint32_t cxColorToRGBQuad(TColor color, std::uint8_t alpha = 0);
void cxRedrawRect(HWND window, const RECT& r, bool erase);
// Charset 1 (DEFAULT_CHARSET) stands for the system's default font's.
bool cxIsComplexCharsetText(int charset, const std::string& text);
// The character set of the system font.
int cxDefaultFontCharset();

// The brushes of the 31 system colours, and the halftone pattern.
TBrush& cxSystemBrush(int index);
HBRUSH cxHalftoneBrush();
// The process-wide canvas over the screen.
TcxCanvas& cxGetScreenCanvas();

// Paints the parent (and, asked, the siblings under the control) into the
// canvas below the control's rectangle r (control coordinates).
void cxPaintParentImage(HWND control, TcxCanvas& canvas, const RECT& r, bool withChildren = true);
// The theme's parent background when the theme library is there, else the parent's image.
void cxDrawParentBackground(HWND control, TcxCanvas& canvas, const RECT& r);

// DrawText, ExtTextOut and GetTextExtentPoint32, where a length of -1 means the whole text.
int cxDrawTextApi(HDC dc, const char* text, int length, RECT& r, UINT format);
bool cxExtTextOutApi(HDC dc, int x, int y, UINT options, const RECT* r, const char* text, int length, const int* dx);
bool cxTextExtentApi(HDC dc, const char* text, int length, SIZE& size);

void cxGraphicsInitialize();
void cxGraphicsFinalize();
