#include "editors/foundation/graphics/cxgraphics.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>

#include "editors/foundation/core/cxtext.h"
#include "editors/foundation/graphics/cxpixels.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

// The screen's DC: the desktop's, with window updates locked out.
class TScreenCanvas : public TCanvas {
public:
    ~TScreenCanvas() override { FreeHandle(); }

protected:
    HDC CreateHandle() override { return GetDCEx(GetDesktopWindow(), nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE); }
    void DeleteHandle(HDC dc) override { ReleaseDC(GetDesktopWindow(), dc); }
};

class TcxScreenCanvas : public TcxCanvas {
public:
    TcxScreenCanvas() : TcxCanvas(screen_) {}

private:
    TScreenCanvas screen_;
};

struct TGraphicsUnit {
    std::array<TBrush, 31> systemBrushes;
    UniqueBrush halftone;
    std::unique_ptr<TcxScreenCanvas> screenCanvas;
};
std::optional<TGraphicsUnit> unit;

TGraphicsUnit& Unit()
{
    if (!unit)
        cxGraphicsInitialize();
    return *unit;
}

int Channel(std::uint32_t rgb, int i)
{
    return static_cast<int>(rgb >> (8 * i) & 0xFF);
}

// Paints window into the DC with its client's top-left at the DC's origin minus offset.
void PaintWindowAt(HWND window, TcxCanvas& canvas, POINT offset, bool drawEdge)
{
    canvas.PushDC();
    HDC dc = canvas.Handle();
    POINT org = canvas.WindowOrg();
    SetWindowOrgEx(dc, org.x + offset.x, org.y + offset.y, nullptr);
    RECT client;
    GetClientRect(window, &client);
    if (drawEdge) {
        RECT whole;
        GetWindowRect(window, &whole);
        client = RECT{0, 0, whole.right - whole.left, whole.bottom - whole.top};
        // The non-client edge: the control's client area lies inside it.
        LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE), style = GetWindowLongA(window, GWL_STYLE);
        RECT edge = client;
        if (exStyle & WS_EX_CLIENTEDGE)
            DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        else if (style & WS_BORDER)
            DrawEdge(dc, &edge, 3, BF_RECT | BF_ADJUST | BF_MONO);
        IntersectClipRect(dc, edge.left, edge.top, edge.right, edge.bottom);
        POINT now;
        GetWindowOrgEx(dc, &now);
        SetWindowOrgEx(dc, now.x - edge.left, now.y - edge.top, nullptr);
        client = RECT{0, 0, edge.right - edge.left, edge.bottom - edge.top};
    }
    if (RectVisible(dc, &client)) {
        SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageA(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    canvas.PopDC();
}

} // namespace

RECT cxRectDeflateBy(const RECT& r, const RECT& margins)
{
    return RECT{r.left + margins.left, r.top + margins.top, r.right - margins.right, r.bottom - margins.bottom};
}

bool cxBitmapHasImage(const TBitmap* bitmap)
{
    return bitmap && !bitmap->Empty();
}

TColor cxNearestScreenColor(TColor color)
{
    // The screen canvas keeps its DC: painters ask this for every hot or
    // pressed element, and getting a screen DC is a server call under Wine.
    return static_cast<TColor>(GetNearestColor(cxGetScreenCanvas().Handle(), ColorToRGB(color)));
}

TColor cxMixedSystemColor(int a, int b, int c)
{
    std::uint32_t face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clHighlight), window = ColorToRGB(clWindow);
    if (face == 0 || face == 0xFFFFFF)
        return static_cast<TColor>(highlight);
    std::uint32_t mixed = 0;
    for (int i = 0; i < 3; ++i) {
        int v = (a * Channel(face, i) + b * Channel(highlight, i) + c * Channel(window, i)) / 100;
        mixed |= static_cast<std::uint32_t>(std::clamp(v, 0, 255)) << (8 * i);
    }
    return static_cast<TColor>(mixed);
}

TColor cxSelectionColorA()
{
    return cxNearestScreenColor(cxMixedSystemColor(14, 44, 40));
}

