#include "windows/myrximagecontrol.h"

#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/graphic.h"
#include "classlib/handles.h"

TMyRxImageControl::TMyRxImageControl(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | csCaptureMouse);
    SetOpaque(true);
    SetBounds(Left(), Top(), 105, 105);
    SetParentColor(true);
}

void TMyRxImageControl::Paint()
{
    PaintImage();
}

void TMyRxImageControl::PaintImage()
{
    Canvas().FillRect(ClientRect());
    TFlagScope drawing(Liveness(), drawing_);
    PaintCurrentFrame();
}

void TMyRxImageControl::ImageChanged()
{
    if (ComponentState() & csDestroying)
        return;
    // Fitting resizes the control, whose OnResize may free it.
    const TLiveness alive = Liveness();
    FitToImage();
    if (!alive)
        return;
    if (image_ && RealizeImagePalette() && drawing_)
        Update();
    if (!drawing_)
        Invalidate();
}

bool TMyRxImageControl::RealizeImagePalette()
{
    if (!Visible() || (ComponentState() & csLoading) || !image_ || !GetPalette())
        return false;
    TForm* form = ParentForm();
    if (!form || !form->HandleAllocated() || GetActiveWindow() != form->Handle())
        return false;
    if (drawing_)
        form->Perform(WM_QUERYNEWPALETTE, 0, 0);
    else
        PostMessageA(form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
    return true;
}

void TMyRxImageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    // The second press of a double click gives DblClick, not a second click.
    clicked_ = button == TMouseButton::mbLeft && !(shift & ssDouble);
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TMyRxImageControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    bool click = clicked_ && button == TMouseButton::mbLeft;
    if (button == TMouseButton::mbLeft)
        clicked_ = false;
    const TLiveness alive = Liveness();
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!click || !alive)
        return;
    RECT client = ClientRect();
    if (PtInRect(&client, POINT{x, y}))
        Click();
}

void TMyRxImageControl::PaintClient(HDC dc)
{
    RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0)
        return;
    UniqueDC memory(CreateCompatibleDC(dc));
    UniqueBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !bitmap)
        throw EOutOfResources("Out of system resources");
    SelectObjectScope selected(memory.get(), bitmap.get());
    const TLiveness alive = Liveness();
    PaintOn(memory.get());
    if (alive)
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}
