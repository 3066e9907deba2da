#include "editors/foundation/demo/cxgallerymeasure.h"

#include <windows.h>

#include <cstdio>
#include <functional>

#include "classlib/application.h"
#include "classlib/form.h"
#include "editors/foundation/painters/cxradiobuttonimages.h"
#include "editors/foundation/scrollbars/cxscrollbar.h"
#include "editors/foundation/demo/cxgallery.h"

namespace {

double Milliseconds(const std::function<void()>& work)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Wine's GetGuiResources always answers 0. The slot a new GDI object takes
// grows with every object kept alive, so a probe's slot counts those.
long GdiObjects()
{
    HBRUSH probe = CreateSolidBrush(0);
    long slot = LOWORD(reinterpret_cast<UINT_PTR>(probe));
    DeleteObject(probe);
    return slot;
}

} // namespace

std::string cxMeasureGallery(int repaints)
{
    TcxGallery gallery;
    TBitmap bitmap;
    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    bitmap.SetSize(gallery.Size().cx, gallery.Size().cy);
    TcxCanvas canvas(bitmap.Canvas());
    // Once first, so caches made on first use are not counted.
    gallery.Paint(canvas);
    std::string report;
    char line[160];
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE), frame = GetSysColorBrush(COLOR_BTNSHADOW);
    for (int column = 0; column < 4; ++column) {
        const long before = GdiObjects();
        const double painted = Milliseconds([&] {
            for (int i = 0; i < repaints; ++i)
                gallery.PaintColumn(canvas, column, *gallery.Painter(column));
        });
        const long kept = GdiObjects() - before;
        HDC dc = canvas.Handle();
        const double plain = Milliseconds([&] {
            for (int i = 0; i < repaints; ++i)
                for (int row = 0; row < cxGalleryRowCount; ++row)
                    for (int item = 0; item < gallery.ItemCount(static_cast<TcxGalleryRow>(row)); ++item) {
                        const RECT r = gallery.Cell(column, static_cast<TcxGalleryRow>(row), item);
                        FillRect(dc, &r, face);
                        FrameRect(dc, &r, frame);
                    }
        });
        std::snprintf(line, sizeof(line), "%-9s %d repaints %.1f ms, plain cells %.1f ms, ratio %.2f, GDI objects kept %ld\n",
                      gallery.ColumnCaption(column), repaints, painted, plain, painted / plain,
                      kept);
        report += line;
    }
    cxRadioButtonImageListFree();
    const double radios = Milliseconds([] { cxRadioButtonImageList(); });
    std::snprintf(line, sizeof(line), "radio glyphs: %d images built in %.2f ms\n", cxRadioButtonImageList().Count(),
                  radios);
    report += line;
    return report + cxMeasureThumbDrag(repaints);
}

std::string cxMeasureThumbDrag(int moves)
{
    TForm form;
    form.SetProperty("ClientWidth", "420");
    TcxScrollBar bar;
    bar.SetBounds(10, 10, 400, 17);
    bar.SetParent(&form);
    form.Show();
    Application.ProcessMessages();
    const double repaints = Milliseconds([&] {
        for (int i = 0; i < moves; ++i)
            bar.Repaint();
    });
    const RECT thumb = bar.ViewInfo().Parts().Thumb;
    const int y = 8, from = thumb.left + 2, span = 400 - 2 * 17 - (thumb.right - thumb.left);
    bar.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from, y));
    const double drags = Milliseconds([&] {
        for (int i = 0; i < moves; ++i) {
            bar.Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from + (i * 7) % span, y));
            bar.Update();
        }
    });
    bar.Perform(WM_LBUTTONUP, 0, MAKELPARAM(from, y));
    char line[160];
    std::snprintf(line, sizeof(line), "scroll bar 400 px: %d thumb-drag moves %.1f ms, %d repaints %.1f ms, ratio %.2f\n",
                  moves, drags, moves, repaints, drags / repaints);
    return line;
}
