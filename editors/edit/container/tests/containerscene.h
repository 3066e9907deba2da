// What the container's window tests share: a shown form holding a 100x24
// container with an EDIT inside and a second EDIT that has the focus, and
// a container painted into a bitmap pre-filled with a sentinel colour.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "editors/edit/container/cxcontainer.h"

std::vector<int> Sides(const TRect& r);
// The name of the control whose window has the focus; "none" without one.
std::string FocusedName();

struct Scene {
    Scene();

    std::unique_ptr<TForm> form;
    TcxContainer* container;
    TEdit* edit;
    TEdit* other;
};

// A 110x30 bitmap filled with kSentinel, then the container's paint.
class TPaintedPixels {
public:
    explicit TPaintedPixels(TcxContainer& container);
    ~TPaintedPixels();
    TPaintedPixels(const TPaintedPixels&) = delete;
    TPaintedPixels& operator=(const TPaintedPixels&) = delete;

    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

    static constexpr COLORREF kSentinel = RGB(1, 2, 3);

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

inline COLORREF Rgb(TColor c)
{
    return static_cast<COLORREF>(ColorToRGB(c));
}
