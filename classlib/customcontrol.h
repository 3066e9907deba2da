// Controls that paint themselves on a canvas: TCustomControl (a windowed
// control that can hold children) and TGraphicControl (a windowless one that
// never takes the focus). Each windowed C++ class gets a window class of its
// own, registered on first use; Paint draws the client area from WM_PAINT
// (into the DC in wParam when there is one) and WM_PRINTCLIENT.
#pragma once

#include <typeinfo>
#include <utility>

#include "classlib/control.h"
#include "classlib/controlcanvas.h"
#include "classlib/handles.h"
#include "classlib/windowclasses.h"

template <class Base>
class TPaintedControl : public Base {
public:
    using Base::Base;

    TCanvas& Canvas() { return canvas_; }

protected:
    // Draws the client area on Canvas, which holds the control's font and
    // a brush of its colour.
    virtual void Paint() {}

    TCreateParams CreateParams() const override
    {
        return {WindowClassName(typeid(*this)), 0, 0, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW};
    }

    // A control that paints its whole client area says so: its background is
    // then never erased first, which would only flicker.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool opaque) { opaque_ = opaque; }

    RECT ClientRect() const
    {
        RECT r{0, 0, this->Width(), this->Height()};
        if (!this->Windowless())
            GetClientRect(this->Handle(), &r);
        return r;
    }

    const TMessageMap& Messages() const override
    {
        static const TMessageMap map(Base::Messages(), {
                                                           {WM_PAINT, &TPaintedControl::WMPaint},
                                                           {WM_PRINTCLIENT, &TPaintedControl::WMPrintClient},
                                                           {WM_ERASEBKGND, &TPaintedControl::WMEraseBkgnd},
                                                           {WM_DESTROY, &TPaintedControl::WMDestroy},
                                                       });
        return map;
    }

    // Draws the client area on dc for WM_PAINT and WM_PRINTCLIENT; a
    // double-buffered control draws it through a picture in memory.
    virtual void PaintClient(HDC dc) { PaintOn(dc); }

    // The canvas lent to Paint on dc, and given back however Paint ends
    // (unless Paint freed the control); dc is left as it was found.
    void PaintOn(HDC dc)
    {
        SaveDCScope saved(dc);
        struct Lend {
            TCanvas& canvas;
            TLiveness owner;
            Lend(TCanvas& c, TLiveness o, HDC dc) : canvas(c), owner(std::move(o)) { canvas.Lock(), canvas.SetHandle(dc); }
            ~Lend()
            {
                if (owner)
                    canvas.SetHandle(nullptr), canvas.Unlock();
            }
        } lend(canvas_, this->Liveness(), dc);
        canvas_.SetFont(this->Font());
        canvas_.Brush().SetColor(this->Color());
        canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
        Paint();
    }

    // A DC in wParam asks for painting into it, outside the paint cycle.
    void WMPaint(TMessage& m)
    {
        if (m.WParam) {
            PaintClient(reinterpret_cast<HDC>(m.WParam));
            return;
        }
        PaintCycleScope cycle(this->Handle());
        if (cycle.DC())
            PaintClient(cycle.DC());
    }

    void WMPrintClient(TMessage& m)
    {
        if (m.LParam & PRF_ERASEBKGND)
            this->Perform(WM_ERASEBKGND, m.WParam, 0);
        PaintClient(reinterpret_cast<HDC>(m.WParam));
    }

    void WMEraseBkgnd(TMessage& m)
    {
        if (!opaque_) {
            RECT r = ClientRect();
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, this->BackgroundBrush());
        }
        m.Result = 1;
    }

    void WMDestroy(TMessage& m)
    {
        canvas_.FreeHandle();
        Base::Messages().Dispatch(*this, m);
    }

private:
    TControlCanvas canvas_{*this};
    bool opaque_ = false;
};

class TCustomControl : public TPaintedControl<TWinControl> {
public:
    using TPaintedControl<TWinControl>::TPaintedControl;
};

// A control without a window of its own: its parent paints it (WM_PAINT
// with the parent's DC, its origin at the control's top-left and clipped to
// its rectangle), hit-tests it, passes it its mouse messages with its own
// coordinates, holds the capture for it and shows its hint over its
// rectangle. Handle() is null; it never takes the focus.
//
// Finding one from a test: Component<T>(name) gives the control; its
// ClientOrigin() and Width()/Height() are its place on the screen, where real
// input (ClickInput(const TControl&) in classlib/tests/realinput.h) reaches
// it, and its Text() is its caption. Messages the parent would pass it can
// be sent with Perform, or to the window it is drawn in (DrawingWindow, the
// parent's or, for a parent drawn in its own parent, the nearest window
// around) at the control's place there.
class TGraphicControl : public TPaintedControl<TControl> {
public:
    explicit TGraphicControl(TComponent* owner = nullptr) : TPaintedControl<TControl>(owner, true) {}
};
