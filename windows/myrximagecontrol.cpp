#include "windows/myrximagecontrol.h"

#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/graphic.h"
#include "classlib/handles.h"

namespace {
// Sets a flag for one scope and puts back what it held, however the scope ends.
class TFlagHold {
public:
    explicit TFlagHold(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TFlagHold() { flag_ = old_; }
    TFlagHold(const TFlagHold&) = delete;
    TFlagHold& operator=(const TFlagHold&) = delete;

private:
    bool& flag_;
    bool old_;
};
} // namespace

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
    TFlagHold drawing(drawing_);
    PaintCurrentFrame();
}

void TMyRxImageControl::ImageChanged()
{
    if (ComponentState() & csDestroying)
        return;
    FitToImage();
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
    TGraphicControl::MouseUp(button, shift, x, y);
    RECT client = ClientRect();
    if (click && PtInRect(&client, POINT{x, y}))
        Click();
}

const TMessageMap& TMyRxImageControl::Messages() const
{
    static const TMessageMap map(TGraphicControl::Messages(), {{WM_PAINT, &TMyRxImageControl::WMPaint}});
    return map;
}

void TMyRxImageControl::WMPaint(TMessage& m)
{
    if (buffering_) {
        TGraphicControl::Messages().Dispatch(*this, m);
        return;
    }
    if (m.WParam) {
        PaintBuffered(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    // A painting that fails still validates the window, so it is reported
    // once instead of coming back as a new WM_PAINT at once.
    struct TPaintCycle {
        HWND window;
        PAINTSTRUCT ps{};
        HDC dc;
        explicit TPaintCycle(HWND w) : window(w), dc(BeginPaint(w, &ps)) {}
        ~TPaintCycle() { EndPaint(window, &ps); }
    } cycle(Handle());
    if (cycle.dc)
        PaintBuffered(cycle.dc);
}

void TMyRxImageControl::PaintBuffered(HDC dc)
{
    RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0)
        return;
    UniqueDC memory(CreateCompatibleDC(dc));
    UniqueBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !bitmap)
        throw EOutOfResources("Out of system resources");
    SelectObjectScope selected(memory.get(), bitmap.get());
    {
        TFlagHold buffering(buffering_);
        TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(memory.get()), 0, 0};
        Dispatch(inner);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}