TColor cxSelectionColorB()
{
    return cxNearestScreenColor(cxMixedSystemColor(-2, 30, 72));
}

std::uint32_t cxColorToRGBQuad(TColor color, std::uint8_t alpha)
{
    return cxRGBToQuad(ColorToRGB(color), alpha);
}

void cxRedrawRect(HWND window, const RECT& r, bool erase)
{
    RedrawWindow(window, &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | (erase ? RDW_ERASE : 0));
}

int cxDefaultFontCharset()
{
    int charset = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics;
    if (GetTextMetricsA(dc, &metrics))
        charset = metrics.tmCharSet;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return charset;
}

bool cxIsComplexCharsetText(int charset, const std::string& text)
{
    return cxIsComplexCharsetFor(charset == DEFAULT_CHARSET ? cxDefaultFontCharset() : charset, text);
}

TBrush& cxSystemBrush(int index)
{
    return Unit().systemBrushes.at(static_cast<std::size_t>(index));
}

HBRUSH cxHalftoneBrush()
{
    return Unit().halftone.get();
}

TcxCanvas& cxGetScreenCanvas()
{
    TGraphicsUnit& u = Unit();
    if (!u.screenCanvas)
        u.screenCanvas = std::make_unique<TcxScreenCanvas>();
    return *u.screenCanvas;
}

void cxPaintParentImage(HWND control, TcxCanvas& canvas, const RECT& r, bool withChildren)
{
    HWND parent = GetParent(control);
    if (!parent)
        return;
    // Where the control lies in its parent's client area.
    POINT at{0, 0};
    MapWindowPoints(control, parent, &at, 1);
    RECT inParent = r;
    OffsetRect(&inParent, at.x, at.y);
    PaintWindowAt(parent, canvas, POINT{inParent.left - r.left, inParent.top - r.top}, false);
    if (!withChildren)
        return;
    // Siblings under the control, bottom of the z-order first.
    for (HWND sibling = GetWindow(control, GW_HWNDLAST); sibling && sibling != control;
         sibling = GetWindow(sibling, GW_HWNDPREV)) {
        if (!IsWindowVisible(sibling))
            continue;
        // The sibling's whole window, edge included, in the parent's client area.
        RECT w;
        GetWindowRect(sibling, &w);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&w), 2);
        POINT p{w.left, w.top};
        PaintWindowAt(sibling, canvas, POINT{inParent.left - r.left - p.x, inParent.top - r.top - p.y}, true);
    }
}

void cxDrawParentBackground(HWND control, TcxCanvas& canvas, const RECT& r)
{
    if (dxUxTheme::ThemeLibraryPresent())
        dxUxTheme::DrawThemeParentBackground(control, canvas.Handle(), &r);
    else
        cxPaintParentImage(control, canvas, r, false);
}

void cxGraphicsInitialize()
{
    if (unit)
        return;
    unit.emplace();
    for (int i = 0; i < 31; ++i)
        unit->systemBrushes[static_cast<std::size_t>(i)].SetColor(clSystemColor | i);
    // Alternating rows 0xAA and 0x55.
    static const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    UniqueBitmap bits(CreateBitmap(8, 8, 1, 1, pattern));
    unit->halftone.reset(CreatePatternBrush(bits.get()));
}

void cxGraphicsFinalize()
{
    unit.reset();
}

namespace {
int WholeOr(const char* text, int length)
{
    return length == -1 ? static_cast<int>(std::strlen(text)) : length;
}
} // namespace

int cxDrawTextApi(HDC dc, const char* text, int length, RECT& r, UINT format)
{
    return DrawTextA(dc, text, WholeOr(text, length), &r, format);
}

bool cxExtTextOutApi(HDC dc, int x, int y, UINT options, const RECT* r, const char* text, int length, const int* dx)
{
    return ExtTextOutA(dc, x, y, options, r, text, static_cast<UINT>(WholeOr(text, length)), dx) != FALSE;
}

bool cxTextExtentApi(HDC dc, const char* text, int length, SIZE& size)
{
    return GetTextExtentPoint32A(dc, text, WholeOr(text, length), &size) != FALSE;
}
