#include "editors/foundation/demo/cxgallerymeasure.h"

#include <windows.h>

#include <cstdio>
#include <functional>

#include "editors/foundation/cxradiobuttonimages.h"
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
    return report;
}
