// The canvas of a control's window: the window's DC is fetched when a
// drawing call needs it and given back on FreeHandle or with the canvas. A
// windowless control's is its parent's, limited to the control's rectangle.
#pragma once

#include "classlib/canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(const TControl& control) : control_(control) {}
    ~TControlCanvas() override { FreeHandle(); }

protected:
    HDC CreateHandle() override;
    void DeleteHandle(HDC dc) override;

private:
    const TControl& control_;
    HWND window_ = nullptr;
};
