// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): one Compute plus Paint of a 200 x 24 editor view with three
// 3D drop-down buttons into a memory DC, against a hand-written GDI
// sequence of the same fills, frames and arrow strips.
//   tools/wine-run.sh build/target/editors/edit/viewinfo/editpaint_measure.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "classlib/application.h"
#include "classlib/bitmap.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/cxeditviewdata.h"
#include "editors/foundation/core/cxfoundationunits.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

namespace {

constexpr int kWidth = 200, kHeight = 24, kButtons = 3, kRounds = 20000;

double Now()
{
    LARGE_INTEGER c, f;
    QueryPerformanceCounter(&c);
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// What the view draws, written out: border, text area, and per button two
// rings, the face and the arrow's rows (worked out beforehand, as a hand
// would write them down).
void PaintByHand(HDC dc, const std::vector<RECT>& buttons, const std::vector<RECT>& arrows)
{
    auto brush = [](int index) { return GetSysColorBrush(index); };
    auto fill = [&](int l, int t, int r, int b, int color) {
        const RECT rect{l, t, r, b};
        FillRect(dc, &rect, brush(color));
    };
    auto ring = [&](const RECT& r, int lightColor, int darkColor) {
        fill(r.left, r.top, r.right, r.top + 1, lightColor);
        fill(r.left, r.top, r.left + 1, r.bottom, lightColor);
        fill(r.right - 1, r.top, r.right, r.bottom, darkColor);
        fill(r.left, r.bottom - 1, r.right, r.bottom, darkColor);
    };
    const RECT frame{0, 0, kWidth, kHeight};
    FrameRect(dc, &frame, brush(COLOR_BTNSHADOW));
    fill(1, 1, buttons.front().left, kHeight - 1, COLOR_WINDOW);
    for (const RECT& b : buttons) {
        ring(b, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
        const RECT inner{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1};
        ring(inner, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        fill(b.left + 2, b.top + 2, b.right - 2, b.bottom - 2, COLOR_BTNFACE);
    }
    for (const RECT& strip : arrows)
        FillRect(dc, &strip, brush(COLOR_BTNTEXT));
}

} // namespace

int main()
{
    Application.Initialize();
    TUnitsStarted foundation(cxFoundationUnits());
    TUnitsStarted edit(cxEditUnits());

    TcxCustomEditProperties properties(nullptr);
    for (int i = 0; i < kButtons; ++i)
        properties.Buttons().Add().SetKind(bkDown);
    auto made = TcxEditStyle::Create(nullptr, cssNormal, nullptr, false);
    auto& style = static_cast<TcxEditStyle&>(*made);
    style.SetBorderStyle(cbsSingle);
    style.SetButtonStyle(bts3D);
    auto viewData = properties.NewViewData(&style, false);
    TcxCustomEditViewInfo viewInfo;

    TBitmap bitmap;
    bitmap.SetSize(kWidth, kHeight);
    TcxCanvas canvas(bitmap.Canvas());
    const TRect bounds{0, 0, kWidth, kHeight};
    auto computeAndPaint = [&] {
        viewData->Compute(canvas, bounds, POINT{-1, -1}, -1, TShiftState{}, viewInfo);
        viewInfo.Paint(canvas);
    };
    computeAndPaint();
    std::vector<RECT> buttons;
    for (int i = 0; i < viewInfo.ButtonCount(); ++i)
        buttons.push_back(viewInfo.Button(i).Bounds);
    if (buttons.size() != kButtons) {
        std::printf("the view laid out %zu buttons, not %d\n", buttons.size(), kButtons);
        return 1;
    }
    std::vector<RECT> arrows;
    for (const RECT& b : buttons)
        for (const TRect& strip : cxArrowStrips(TRect{b.left + 2, b.top + 2, b.right - 2, b.bottom - 2}, adDown, true))
            arrows.push_back(strip);
    HDC dc = canvas.Handle();
    PaintByHand(dc, buttons, arrows);

    // The better of three runs of each, so a busy moment of the machine counts less.
    double library = 1e300, byHand = 1e300;
    for (int run = 0; run < 3; ++run) {
        double start = Now();
        for (int i = 0; i < kRounds; ++i)
            computeAndPaint();
        GdiFlush();
        library = std::min(library, Now() - start);
        start = Now();
        for (int i = 0; i < kRounds; ++i)
            PaintByHand(dc, buttons, arrows);
        GdiFlush();
        byHand = std::min(byHand, Now() - start);
    }
    std::printf("%d x Compute + Paint of a %dx%d view with %d buttons: %.1f ms (%.1f us each); the same by hand: "
                "%.1f ms (%.1f us each); %.2fx (goal: at most 3x)\n",
                kRounds, kWidth, kHeight, kButtons, library, 1000.0 * library / kRounds, byHand,
                1000.0 * byHand / kRounds, library / byHand);
    return 0;
}
