#include "editors/edit/core/cxedithelpers.h"

#include "classlib/control.h"
#include "editors/foundation/graphics/cxcanvas.h"

TShiftState MouseButtonShift(TMouseButton button)
{
    switch (button) {
    case TMouseButton::mbLeft: return ssLeft;
    case TMouseButton::mbRight: return ssRight;
    case TMouseButton::mbMiddle: return ssMiddle;
    }
    return 0;
}

void DrawSideFrame(TcxCanvas& canvas, TRect& r, TColor leftTop, TColor rightBottom)
{
    canvas.DrawSideBorders(r, leftTop, rightBottom);
    r = cxRectInflated(r, -1, -1);
}

void DrawPlainFrame(TcxCanvas& canvas, TRect& r, TColor color)
{
    canvas.FrameRect(r, color);
    r = cxRectInflated(r, -1, -1);
}

bool RegionIsEmpty(HRGN region)
{
    RECT box;
    return GetRgnBox(region, &box) == NULLREGION;
}

void RegionUnite(HRGN a, HRGN b)
{
    CombineRgn(a, a, b, RGN_OR);
}

void SendKeyDown(TWinControl& edit, WORD key)
{
    SendMessageA(edit.Handle(), WM_KEYDOWN, key, 0);
}

void SendChar(TWinControl& edit, char c)
{
    SendMessageA(edit.Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
}
